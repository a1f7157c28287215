#pragma once

#include <QImage>

// The picture of the empty blank that the certificate window shows behind its entry controls: the
// blank's two pages side by side, at the window's own pixel size, with a box under every control.
QImage drawScreenBlank();
