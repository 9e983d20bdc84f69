#include "DialogUnits.h"

#include <QFontMetrics>
#include <QString>

namespace {

int scaleRounded(int value, int numerator, int denominator)
{
    const long long product = static_cast<long long>(value) * numerator;
    const long long half = denominator / 2;
    return static_cast<int>(product >= 0 ? (product + half) / denominator : (product - half) / denominator);
}

}  // namespace

QSize dialogBaseUnits(const QFontMetrics& metrics)
{
    const int alphabetWidth =
        metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return QSize((alphabetWidth / 26 + 1) / 2, metrics.height());
}

QRect dialogUnitsToPixels(const QRect& units, const QSize& baseUnits)
{
    const int bx = baseUnits.width();
    const int by = baseUnits.height();
    return QRect(scaleRounded(units.x(), bx, 4), scaleRounded(units.y(), by, 8),
        scaleRounded(units.width(), bx, 4), scaleRounded(units.height(), by, 8));
}
