#pragma once

#include "app/CertificateControls.h"

#include <QSize>
#include <QStringList>

class QWidget;

// The items of the choice controls.
QStringList resultItems();       // cmb_1 … cmb_9
QStringList gradeItems();        // cmb_10
QStringList transmissionItems(); // cmb_kpp

// Creates every entry control on the entry area at its place over the blank, with its font,
// alignment, length limit, initial value and tab order.
CertificateControls createEntryControls(QWidget* area);

// The extent of the entry controls: the entry area scrolls when it is smaller than this.
QSize entryControlsExtent();
