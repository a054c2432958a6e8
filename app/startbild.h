#pragma once

#include <QPixmap>

// The 400 x 300 picture of the start window: drawn, so it scales with the screen.
QPixmap StartbildZeichnen(qreal pixelverhaeltnis = 1.0);
