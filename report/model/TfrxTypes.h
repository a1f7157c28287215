#pragma once

#include "common/EnumSet.h"

#include <cstdint>

// Colours are 0x00BBGGRR; a top byte of 0xFF names a system colour by index.
using TColor = int32_t;
inline constexpr TColor clNone = 0x1FFFFFFF; // no fill, no frame, transparent
inline constexpr TColor clBlack = 0;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clGray = 0x808080;
inline constexpr TColor clWhite = 0xFFFFFF;

// Character set numbers of font descriptions.
inline constexpr int ANSI_CHARSET = 0;
inline constexpr int DEFAULT_CHARSET = 1;
inline constexpr int RUSSIAN_CHARSET = 204;

enum TfrxRestriction { rfDontModify, rfDontSize, rfDontMove, rfDontDelete, rfDontEdit };
using TfrxRestrictions = TSet<TfrxRestriction>;

enum TfrxComponentStyle { csContainer, csPreviewVisible, csDefaultDiff, csHandlesNestedProperties };
using TfrxComponentStyles = TSet<TfrxComponentStyle>;

enum TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = TSet<TFontStyle>;
enum TFontPitch { fpDefault, fpVariable, fpFixed };
enum TFontQuality {
    fqDefault,
    fqDraft,
    fqProof,
    fqNonAntialiased,
    fqAntialiased,
    fqClearType,
    fqClearTypeNatural
};

// Views.
enum TfrxAlign { baNone, baLeft, baRight, baCenter, baWidth, baBottom, baClient };
enum TfrxShiftMode { smDontShift, smAlways, smWhenOverlapped };
enum TfrxStretchMode { smDontStretch, smActualHeight, smMaxHeight };
enum TfrxVisibilityType { vsPreview, vsExport, vsPrint };
using TfrxVisibilityTypes = TSet<TfrxVisibilityType>;
inline constexpr TfrxVisibilityTypes kAllVisibilities{vsPreview, vsExport, vsPrint};

enum TfrxFrameStyle { fsSolid, fsDash, fsDot, fsDashDot, fsDashDotDot, fsDouble, fsAltDot, fsSquare };
enum TfrxFrameType { ftLeft, ftRight, ftTop, ftBottom };
using TfrxFrameTypes = TSet<TfrxFrameType>;

enum TfrxFillType { ftBrush, ftGradient, ftGlass };
enum TBrushStyle {
    bsSolid,
    bsClear,
    bsHorizontal,
    bsVertical,
    bsFDiagonal,
    bsBDiagonal,
    bsCross,
    bsDiagCross
};
enum TfrxGradientStyle { gsHorizontal, gsVertical, gsElliptic, gsRectangle, gsVertCenter, gsHorizCenter };
enum TfrxFillOrientation { foVertical, foHorizontal, foVerticalMirror, foHorizontalMirror };

enum TfrxHyperlinkKind { hkURL, hkAnchor, hkPageNumber, hkDetailReport, hkDetailPage, hkCustom };

enum TfrxHAlign { haLeft, haRight, haCenter, haBlock };
enum TfrxVAlign { vaTop, vaBottom, vaCenter };
enum TfrxFormatKind { fkText, fkNumeric, fkDateTime, fkBoolean };

// Pages and the report.
enum TfrxDuplexMode { dmNone, dmVertical, dmHorizontal, dmSimplex };

enum TfrxPreviewButton {
    pbPrint,
    pbLoad,
    pbSave,
    pbExport,
    pbZoom,
    pbFind,
    pbOutline,
    pbPageSetup,
    pbTools,
    pbEdit,
    pbNavigator,
    pbExportQuick,
    pbNoClose,
    pbNoFullScreen,
    pbNoEmail
};
using TfrxPreviewButtons = TSet<TfrxPreviewButton>;
inline constexpr TfrxPreviewButtons kDefaultPreviewButtons = TfrxPreviewButtons::fromBits(4095);

enum TfrxZoomMode { zmDefault, zmWholePage, zmPageWidth, zmManyPages };
enum TfrxPrintMode { pmDefault, pmSplit, pmJoin, pmScale };
enum TfrxPrintPages { ppAll, ppOdd, ppEven };
enum TfrxSilentMode { simMessageBoxes, simSilent, simReThrow };
