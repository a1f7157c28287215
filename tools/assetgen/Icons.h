#pragma once

#include <QImage>

// The command panel's 32 × 32 icons and the 64 × 64 program icon, drawn with transparency.
QImage layoutIcon();
QImage clearIcon();
QImage printIcon();
QImage mockupIcon();
QImage programIcon();
