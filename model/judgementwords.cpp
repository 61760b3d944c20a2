#include "model/judgementwords.h"

#include "model/judgement.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>
#include <cmath>
#include <iterator>

namespace {

const char *const Context = "JudgementWords";

// The scale's words, for the values 1 to 9: the odd values carry the scale's own words, the even
// ones lie between their neighbours. The read-out under the grids and the help's scale table say
// these same words.
const char *const ScaleWords[] = {
    QT_TRANSLATE_NOOP("JudgementWords", "равная важность"),
    QT_TRANSLATE_NOOP("JudgementWords", "немного"),
    QT_TRANSLATE_NOOP("JudgementWords", "умеренно"),
    QT_TRANSLATE_NOOP("JudgementWords", "от умеренно до существенно"),
    QT_TRANSLATE_NOOP("JudgementWords", "существенно"),
    QT_TRANSLATE_NOOP("JudgementWords", "от существенно до значительно"),
    QT_TRANSLATE_NOOP("JudgementWords", "значительно"),
    QT_TRANSLATE_NOOP("JudgementWords", "от значительно до очень сильно"),
    QT_TRANSLATE_NOOP("JudgementWords", "очень сильно"),
};

// Whole sentences around the words, so that a translation can reorder them.
const char CriteriaEqualSentence[] = QT_TRANSLATE_NOOP("JudgementWords", "«%1» и «%2» — %3 (%4)");
const char CriteriaSentence[] = QT_TRANSLATE_NOOP("JudgementWords", "«%1» %3 важнее, чем «%2» (%4)");
const char SubcriteriaEqualSentence[] = QT_TRANSLATE_NOOP("JudgementWords", "«%1» и «%2» — %3 в группе «%5» (%4)");
const char SubcriteriaSentence[] = QT_TRANSLATE_NOOP("JudgementWords", "«%1» %3 важнее, чем «%2», в группе «%5» (%4)");
const char AlternativesEqualSentence[] = QT_TRANSLATE_NOOP("JudgementWords", "«%1» и «%2» равноценны по критерию «%4» (%3)");
const char AlternativesSentence[] =
    QT_TRANSLATE_NOOP("JudgementWords", "«%1» %3 предпочтительнее, чем «%2», по критерию «%5» (%4)");

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

QString scaleWords(int value)
{
    if (value < 1 || value > int(std::size(ScaleWords)))
        return QString();
    return QCoreApplication::translate(Context, ScaleWords[value - 1]);
}

QString criteriaJudgementWords(const QString &rowName, const QString &columnName, double value,
                               const QString &cellText)
{
    const Reading r = readCell(value, cellText);
    if (!r.shown)
        return QString();
    const QString first = r.reversed ? columnName : rowName;
    const QString second = r.reversed ? rowName : columnName;
    const char *sentence = r.step == 0 ? CriteriaEqualSentence : CriteriaSentence;
    return QCoreApplication::translate(Context, sentence).arg(first, second, scaleWords(r.step + 1), r.number);
}

QString subcriteriaJudgementWords(const QString &rowName, const QString &columnName, const QString &groupPath,
                                  double value, const QString &cellText)
{
    const Reading r = readCell(value, cellText);
    if (!r.shown)
        return QString();
    const QString first = r.reversed ? columnName : rowName;
    const QString second = r.reversed ? rowName : columnName;
    const char *sentence = r.step == 0 ? SubcriteriaEqualSentence : SubcriteriaSentence;
    return QCoreApplication::translate(Context, sentence).arg(first, second, scaleWords(r.step + 1), r.number, groupPath);
}

QString alternativesJudgementWords(const QString &rowName, const QString &columnName,
                                   const QString &criterionName, double value, const QString &cellText)
{
    const Reading r = readCell(value, cellText);
    if (!r.shown)
        return QString();
    const QString first = r.reversed ? columnName : rowName;
    const QString second = r.reversed ? rowName : columnName;
    if (r.step == 0)
        return QCoreApplication::translate(Context, AlternativesEqualSentence).arg(first, second, r.number, criterionName);
    return QCoreApplication::translate(Context, AlternativesSentence)
        .arg(first, second, scaleWords(r.step + 1), r.number, criterionName);
}
