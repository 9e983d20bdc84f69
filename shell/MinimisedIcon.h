#pragma once

#include <QPoint>
#include <QSize>

// Where a minimised window draws its icon: centred, the odd pixel going right
// and down, the division rounding toward zero (so a negative half pixel is 0).
QPoint minimisedIconPosition(const QSize& clientArea, const QSize& icon);
