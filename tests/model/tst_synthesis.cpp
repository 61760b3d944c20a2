#include "model/decisionmodel.h"
#include "model/numberformat.h"
#include "model/synthesis.h"

#include <QLocale>
#include <QStringList>
#include <QTest>

#include <cmath>

using Vector = std::vector<double>;
using Matrix = std::vector<std::vector<double>>;
Q_DECLARE_METATYPE(Vector)
Q_DECLARE_METATYPE(Matrix)

namespace {

QString sentence(const QString &tail)
{
    return QStringLiteral("Для Вашей задачи наиболее оптимальна ") + tail;
}

} // namespace

class TstSynthesis : public QObject
{
    Q_OBJECT

private slots:
    void globalPriorities_data();
    void globalPriorities();
    void fromModel();
    void decision_data();
    void decision();
};

void TstSynthesis::globalPriorities_data()
{
    QTest::addColumn<Vector>("weights");
    QTest::addColumn<Matrix>("locals"); // [criterion][alternative]
    QTest::addColumn<QStringList>("shown");

    QTest::newRow("three by three")
            << Vector{0.5, 0.3, 0.2}
            << Matrix{{0.6, 0.3, 0.1}, {0.2, 0.5, 0.3}, {0.1, 0.1, 0.8}}
            << QStringList{"0.38", "0.32", "0.3"};
    QTest::newRow("one criterion decides")
            << Vector{0.0, 1.0, 0.0}
            << Matrix{{0.6, 0.3, 0.1}, {0.2, 0.5, 0.3}, {0.1, 0.1, 0.8}}
            << QStringList{"0.2", "0.5", "0.3"};
    QTest::newRow("four criteria, three alternatives")
            << Vector{0.4, 0.3, 0.2, 0.1}
            << Matrix{{0.5, 0.25, 0.25}, {0.1, 0.1, 0.8}, {1.0, 0.0, 0.0}, {0.2, 0.4, 0.4}}
            << QStringList{"0.45", "0.17", "0.38"};
    QTest::newRow("missing criterion counts as nothing")
            << Vector{0.5, 0.5, 0.25}
            << Matrix{{0.6, 0.3, 0.1}, {0.2, 0.5, 0.3}}
            << QStringList{"0.4", "0.4", "0.2"};
}

void TstSynthesis::globalPriorities()
{
    QFETCH(Vector, weights);
    QFETCH(Matrix, locals);
    QFETCH(QStringList, shown);

    QStringList texts;
    for (int j = 0; j < shown.size(); ++j) {
        const double p = computeGlobalPriority(int(weights.size()), j, weights, locals);
        texts << formatMeasure(p, QLocale::c());
    }
    QCOMPARE(texts, shown);
    QCOMPARE(computeGlobalPriority(int(weights.size()), int(shown.size()), weights, locals), 0.0);
    QCOMPARE(computeGlobalPriority(int(weights.size()), -1, weights, locals), 0.0);
}

// The model keeps local priorities in column m of each criterion's slot, alternative j in
// row j; everything else in the slot must not count.
void TstSynthesis::fromModel()
{
    const Vector weights{0.5, 0.3, 0.2};
    const Matrix locals{{0.6, 0.3, 0.1}, {0.2, 0.5, 0.3}, {0.1, 0.1, 0.8}};
    const int n = 3;
    const int m = 3;

    DecisionModel model;
    for (int i = 0; i < n; ++i) {
        model.CriterionWeight.set(i, weights[std::size_t(i)]);
        for (int j = 0; j < m; ++j) {
            model.AltMatrixValue.set(i, m, j, locals[std::size_t(i)][std::size_t(j)]);
            model.AltMatrixValue.set(i, j, m, 7.0); // a row that is not an alternative
            model.AltMatrixValue.set(i, j, j, 1.0);
            model.AltMatrixValue.set(i, m + 1, j, 5.0);
        }
        model.AltMatrixValue.set(i, ResultColumn, 0, 0.58);
    }
    // A criterion beyond n with a weight must not count either.
    model.CriterionWeight.set(n, 1.0);
    model.AltMatrixValue.set(n, m, 0, 1.0);

    const std::vector<double> priorities = computeGlobalPriorities(model, n, m);
    QCOMPARE(int(priorities.size()), m);
    for (int j = 0; j < m; ++j) {
        QCOMPARE(computeGlobalPriority(model, n, j, m), priorities[std::size_t(j)]);
        QCOMPARE(priorities[std::size_t(j)], computeGlobalPriority(n, j, weights, locals));
    }
    QCOMPARE(decisionSentence(priorities, {"Дом", "Дача", "Квартира"}),
             sentence("альтернатива A -'Дом'"));
}

// Every alternative whose priority equals the best one exactly, in letter order.
void TstSynthesis::decision_data()
{
    QTest::addColumn<Vector>("priorities");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("text");

    const QStringList abc{"Name1", "Name2", "Name3"};
    const double p = 0.4;

    QTest::newRow("one best, the second")
            << Vector{0.3, 0.45, 0.25} << abc << sentence("альтернатива B -'Name2'");
    QTest::newRow("first best")
            << Vector{0.5, 0.3, 0.2} << abc << sentence("альтернатива A -'Name1'");
    QTest::newRow("last best")
            << Vector{0.2, 0.3, 0.5} << abc << sentence("альтернатива C -'Name3'");
    QTest::newRow("first and third tie")
            << Vector{p, 0.2, p} << abc
            << sentence("альтернатива A -'Name1' или альтернатива C -'Name3'");
    QTest::newRow("tie behind a smaller first")
            << Vector{0.1, 0.45, 0.45} << abc
            << sentence("альтернатива B -'Name2' или альтернатива C -'Name3'");
    QTest::newRow("all tied")
            << Vector{1.0 / 3, 1.0 / 3, 1.0 / 3} << abc
            << sentence("альтернатива A -'Name1' или альтернатива B -'Name2' или альтернатива C -'Name3'");
    QTest::newRow("last bit above is not a tie")
            << Vector{p, std::nextafter(p, 1.0), 0.2} << abc << sentence("альтернатива B -'Name2'");
    QTest::newRow("last bit below is not a tie")
            << Vector{p, std::nextafter(p, 0.0), 0.2} << abc << sentence("альтернатива A -'Name1'");
    QTest::newRow("apostrophe in a name")
            << Vector{0.2, 0.5, 0.3} << QStringList{"a", "Dunkin' Donuts", "c"}
            << sentence("альтернатива B -'Dunkin' Donuts'");
    QTest::newRow("name ending like the joint")
            << Vector{0.5, 0.3, 0.2} << QStringList{"Чай или ", "b", "c"}
            << sentence("альтернатива A -'Чай или '");
    QTest::newRow("ten alternatives, the last best")
            << Vector{0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 0.05, 0.05, 0.2}
            << QStringList{"1", "2", "3", "4", "5", "6", "7", "8", "9", "Десятая"}
            << sentence("альтернатива J -'Десятая'");
    QTest::newRow("name missing")
            << Vector{0.2, 0.3, 0.5} << QStringList{"a", "b"} << sentence("альтернатива C -''");
    QTest::newRow("no alternatives") << Vector{} << abc << QString();
}

void TstSynthesis::decision()
{
    QFETCH(Vector, priorities);
    QFETCH(QStringList, names);
    QFETCH(QString, text);

    const QString result = decisionSentence(priorities, names);
    QCOMPARE(result, text);
    QVERIFY(!result.endsWith(QStringLiteral(" или ")));
}

QTEST_GUILESS_MAIN(TstSynthesis)
#include "tst_synthesis.moc"
