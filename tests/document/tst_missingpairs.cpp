// A decision that allows missing judgements: the setting in the document, the file and the
// history; every matrix computed from the pairs given; the group merge over the pairs given.

#include "document_helpers.h"

#include "document/decision.h"
#include "document/decisionfile.h"
#include "document/decisionresults.h"
#include "document/groupmerge.h"
#include "model/judgement.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

using namespace DocumentTest;

namespace {
// Both cells of the pair (i, j) emptied.
void leaveOut(DecisionDocument &document, int matrix, int i, int j)
{
    QList<QStringList> cells = matrixOf(document, matrix);
    cells[i][j] = cells[j][i] = QString();
    setMatrixOf(document, matrix, cells);
}

// Four criteria judged along a chain, 0 over 1 twice, 1 over 2 three times, 2 over 3 twice: the
// weights are 12 : 6 : 2 : 1 whatever the method, and the pairs left out 6, 12 and 6.
DecisionDocument chainDecision()
{
    DecisionDocument document = decision(4, 3);
    document.allowMissing = true;
    document.criteriaJudgements = reciprocalMatrix({{"2", "", ""}, {"3", ""}, {"2"}, {}});
    for (auto [i, j] : {std::pair{0, 2}, {0, 3}, {1, 3}})
        leaveOut(document, CriteriaMatrix, i, j);
    return document;
}
}

class TstMissingPairs : public QObject
{
    Q_OBJECT
private slots:
    void resultsOfAChain();
    void refusals_data();
    void refusals();
    void fileKeepsTheSetting_data();
    void fileKeepsTheSetting();
    void mergeOverThePairsGiven();
    void settingIsAStep();
};

void TstMissingPairs::resultsOfAChain()
{
    const DecisionComputation computation = computeDecision(chainDecision());
    QVERIFY(computation.results);
    const QJsonObject json = QJsonDocument::fromJson(resultsJson(*computation.results)).object();
    const QJsonObject criteria = json["criteria"].toObject();
    const double expected[] = {12.0 / 21, 6.0 / 21, 2.0 / 21, 1.0 / 21};
    for (int i = 0; i < 4; ++i)
        QVERIFY(qAbs(criteria["weights"].toArray()[i].toDouble() - expected[i]) < 1e-12);
    QCOMPARE(criteria["missing"].toInt(), 3);
    const QJsonArray estimated = criteria["estimated"].toArray();
    const double values[3][3] = {{0, 2, 6}, {0, 3, 12}, {1, 3, 6}};
    QCOMPARE(estimated.size(), 3);
    for (int k = 0; k < 3; ++k) {
        QCOMPARE(estimated[k].toArray()[0].toInt(), int(values[k][0]));
        QCOMPARE(estimated[k].toArray()[1].toInt(), int(values[k][1]));
        QVERIFY(qAbs(estimated[k].toArray()[2].toDouble() - values[k][2]) < 1e-12);
    }
    // Items 0 and 3 have one comparison each: the fewest.
    QCOMPARE(criteria["askNext"].toArray(), QJsonArray({0, 3}));
    QVERIFY(qAbs(criteria["cr"].toDouble()) < 1e-12);
    // A full matrix has nothing to ask, and every digit it had without the setting.
    QVERIFY(resultsJson(*computation.results).contains("\"missing\": 0, \"estimated\": []}"));
    const DecisionComputation off = computeDecision(decision(4, 3));
    QVERIFY(!resultsJson(*off.results).contains("missing"));
    QVERIFY(off.results->alternatives[0].weights == computation.results->alternatives[0].weights);
    QVERIFY(off.results->alternatives[0].lambdaMax == computation.results->alternatives[0].lambdaMax);
}

void TstMissingPairs::refusals_data()
{
    QTest::addColumn<bool>("allow");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("col");
    QTest::addColumn<QString>("cell");    // put into (row, col); its mirror is left as it is
    QTest::addColumn<QString>("message"); // the start of the failure's text

    // Criteria 0, 1 and 2, 3 judged, nothing between the two pairs.
    QTest::newRow("unlinked") << true << -1 << -1 << QString()
                              << QString("матрица критериев: Недостаточно сравнений: ни одна цепочка сравнений не связывает «Критерий «1»» с «Критерий «3»», «Критерий «4»»");
    QTest::newRow("half a pair") << true << 1 << 0 << "3" << JudgementEmptyMessage.text() + ": " + "матрица критериев";
    QTest::newRow("rejected") << true << 0 << 1 << "10" << JudgementTooLargeMessage.text();
    QTest::newRow("setting off") << false << -1 << -1 << QString() << JudgementEmptyMessage.text() + ": " + "матрица критериев";
}

void TstMissingPairs::refusals()
{
    QFETCH(bool, allow);
    QFETCH(int, row);
    QFETCH(int, col);
    QFETCH(QString, cell);
    QFETCH(QString, message);
    DecisionDocument document = decision(4, 3);
    document.allowMissing = allow;
    for (auto [i, j] : {std::pair{0, 2}, {0, 3}, {1, 2}, {1, 3}})
        leaveOut(document, CriteriaMatrix, i, j);
    if (row >= 0) {
        leaveOut(document, CriteriaMatrix, 0, 1);
        document.criteriaJudgements[row][col] = cell;
    }
    const DecisionComputation computation = computeDecision(document);
    QVERIFY(!computation.results);
    QVERIFY(computation.failure);
    QVERIFY2(failureText(*computation.failure).startsWith(message), qPrintable(failureText(*computation.failure)));
    QCOMPARE(computation.failure->unlinked.empty(), QTest::currentDataTag() != QByteArray("unlinked"));
}

void TstMissingPairs::fileKeepsTheSetting_data()
{
    QTest::addColumn<QByteArray>("member"); // put after "user"; empty for none
    QTest::addColumn<int>("read");          // 1 on, 0 off, -1 refused

    QTest::newRow("absent") << QByteArray() << 0;
    QTest::newRow("true") << QByteArray("\"allowMissing\": true,") << 1;
    QTest::newRow("false") << QByteArray("\"allowMissing\": false,") << 0;
    QTest::newRow("a number") << QByteArray("\"allowMissing\": 1,") << -1;
    QTest::newRow("a string") << QByteArray("\"allowMissing\": \"true\",") << -1;
}

void TstMissingPairs::fileKeepsTheSetting()
{
    QFETCH(QByteArray, member);
    QFETCH(int, read);
    QByteArray bytes = writeDecision(decision(3, 3));
    QVERIFY(!bytes.contains("allowMissing"));
    bytes.replace("\"criteria\":", member + "\"criteria\":");
    const DecisionReadResult result = readDecision(bytes);
    QCOMPARE(bool(result.document), read >= 0);
    if (read < 0) {
        QVERIFY(result.error.contains("allowMissing"));
        return;
    }
    QCOMPARE(result.document->allowMissing, read == 1);
    // Written again, the member is there only when on.
    const QByteArray again = writeDecision(*result.document);
    QCOMPARE(again.contains("  \"allowMissing\": true,\n"), read == 1);
    QCOMPARE(*readDecision(again).document, *result.document);
}

void TstMissingPairs::mergeOverThePairsGiven()
{
    DecisionDocument a = decision(4, 3);
    DecisionDocument b = a;
    a.allowMissing = true;
    a.criteriaJudgements = reciprocalMatrix({{"4", "2", "2"}, {"2", "2"}, {"2"}, {}});
    b.criteriaJudgements = reciprocalMatrix({{"9", "8", "2"}, {"2", "2"}, {"2"}, {}});
    leaveOut(a, CriteriaMatrix, 0, 1); // given by b alone
    leaveOut(a, CriteriaMatrix, 1, 3); // given by b alone
    MergeResult merged = mergeDecisions({{"a.ahp", a}, {"b.ahp", b}});
    QVERIFY2(merged.document, qPrintable(merged.error));
    QVERIFY(merged.document->allowMissing);
    QCOMPARE(merged.document->criteriaJudgements[0][1], QString("9"));
    QCOMPARE(merged.document->criteriaJudgements[1][0], QString("1/9"));
    QCOMPARE(merged.document->criteriaJudgements[0][2], QString("4"));

    b.allowMissing = true;
    leaveOut(b, CriteriaMatrix, 1, 3); // now missing everywhere
    merged = mergeDecisions({{"b.ahp", b}, {"a.ahp", a}});
    QVERIFY2(merged.document, qPrintable(merged.error));
    QVERIFY(merged.document->allowMissing);
    QCOMPARE(merged.document->criteriaJudgements[1][3], QString());
    QCOMPARE(merged.document->criteriaJudgements[3][1], QString());

    // A file without the setting still may not leave a pair out.
    b.allowMissing = false;
    merged = mergeDecisions({{"a.ahp", a}, {"b.ahp", b}});
    QVERIFY(!merged.document);
    QVERIFY(merged.error.startsWith("Файл «b.ahp»: " + JudgementEmptyMessage.text()));
}

void TstMissingPairs::settingIsAStep()
{
    Decision decision;
    int signals_ = 0;
    connect(&decision, &Decision::allowMissingChanged, this, [&signals_] { ++signals_; });
    decision.setAllowMissing(true);
    QVERIFY(decision.allowMissing());
    QVERIFY(decision.isModified());
    QVERIFY(decision.document().allowMissing);
    decision.setAllowMissing(true); // no change, no step
    QCOMPARE(decision.undoStack()->count(), 1);
    // A count change empties the judgements, not the setting.
    decision.setCounts(5, 4);
    QVERIFY(decision.allowMissing());
    decision.undo();
    decision.undo();
    QVERIFY(!decision.allowMissing());
    QVERIFY(!decision.isModified());
    QCOMPARE(signals_, 2);
    decision.redo();
    QVERIFY(decision.allowMissing());
}

QTEST_GUILESS_MAIN(TstMissingPairs)
#include "tst_missingpairs.moc"
