#pragma once

#include <QColor>

// The colour a vertical two-colour gradient of length pixels shows at pixel
// row position, so a control standing on the gradient can take the colour
// behind its top edge. position is clamped into 0..length-1; a gradient of
// one pixel or less shows start. Colours are resolved to RGB; alpha follows
// the same blend.
QColor GradientColorAt(const QColor &start, const QColor &end, int position, int length);
