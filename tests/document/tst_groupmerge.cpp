// A group's decision files merged into one. The expected texts were worked out apart from the
// program, with 50-digit decimals: g = exp(mean of ln values), rounded to 15 significant digits.

#include "document_helpers.h"

#include "document/decisionfile.h"
#include "document/groupmerge.h"
#include "model/judgement.h"

#include <QLocale>
#include <QTest>

using namespace DocumentTest;

namespace {

QString mirror(const QString &text)
{
    return text.startsWith(QLatin1String("1/")) ? text.mid(2) : QStringLiteral("1/") + text;
}

// Member k's 3 x 3 decision with `text` at criteria (0, 1) and alternatives of criterion 2 at
// (1, 2), mirrors reciprocal, every other judgement the same for all members.
DecisionDocument member(const QString &text)
{
    DecisionDocument document = decision(3, 3);
    document.criteriaJudgements[0][1] = text;
    document.criteriaJudgements[1][0] = mirror(text);
    document.alternativesJudgements[2][1][2] = text;
    document.alternativesJudgements[2][2][1] = mirror(text);
    return document;
}

QList<MergeInput> group(const QStringList &texts)
{
    QList<MergeInput> inputs;
    for (int k = 0; k < texts.size(); ++k)
        inputs.append({QStringLiteral("эксперт%1.ahp").arg(k + 1), member(texts.at(k))});
    return inputs;
}

} // namespace

class TstGroupMerge : public QObject
{
    Q_OBJECT
private slots:
    void mean_data();
    void mean();
    void sameJudgementsStay();
    void refused_data();
    void refused();
};

void TstGroupMerge::mean_data()
{
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QString>("upper"); // cell (i, j), i < j
    QTest::addColumn<QString>("lower"); // its mirror (j, i)
    QTest::newRow("2 and 8") << QStringList{"2", "8"} << "4" << "1/4";
    QTest::newRow("three experts") << QStringList{"3", "1/5", "7"} << "1.61342864602454" << "1/1.61342864602454";
    QTest::newRow("mean below one") << QStringList{"1/3", "1/2", "1.5"} << "1/1.5874010519682" << "1.5874010519682";
    QTest::newRow("all nine") << QStringList{"9", "9", "9"} << "9" << "1/9";
    QTest::newRow("all one ninth") << QStringList{"1/9", "1/9"} << "1/9" << "9";
    QTest::newRow("decimals") << QStringList{"2.5", "1/1.25", "4"} << "2" << "1/2";
    QTest::newRow("opposites") << QStringList{"9", "1/9"} << "1" << "1/1";
}

void TstGroupMerge::mean()
{
    QFETCH(QStringList, texts);
    QFETCH(QString, upper);
    QFETCH(QString, lower);
    const MergeResult result = mergeDecisions(group(texts));
    QVERIFY2(result.document, qPrintable(result.error));
    const DecisionDocument &merged = *result.document;
    QCOMPARE(merged.criteriaJudgements[0][1], upper);
    QCOMPARE(merged.criteriaJudgements[1][0], lower);
    QCOMPARE(merged.alternativesJudgements[2][1][2], upper);
    QCOMPARE(merged.alternativesJudgements[2][2][1], lower);
    // Every written judgement is on the scale, in the file's form and in a comma locale.
    for (const QString &text : {upper, lower}) {
        QVERIFY2(validateJudgement(text, QLocale::c()).valid, qPrintable(text));
        QVERIFY2(validateJudgement(fromFileText(text, QLatin1Char(',')), QLocale(QLocale::Russian)).valid, qPrintable(text));
    }
    QVERIFY(checkDecision(merged).isEmpty());
    QCOMPARE(merged.user, member(texts.first()).user);
    QCOMPARE(merged.criteria, member(texts.first()).criteria);
}

void TstGroupMerge::sameJudgementsStay()
{
    // Every member judging alike gives that very judgement back, as its own text or the
    // exact reciprocal's.
    const DecisionDocument one = decision(15, 10);
    const MergeResult result = mergeDecisions({{"a.ahp", one}, {"b.ahp", one}, {"c.ahp", one}});
    QVERIFY2(result.document, qPrintable(result.error));
    for (int c = -1; c < 15; ++c) {
        const QList<QStringList> mine = c < 0 ? one.criteriaJudgements : one.alternativesJudgements[c];
        const QList<QStringList> merged = c < 0 ? result.document->criteriaJudgements : result.document->alternativesJudgements[c];
        for (int i = 0; i < mine.size(); ++i)
            for (int j = 0; j < mine.size(); ++j)
                QCOMPARE(validateJudgement(merged[i][j], QLocale::c()).value, validateJudgement(mine[i][j], QLocale::c()).value);
    }
}

void TstGroupMerge::refused_data()
{
    QTest::addColumn<QList<MergeInput>>("inputs");
    QTest::addColumn<QString>("message");

    QList<MergeInput> renamed = group({"3", "5"});
    renamed[1].document.criteria[2] = QStringLiteral("Цвет");
    QTest::newRow("criterion renamed") << renamed
            << "Файл «эксперт2.ahp»: другие критерии, чем в «эксперт1.ahp»: 3-е: «Цвет» вместо «Критерий «3»»";

    QList<MergeInput> reordered = group({"3", "5", "7"});
    reordered[2].document.alternatives.swapItemsAt(0, 1);
    QTest::newRow("alternatives reordered") << reordered
            << "Файл «эксперт3.ahp»: другие альтернативы, чем в «эксперт1.ahp»: 1-е: «Вариант 2» вместо «Вариант 1»";

    QList<MergeInput> counts = group({"3"});
    counts.append({QStringLiteral("большой.ahp"), decision(4, 3)});
    QTest::newRow("more criteria") << counts << "Файл «большой.ahp»: критериев 4, а в «эксперт1.ahp» их 3";

    QList<MergeInput> alternatives = group({"3"});
    alternatives.append({QStringLiteral("другой.ahp"), decision(3, 5)});
    QTest::newRow("more alternatives") << alternatives << "Файл «другой.ahp»: альтернатив 5, а в «эксперт1.ahp» их 3";

    QTest::newRow("empty cell") << group({"3", ""})
            << "Файл «эксперт2.ahp»: Ячейка должна быть заполнена («»): матрица критериев, строка 1 («Критерий «1»»), столбец 2 («Критерий «2»»)";

    QList<MergeInput> rejectedMirror = group({"3", "5"});
    rejectedMirror[0].document.alternativesJudgements[1][2][0] = QStringLiteral("12");
    QTest::newRow("rejected mirror") << rejectedMirror
            << "Файл «эксперт1.ahp»: Значение ячейки не должно быть больше 9 («12»): матрица альтернатив для критерия 2 («Критерий «2»»), строка 3 («Вариант 3»), столбец 1 («Вариант 1»)";

    QList<MergeInput> localeComma = group({"3", "5"});
    localeComma[1].document.criteriaJudgements[2][1] = QStringLiteral("1,5");
    QTest::newRow("comma in the file") << localeComma << "Файл «эксперт2.ahp»: Ячейка содержит неверное значение («1,5»)";

    QTest::newRow("one file") << group({"3"}) << "Для объединения нужно не меньше двух файлов решений";
}

void TstGroupMerge::refused()
{
    QFETCH(QList<MergeInput>, inputs);
    QFETCH(QString, message);
    const MergeResult result = mergeDecisions(inputs);
    QVERIFY(!result.document);
    QVERIFY2(result.error.startsWith(message), qPrintable(result.error));
}

QTEST_GUILESS_MAIN(TstGroupMerge)
#include "tst_groupmerge.moc"
