#include "MinimisedIcon.h"

QPoint minimisedIconPosition(const QSize& clientArea, const QSize& icon)
{
    return QPoint((clientArea.width() - icon.width() + 1) / 2, (clientArea.height() - icon.height() + 1) / 2);
}
