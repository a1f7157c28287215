#pragma once

#include "report/model/resources/TfrxResources.h"

#include <QLabel>
#include <QRect>
#include <QString>

// The report subsystem's dialogs place their controls at fixed, designed positions and take their
// captions from the text tables.
namespace dialogControls {

inline QString text(const char* key)
{
    return frxGet(QString::fromLatin1(key));
}

template <class Control> Control* named(Control* control, const char* objectName, const QRect& geometry)
{
    control->setObjectName(QString::fromLatin1(objectName));
    control->setGeometry(geometry);
    return control;
}

inline QLabel* label(QWidget* parent, const char* objectName, const QString& caption, const QRect& geometry)
{
    return named(new QLabel(caption, parent), objectName, geometry);
}

} // namespace dialogControls
