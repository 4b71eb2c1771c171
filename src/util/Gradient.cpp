#include "Gradient.h"

#include <algorithm>

QColor GradientColorAt(const QColor &start, const QColor &end, int position, int length)
{
    const QColor from = start.toRgb();
    if (length <= 1)
        return from;
    const QColor to = end.toRgb();
    const qint64 span = length - 1;
    const qint64 p = std::clamp<qint64>(position, 0, span);
    // Integer arithmetic keeps the result exact (no 0.999... from a float t);
    // the value is never negative, so the division truncates towards zero.
    const auto channel = [&](int a, int b) { return int((a * span + (b - a) * p) / span); };
    return QColor(channel(from.red(), to.red()), channel(from.green(), to.green()),
                  channel(from.blue(), to.blue()), channel(from.alpha(), to.alpha()));
}
