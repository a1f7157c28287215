#include "report/model/TfrxEnumNames.h"

#define FRX_NAMES(function, ...)                                                                             \
    const QStringList& function()                                                                            \
    {                                                                                                        \
        static const QStringList names{__VA_ARGS__};                                                         \
        return names;                                                                                        \
    }

FRX_NAMES(frxRestrictionNames, "rfDontModify", "rfDontSize", "rfDontMove", "rfDontDelete", "rfDontEdit")
FRX_NAMES(frxFontStyleNames, "fsBold", "fsItalic", "fsUnderline", "fsStrikeOut")
FRX_NAMES(frxFontPitchNames, "fpDefault", "fpVariable", "fpFixed")
FRX_NAMES(frxFontQualityNames, "fqDefault", "fqDraft", "fqProof", "fqNonAntialiased", "fqAntialiased",
          "fqClearType", "fqClearTypeNatural")
FRX_NAMES(frxAlignNames, "baNone", "baLeft", "baRight", "baCenter", "baWidth", "baBottom", "baClient")
FRX_NAMES(frxShiftModeNames, "smDontShift", "smAlways", "smWhenOverlapped")
FRX_NAMES(frxStretchModeNames, "smDontStretch", "smActualHeight", "smMaxHeight")
FRX_NAMES(frxVisibilityNames, "vsPreview", "vsExport", "vsPrint")
FRX_NAMES(frxFrameStyleNames, "fsSolid", "fsDash", "fsDot", "fsDashDot", "fsDashDotDot", "fsDouble",
          "fsAltDot", "fsSquare")
FRX_NAMES(frxFrameTypeNames, "ftLeft", "ftRight", "ftTop", "ftBottom")
FRX_NAMES(frxFillTypeNames, "ftBrush", "ftGradient", "ftGlass")
FRX_NAMES(frxBrushStyleNames, "bsSolid", "bsClear", "bsHorizontal", "bsVertical", "bsFDiagonal",
          "bsBDiagonal", "bsCross", "bsDiagCross")
FRX_NAMES(frxGradientStyleNames, "gsHorizontal", "gsVertical", "gsElliptic", "gsRectangle", "gsVertCenter",
          "gsHorizCenter")
FRX_NAMES(frxFillOrientationNames, "foVertical", "foHorizontal", "foVerticalMirror", "foHorizontalMirror")
FRX_NAMES(frxHyperlinkKindNames, "hkURL", "hkAnchor", "hkPageNumber", "hkDetailReport", "hkDetailPage",
          "hkCustom")
FRX_NAMES(frxHAlignNames, "haLeft", "haRight", "haCenter", "haBlock")
FRX_NAMES(frxVAlignNames, "vaTop", "vaBottom", "vaCenter")
FRX_NAMES(frxFormatKindNames, "fkText", "fkNumeric", "fkDateTime", "fkBoolean")
FRX_NAMES(frxPrinterOrientationNames, "poPortrait", "poLandscape")
FRX_NAMES(frxDuplexModeNames, "dmNone", "dmVertical", "dmHorizontal", "dmSimplex")
FRX_NAMES(frxPreviewButtonNames, "pbPrint", "pbLoad", "pbSave", "pbExport", "pbZoom", "pbFind", "pbOutline",
          "pbPageSetup", "pbTools", "pbEdit", "pbNavigator", "pbExportQuick", "pbNoClose", "pbNoFullScreen",
          "pbNoEmail")
FRX_NAMES(frxZoomModeNames, "zmDefault", "zmWholePage", "zmPageWidth", "zmManyPages")
FRX_NAMES(frxPrintModeNames, "pmDefault", "pmSplit", "pmJoin", "pmScale")
FRX_NAMES(frxPrintPagesNames, "ppAll", "ppOdd", "ppEven")
FRX_NAMES(frxSilentModeNames, "simMessageBoxes", "simSilent", "simReThrow")
