#pragma once

// Orientation of the paper in a printer and on a report page.
enum TPrinterOrientation { poPortrait, poLandscape };
