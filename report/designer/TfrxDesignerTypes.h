#pragma once

// Measurement units of the designer: how positions and sizes are shown and typed.
enum TfrxDesignerUnits { duCM, duInches, duPixels, duChars };

// Grid of the design workspace; the units choose it.
enum TfrxGridType { gt1pt, gt1cm, gt1in, gtDialog, gtChar, gtNone };
