// A decision computed from a document: the first cell that keeps it from being computed is
// found in the window's order, and the file's "." reads under any locale.

#include "document_helpers.h"

#include "document/decisionresults.h"
#include "model/judgement.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QTest>

using namespace DocumentTest;

namespace {
struct Damage
{
    int matrix;
    int row;
    int col;
    QString text;
};
}
Q_DECLARE_METATYPE(QList<Damage>)

class TstDecisionResults : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }
    void firstFailure_data();
    void firstFailure();
    void fileDecimalsUnderAnyLocale_data();
    void fileDecimalsUnderAnyLocale();
    void json();
};

void TstDecisionResults::firstFailure_data()
{
    QTest::addColumn<QList<Damage>>("damage");
    QTest::addColumn<int>("matrix");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("col");
    QTest::addColumn<QString>("message");

    QTest::newRow("criteria before alternatives")
            << QList<Damage>{{0, 0, 1, ""}, {CriteriaMatrix, 2, 1, "0"}} << CriteriaMatrix << 2 << 1 << JudgementZeroMessage.text();
    QTest::newRow("row by row") << QList<Damage>{{CriteriaMatrix, 2, 0, "x"}, {CriteriaMatrix, 1, 3, "10"}}
                                << CriteriaMatrix << 1 << 3 << JudgementTooLargeMessage.text();
    QTest::newRow("lower criterion first") << QList<Damage>{{4, 0, 1, "1/10"}, {2, 3, 2, "1/"}}
                                           << 2 << 3 << 2 << JudgementInvalidMessage.text();
    QTest::newRow("too small") << QList<Damage>{{5, 1, 0, "1/10"}} << 5 << 1 << 0 << JudgementTooSmallMessage.text();
    QTest::newRow("a comma in the file") << QList<Damage>{{0, 2, 3, "1,5"}} << 0 << 2 << 3 << JudgementInvalidMessage.text();
}

void TstDecisionResults::firstFailure()
{
    QFETCH(QList<Damage>, damage);
    QFETCH(int, matrix);
    QFETCH(int, row);
    QFETCH(int, col);
    QFETCH(QString, message);
    DecisionDocument document = decision(6, 4);
    for (const Damage &d : damage) {
        if (d.matrix == CriteriaMatrix)
            document.criteriaJudgements[d.row][d.col] = d.text;
        else
            document.alternativesJudgements[d.matrix][d.row][d.col] = d.text;
    }
    const DecisionComputation computation = computeDecision(document);
    QVERIFY(!computation.results);
    QVERIFY(computation.failure);
    QCOMPARE(computation.failure->matrix, matrix);
    QCOMPARE(computation.failure->row, row);
    QCOMPARE(computation.failure->col, col);
    QCOMPARE(computation.failure->message, message);
    QVERIFY(failureText(*computation.failure).startsWith(message + ": " + describeCell(document, matrix, row, col)));
}

void TstDecisionResults::fileDecimalsUnderAnyLocale_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::newRow("C") << QLocale::c();
    QTest::newRow("Russian") << QLocale(QLocale::Russian, QLocale::Russia);
    QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany);
}

void TstDecisionResults::fileDecimalsUnderAnyLocale()
{
    QFETCH(QLocale, locale);
    const DecisionDocument document = decision(5, 3); // holds "2.5" and "1.25"
    QLocale::setDefault(QLocale::c());
    const DecisionComputation reference = computeDecision(document);
    QVERIFY(reference.results);
    QLocale::setDefault(locale);
    const DecisionComputation computation = computeDecision(document);
    QVERIFY(computation.results);
    QCOMPARE(computation.results->global, reference.results->global);
    QCOMPARE(computation.results->criteria.weights, reference.results->criteria.weights);
}

void TstDecisionResults::json()
{
    const DecisionComputation computation = computeDecision(decision(4, 3));
    QVERIFY(computation.results);
    const DecisionResults &results = *computation.results;
    const QByteArray bytes = resultsJson(results);
    QVERIFY(bytes.startsWith("{\"criteria\": {\"weights\": ["));
    QVERIFY(bytes.endsWith("}\n"));
    const QJsonObject json = QJsonDocument::fromJson(bytes).object();
    QCOMPARE(json.keys(), QStringList({"alternatives", "best", "criteria", "decision", "global", "leaves", "subcriteria"}));
    const QJsonObject criteria = json["criteria"].toObject();
    QCOMPARE(criteria.keys(), QStringList({"ci", "cr", "inconsistent", "lambdaMax", "ri", "weights"}));
    // Shortest round-trip form: every double reads back as itself, bit for bit.
    QVERIFY(criteria["lambdaMax"].toDouble() == results.criteria.lambdaMax);
    QVERIFY(criteria["ci"].toDouble() == results.criteria.ci);
    for (int j = 0; j < 3; ++j)
        QVERIFY(json["global"].toArray()[j].toDouble() == results.global[size_t(j)]);
    QCOMPARE(json["alternatives"].toArray().size(), 4);
    QCOMPARE(json["decision"].toString(), results.decision);
}

QTEST_GUILESS_MAIN(TstDecisionResults)
#include "tst_decisionresults.moc"
