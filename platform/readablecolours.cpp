#include "platform/readablecolours.h"

#include <algorithm>
#include <cmath>

namespace {
double channel(double c)
{
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(const QColor &c)
{
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}
}

namespace ReadableColours {

double contrast(const QColor &a, const QColor &b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor alarmOn(const QColor &background)
{
    constexpr double Readable = 4.5;
    const bool darken = luminance(background) > luminance(QColor(Qt::red));
    for (int step = 0; step <= 255; ++step) {
        const QColor red = darken ? QColor(255 - step, 0, 0) : QColor(255, step, step);
        if (contrast(red, background) >= Readable)
            return red;
    }
    return textOn(background);
}

QColor textOn(const QColor &background)
{
    const QColor black(Qt::black);
    const QColor white(Qt::white);
    return contrast(black, background) >= contrast(white, background) ? black : white;
}

}
