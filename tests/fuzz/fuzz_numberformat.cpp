// The three number texts of the results on any double, in either kind of locale: they return,
// they have their shape, and they read back as the value they were made from.

#include "fuzz_input.h"

#include "model/numberformat.h"

#include <QHash>
#include <QRegularExpression>

#include <cmath>
#include <cstring>
#include <limits>

namespace {

struct Shapes
{
    QRegularExpression priority;
    QRegularExpression measure;
    QRegularExpression fixed;
    QRegularExpression scientific;
};

const Shapes &shapesFor(const QString &decimalPoint)
{
    static QHash<QString, Shapes> cache;
    auto it = cache.find(decimalPoint);
    if (it == cache.end()) {
        const QString p = QRegularExpression::escape(decimalPoint);
        it = cache.insert(decimalPoint, Shapes{
                QRegularExpression(QStringLiteral("^-?[0-9]+%1[0-9]{8}$").arg(p)),
                QRegularExpression(QStringLiteral("^-?[0-9]+(%1[0-9]{0,7}[1-9])?$").arg(p)),
                QRegularExpression(QStringLiteral("^-?(0|[1-9][0-9]{0,14})(%1[0-9]*[1-9])?$").arg(p)),
                QRegularExpression(QStringLiteral("^-?[1-9](%1[0-9]{0,13}[1-9])?E-?[1-9][0-9]*$").arg(p)),
        });
    }
    return *it;
}

double readBack(QString text, const QLocale &locale)
{
    // The texts carry the locale's separator but no group separators; QLocale's C reading
    // takes the exponent "E" as well.
    text.replace(locale.decimalPoint(), QStringLiteral("."));
    bool ok = false;
    const double v = QLocale::c().toDouble(text, &ok);
    FUZZ_CHECK(ok);
    return v;
}

void checkValue(double v, const QLocale &locale)
{
    const QString priority = formatPriority(v, locale);
    const QString measure = formatMeasure(v, locale);
    const QString general = formatGeneral(v, locale);

    if (!std::isfinite(v)) {
        const QString expected = std::isnan(v) ? QStringLiteral("NAN") : v < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
        FUZZ_CHECK(priority == expected && measure == expected && general == expected);
        return;
    }

    const Shapes &shapes = shapesFor(locale.decimalPoint());
    FUZZ_CHECK(shapes.priority.match(priority).hasMatch());
    FUZZ_CHECK(std::fabs(readBack(priority, locale) - v) <= 0.5e-8 * (1 + 1e-9) + std::fabs(v) * 1e-15);

    FUZZ_CHECK(shapes.measure.match(measure).hasMatch());
    FUZZ_CHECK(std::fabs(readBack(measure, locale) - v) <= 0.5e-8 * (1 + 1e-9) + std::fabs(v) * 1e-15);

    // A value that rounds to zero carries no minus.
    FUZZ_CHECK(!(priority.startsWith(QLatin1Char('-')) && readBack(priority, locale) == 0.0));
    FUZZ_CHECK(!(measure.startsWith(QLatin1Char('-')) && readBack(measure, locale) == 0.0));

    // General: 15 significant digits at most, fixed or one-digit mantissa with "E".
    const bool fixed = shapes.fixed.match(general).hasMatch();
    const bool scientific = shapes.scientific.match(general).hasMatch();
    FUZZ_CHECK(fixed || scientific);
    QString digits = general;
    digits.truncate(digits.indexOf(QLatin1Char('E')) < 0 ? digits.size() : digits.indexOf(QLatin1Char('E')));
    digits.removeIf([](QChar c) { return !c.isDigit(); });
    while (digits.startsWith(QLatin1Char('0')))
        digits.remove(0, 1);
    FUZZ_CHECK(digits.size() <= 15);

    // Subnormals keep too few digits to compare relatively; the largest doubles round to 15
    // digits above the largest double and read back as an overflow.
    if (v != 0.0 && std::fabs(v) >= std::numeric_limits<double>::min() && std::fabs(v) <= 1e308) {
        const double back = readBack(general, locale);
        FUZZ_CHECK(std::fabs(back - v) <= 1e-14 * std::fabs(v));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1 + sizeof(double))
        return 0;
    const QLocale locale = data[0] & 2 ? QLocale(QLocale::Russian, QLocale::Russia) : QLocale::c();
    double v;
    memcpy(&v, data + 1, sizeof v);
    checkValue(v, locale);
    // Results are ratios and sums of values on the 1/9 .. 9 scale: cover that range densely too.
    checkValue(std::ldexp(v - std::trunc(v), -(data[0] >> 3)), locale);
    return 0;
}
