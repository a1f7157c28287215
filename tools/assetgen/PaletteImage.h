#pragma once

#include <QImage>

// Reduces an opaque picture to 256 colours chosen for it (median cut), each pixel taking the nearest
// one: the blank's pale paper and thin print need no dithering, and the file stays small.
QImage toPalette(const QImage& image);
