#pragma once

#include <QRect>
#include <QSize>

class QFontMetrics;

// Horizontal and vertical base units of a dialog font in pixels: the average
// width of the Latin letters (rounded) and the line height.
QSize dialogBaseUnits(const QFontMetrics& metrics);

// A rectangle laid out in dialog units (a quarter of the average character
// width, an eighth of the line height) in pixels, rounded to nearest.
QRect dialogUnitsToPixels(const QRect& units, const QSize& baseUnits);
