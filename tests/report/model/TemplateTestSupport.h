#pragma once

#include "report/model/ReportErrors.h"
#include "report/model/TfrxComponent.h"
#include "report/model/TfrxReport.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QLocale>
#include <QString>
#include <QStringList>

inline const QByteArray kDeclaration("<?xml version=\"1.0\" encoding=\"utf-8\" standalone=\"no\"?>\r\n");

// The number settings of the office (decimal comma) or of another desktop, for one test.
class ScopedLocale {
public:
    explicit ScopedLocale(QLocale::Language language, QLocale::Territory territory)
    {
        QLocale::setDefault(QLocale(language, territory));
    }
    ~ScopedLocale() { QLocale::setDefault(FPrevious); }
    ScopedLocale(const ScopedLocale&) = delete;
    ScopedLocale& operator=(const ScopedLocale&) = delete;

private:
    QLocale FPrevious;
};

inline ScopedLocale russianNumbers()
{
    return ScopedLocale(QLocale::Russian, QLocale::Russia);
}

// Collects the texts of the error boxes instead of showing them.
class ErrorBoxRecorder {
public:
    ErrorBoxRecorder()
        : FPrevious(frxSetErrorBoxHandler([this](const QString& text) { FTexts.append(text); }))
    {
    }
    ~ErrorBoxRecorder() { frxSetErrorBoxHandler(FPrevious); }
    ErrorBoxRecorder(const ErrorBoxRecorder&) = delete;
    ErrorBoxRecorder& operator=(const ErrorBoxRecorder&) = delete;

    const QStringList& GetTexts() const { return FTexts; }

private:
    TfrxErrorBoxHandler FPrevious;
    QStringList FTexts;
};

inline QByteArray saveBytes(TfrxComponent& object)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    object.SaveToStream(buffer);
    return bytes;
}

inline void loadBytes(TfrxComponent& object, const QByteArray& bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    object.LoadFromStream(buffer);
}

// A template of one report page with the given attribute text and children, under the declaration.
inline QByteArray pageTemplate(const QByteArray& pageAttributes, const QByteArray& children = {})
{
    return kDeclaration + "<TfrxReport>\r\n<TfrxReportPage Name=\"Page1\" " + pageAttributes + ">" +
           children + "</TfrxReportPage>\r\n</TfrxReport>\r\n";
}

inline QImage smallImage()
{
    QImage image(3, 2, QImage::Format_RGB32);
    image.fill(Qt::red);
    return image;
}
