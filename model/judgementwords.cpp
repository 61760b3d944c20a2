#include "model/judgementwords.h"

#include "model/judgement.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>
#include <cmath>

namespace {

const char *const Context = "JudgementWords";

// One sentence per step of the scale, from 1 up to 9: the odd steps carry the scale's words, the
// even ones lie between their neighbours. Whole sentences, so that a translation can reorder them.
const char *const CriteriaSentences[] = {
    QT_TRANSLATE_NOOP("JudgementWords", "«%1» и «%2» — равная важность (%3)"),
    QT_TRANSLATE_NOOP("JudgementWords", "«%1» немного важнее, чем «%2» (%3)"),
    QT_TRANSLATE_NOOP("JudgementWords", "«%1» умеренно важнее, чем «%2» (%3)"),
    QT_TRANSLATE_NOOP("JudgementWords", "«%1» от умеренно до существенно важнее, чем «%2» (%3)"),
    QT_TRANSLATE_NOOP("JudgementWords", "«%1» существенно важнее, чем «%2» (%3)"),
    QT_TRANSLATE_NOOP("JudgementWords", "«%1» от существенно до значительно важнее, чем «%2» (%3)"),
    QT_TRANSLATE_NOOP("JudgementWords", "«%1» значительно важнее, чем «%2» (%3)"),
    QT_TRANSLATE_NOOP("JudgementWords", "«%1» от значительно до очень сильно важнее, чем «%2» (%3)"),
    QT_TRANSLATE_NOOP("JudgementWords", "«%1» очень сильно важнее, чем «%2» (%3)"),
};

const char *const AlternativesSentences[] = {
    QT_TRANSLATE_NOOP("JudgementWords", "«%1» и «%2» равноценны по критерию «%4» (%3)"),
    QT_TRANSLATE_NOOP("JudgementWords", "«%1» немного предпочтительнее, чем «%2», по критерию «%4» (%3)"),
    QT_TRANSLATE_NOOP("JudgementWords", "«%1» умеренно предпочтительнее, чем «%2», по критерию «%4» (%3)"),
    QT_TRANSLATE_NOOP("JudgementWords", "«%1» от умеренно до существенно предпочтительнее, чем «%2», по критерию «%4» (%3)"),
    QT_TRANSLATE_NOOP("JudgementWords", "«%1» существенно предпочтительнее, чем «%2», по критерию «%4» (%3)"),
    QT_TRANSLATE_NOOP("JudgementWords", "«%1» от существенно до значительно предпочтительнее, чем «%2», по критерию «%4» (%3)"),
    QT_TRANSLATE_NOOP("JudgementWords", "«%1» значительно предпочтительнее, чем «%2», по критерию «%4» (%3)"),
    QT_TRANSLATE_NOOP("JudgementWords", "«%1» от значительно до очень сильно предпочтительнее, чем «%2», по критерию «%4» (%3)"),
    QT_TRANSLATE_NOOP("JudgementWords", "«%1» очень сильно предпочтительнее, чем «%2», по критерию «%4» (%3)"),
};

struct Reading {
    bool shown = false;
    bool reversed = false;
    int step = 0;     // 0 for the value 1 … 8 for the value 9
    QString number;
};

// The step of a value of at least 1: an odd whole number is its own step, anything else the
// even step between the odd ones around it.
int stepOf(double value)
{
    // A third typed as 0,333333333333 means 3, not "between 3 and 5".
    const double v = std::round(value * 1e9) / 1e9;
    const double whole = std::floor(v);
    if (v == whole && int(whole) % 2 == 1)
        return int(whole) - 1;
    const int lowerOdd = int(whole) % 2 == 1 ? int(whole) : int(whole) - 1;
    return lowerOdd; // the even step after the odd value lowerOdd
}

Reading readCell(double value, const QString &cellText)
{
    Reading r;
    if (cellText.trimmed().isEmpty() || !std::isfinite(value) || value < MinJudgement || value > MaxJudgement)
        return r;
    r.shown = true;
    if (value >= 1.0) {
        r.step = stepOf(value);
        r.number = cellText;
        return r;
    }
    r.reversed = true;
    const double reciprocal = 1.0 / value;
    r.step = stepOf(std::min(reciprocal, MaxJudgement));
    if (cellText.startsWith(QLatin1String("1/")))
        r.number = cellText.mid(2);
    else
        r.number = QLocale().toString(reciprocal, 'g', 3);
    return r;
}

} // namespace

QString criteriaJudgementWords(const QString &rowName, const QString &columnName, double value,
                               const QString &cellText)
{
    const Reading r = readCell(value, cellText);
    if (!r.shown)
        return QString();
    return QCoreApplication::translate(Context, CriteriaSentences[r.step])
        .arg(r.reversed ? columnName : rowName, r.reversed ? rowName : columnName, r.number);
}

QString alternativesJudgementWords(const QString &rowName, const QString &columnName,
                                   const QString &criterionName, double value, const QString &cellText)
{
    const Reading r = readCell(value, cellText);
    if (!r.shown)
        return QString();
    return QCoreApplication::translate(Context, AlternativesSentences[r.step])
        .arg(r.reversed ? columnName : rowName, r.reversed ? rowName : columnName, r.number, criterionName);
}
