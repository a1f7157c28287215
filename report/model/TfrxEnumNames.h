#pragma once

#include <QStringList>

// The value names of the enumerations and sets of TfrxTypes.h (and of the page orientation), by
// ordinal, as templates write them and the object inspector lists them.
const QStringList& frxRestrictionNames();
const QStringList& frxFontStyleNames();
const QStringList& frxFontPitchNames();
const QStringList& frxFontQualityNames();
const QStringList& frxAlignNames();
const QStringList& frxShiftModeNames();
const QStringList& frxStretchModeNames();
const QStringList& frxVisibilityNames();
const QStringList& frxFrameStyleNames();
const QStringList& frxFrameTypeNames();
const QStringList& frxFillTypeNames();
const QStringList& frxBrushStyleNames();
const QStringList& frxGradientStyleNames();
const QStringList& frxFillOrientationNames();
const QStringList& frxHyperlinkKindNames();
const QStringList& frxHAlignNames();
const QStringList& frxVAlignNames();
const QStringList& frxFormatKindNames();
const QStringList& frxPrinterOrientationNames();
const QStringList& frxDuplexModeNames();
const QStringList& frxPreviewButtonNames();
const QStringList& frxZoomModeNames();
const QStringList& frxPrintModeNames();
const QStringList& frxPrintPagesNames();
const QStringList& frxSilentModeNames();
