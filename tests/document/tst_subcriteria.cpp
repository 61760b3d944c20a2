// Decisions whose criteria have sub-criteria: computed, saved, read, refused, edited and merged.

#include "document_helpers.h"

#include "document/decision.h"
#include "document/decisionfile.h"
#include "document/decisionresults.h"
#include "document/groupmerge.h"
#include "model/synthesis.h"
#include "model/treesensitivity.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include <cmath>
#include <functional>

Q_DECLARE_METATYPE(DecisionDocument)

using namespace DocumentTest;

namespace {

QList<QStringList> upper(const QList<QStringList> &rows)
{
    return reciprocalMatrix(rows);
}

CriterionNode leaf(const QString &name)
{
    return CriterionNode{name, {}, {}};
}

// Цена; Качество › (Сборка, Материалы); Безопасность › (Активная › (Подушки, Тормоза), Пассивная,
// Рейтинг). Consistent matrices, so that every weight is a fraction worked out by hand:
// top 1/2, 1/4, 1/4; Качество 3/4, 1/4; Безопасность 1/2, 1/4, 1/4; Активная 1/2, 1/2.
DecisionDocument handWorked()
{
    DecisionDocument document;
    document.user = QStringLiteral("Петров");
    document.criteria = QStringList{"Цена", "Качество", "Безопасность"};
    document.alternatives = QStringList{"Седан", "Кроссовер", "Хэтчбек"};
    document.criteriaJudgements = upper({{"2", "2"}, {"1"}, {}});
    CriterionNode active{"Активная", {leaf("Подушки"), leaf("Тормоза")}, upper({{"1"}, {}})};
    document.subcriteria = {SubcriteriaSet(),
                            SubcriteriaSet{{leaf("Сборка"), leaf("Материалы")}, upper({{"3"}, {}})},
                            SubcriteriaSet{{active, leaf("Пассивная"), leaf("Рейтинг")}, upper({{"2", "2"}, {"1"}, {}})}};
    // Цена favours the first alternative (1/2, 1/4, 1/4); under every other leaf they are equal.
    document.alternativesJudgements << upper({{"2", "2"}, {"1"}, {}});
    for (int leaf = 1; leaf < 7; ++leaf)
        document.alternativesJudgements << upper({{"1", "1"}, {"1"}, {}});
    return document;
}

QJsonObject jsonOf(const DecisionDocument &document)
{
    return QJsonDocument::fromJson(writeDecision(document)).object();
}

QByteArray bytesOf(const QJsonObject &object)
{
    return QJsonDocument(object).toJson();
}

// The hand-worked file with the second top criterion (the object of Качество) changed.
QByteArray withQuality(const std::function<void(QJsonObject &)> &change)
{
    QJsonObject root = jsonOf(handWorked());
    QJsonArray criteria = root.value("criteria").toArray();
    QJsonObject quality = criteria.at(1).toObject();
    change(quality);
    criteria.replace(1, quality);
    root.insert("criteria", criteria);
    return bytesOf(root);
}

// A criterion with `count` leaves as sub-criteria, its matrix all ones.
CriterionNode split(const QString &name, int count)
{
    CriterionNode node{name, {}, {}};
    for (int i = 0; i < count; ++i)
        node.subcriteria << leaf(QStringLiteral("%1.%2").arg(name).arg(i + 1));
    node.judgements = emptyJudgements(count);
    for (QStringList &row : node.judgements)
        row.fill(QStringLiteral("1"));
    return node;
}

DecisionDocument withTree(const Hierarchy &tree)
{
    DecisionDocument document = handWorked();
    document.setHierarchy(tree);
    document.alternativesJudgements.clear();
    for (int c = 0; c < tree.leafCount(); ++c)
        document.alternativesJudgements << upper({{"1", "1"}, {"1"}, {}});
    return document;
}

} // namespace

class TstSubcriteria : public QObject
{
    Q_OBJECT
private slots:
    void handWorkedResult();
    void flatIsTodaysArithmetic();
    void judgementProblems_data();
    void judgementProblems();
    void resultsJsonNamesTheTree();
    void roundTrip();
    void refused_data();
    void refused();
    void notSavedOutsideLimits();
    void editsAreUndoable();
    void editsRefusedOutsideLimits();
    void merged();
    void mergeNeedsTheSameTree();
    void sensitivityUnmovedIsTheResult();
};

void TstSubcriteria::handWorkedResult()
{
    const DecisionComputation computation = computeDecision(handWorked());
    QVERIFY(computation.results);
    const DecisionResults &results = *computation.results;
    const std::vector<double> expected{0.5, 0.1875, 0.0625, 0.0625, 0.0625, 0.0625, 0.0625};
    const QStringList names{"Цена", "Сборка", "Материалы", "Подушки", "Тормоза", "Пассивная", "Рейтинг"};
    QCOMPARE(results.leaves.size(), expected.size());
    double sum = 0.0;
    for (size_t c = 0; c < expected.size(); ++c) {
        QVERIFY2(std::fabs(results.leaves[c].weight - expected[c]) < 1e-12, qPrintable(names.at(int(c))));
        QCOMPARE(results.leaves[c].name, names.at(int(c)));
        sum += results.leaves[c].weight;
    }
    QVERIFY(std::fabs(sum - 1.0) < 1e-12);
    QCOMPARE(results.leaves[3].path, CriterionPath({2, 0, 0}));
    QCOMPARE(results.subcriteria.size(), size_t(3));
    QCOMPARE(results.subcriteria[2].path, CriterionPath({2, 0}));
    QCOMPARE(results.subcriteria[2].name, QStringLiteral("Активная"));
    // An order-2 matrix has no random index and is never inconsistent.
    QCOMPARE(results.subcriteria[0].matrix.ri, 0.0);
    QCOMPARE(results.subcriteria[0].matrix.cr, 0.0);
    QVERIFY(!results.subcriteria[0].matrix.inconsistent);
    QCOMPARE(results.alternatives.size(), size_t(7));
    // 1/2 · 1/2 + 1/2 · 1/3, and 1/2 · 1/4 + 1/2 · 1/3 for the others.
    QVERIFY(std::fabs(results.global[0] - 5.0 / 12) < 1e-12);
    QVERIFY(std::fabs(results.global[1] - 7.0 / 24) < 1e-12);
    QCOMPARE(results.best, std::vector<int>({0}));
    QCOMPARE(results.decision, QStringLiteral("Для Вашей задачи наиболее оптимальна альтернатива A -'Седан'"));
}

void TstSubcriteria::flatIsTodaysArithmetic()
{
    for (int n : {3, 7, 15}) {
        const DecisionDocument document = decision(n, 10);
        const DecisionComputation computation = computeDecision(document);
        QVERIFY(computation.results);
        const DecisionResults &results = *computation.results;
        QVERIFY(results.subcriteria.empty());
        std::vector<std::vector<double>> locals;
        for (const PriorityResult &alternatives : results.alternatives)
            locals.push_back(alternatives.weights);
        QCOMPARE(results.leaves.size(), size_t(n));
        for (int i = 0; i < n; ++i) {
            QCOMPARE(results.leaves[size_t(i)].path, CriterionPath({i}));
            QCOMPARE(results.leaves[size_t(i)].name, document.criteria.at(i));
            QVERIFY(results.leaves[size_t(i)].weight == results.criteria.weights[size_t(i)]);
        }
        for (int j = 0; j < 10; ++j)
            QVERIFY(results.global[size_t(j)] == computeGlobalPriority(n, j, results.criteria.weights, locals));
    }
}

void TstSubcriteria::judgementProblems_data()
{
    QTest::addColumn<DecisionDocument>("document");
    QTest::addColumn<int>("matrix");
    QTest::addColumn<QString>("text");

    DecisionDocument empty = handWorked();
    empty.subcriteria[2].criteria[0].judgements[0][1] = QString();
    // Sub-criteria come before the alternatives: the broken leaf matrix is not the one named.
    empty.alternativesJudgements[0][0][1] = QString();
    QTest::newRow("empty, third level")
            << empty << subcriteriaMatrix(2)
            << "Ячейка должна быть заполнена: матрица подкритериев «Безопасность › Активная», "
               "строка 1 («Подушки»), столбец 2 («Тормоза») (в ячейке «»)";
    DecisionDocument rejected = handWorked();
    rejected.subcriteria[1].judgements[1][0] = QStringLiteral("12");
    QTest::newRow("rejected, second level")
            << rejected << subcriteriaMatrix(0)
            << "Значение ячейки не должно быть больше 9: матрица подкритериев «Качество», "
               "строка 2 («Материалы»), столбец 1 («Сборка») (в ячейке «12»)";
    DecisionDocument leafCell = handWorked();
    leafCell.alternativesJudgements[4][2][0] = QString();
    QTest::newRow("leaf by its path")
            << leafCell << 4
            << "Ячейка должна быть заполнена: матрица альтернатив для критерия 5 («Безопасность › Активная › Тормоза»), "
               "строка 3 («Хэтчбек»), столбец 1 («Седан») (в ячейке «»)";
}

void TstSubcriteria::judgementProblems()
{
    QFETCH(DecisionDocument, document);
    QFETCH(int, matrix);
    QFETCH(QString, text);
    const DecisionComputation computation = computeDecision(document);
    QVERIFY(!computation.results);
    QVERIFY(computation.failure);
    QCOMPARE(computation.failure->matrix, matrix);
    QCOMPARE(failureText(*computation.failure), text);
}

void TstSubcriteria::resultsJsonNamesTheTree()
{
    const DecisionResults results = *computeDecision(handWorked()).results;
    const QJsonObject json = QJsonDocument::fromJson(resultsJson(results)).object();
    const QJsonObject active = json["subcriteria"].toArray()[2].toObject();
    QCOMPARE(active["path"].toArray(), QJsonArray({2, 0}));
    QCOMPARE(active["name"].toString(), QStringLiteral("Активная"));
    const QJsonArray leaves = json["leaves"].toArray();
    QCOMPARE(leaves.size(), 7);
    QCOMPARE(leaves[4].toObject()["path"].toArray(), QJsonArray({2, 0, 1}));
    QVERIFY(leaves[4].toObject()["weight"].toDouble() == results.leaves[4].weight);
    QCOMPARE(json["alternatives"].toArray().size(), 7);

    const DecisionResults flat = *computeDecision(decision(4, 3)).results;
    const QJsonObject flatJson = QJsonDocument::fromJson(resultsJson(flat)).object();
    QCOMPARE(flatJson["subcriteria"].toArray(), QJsonArray());
    QCOMPARE(flatJson["leaves"].toArray()[3].toObject()["path"].toArray(), QJsonArray({3}));
    QVERIFY(flatJson["leaves"].toArray()[3].toObject()["weight"].toDouble() == flat.criteria.weights[3]);
}

void TstSubcriteria::roundTrip()
{
    const DecisionDocument document = handWorked();
    const QByteArray bytes = writeDecision(document);
    QVERIFY(bytes.contains("\"version\": 2,"));
    QVERIFY(bytes.contains("\"name\": \"Безопасность\""));
    const DecisionReadResult read = readDecision(bytes);
    QVERIFY2(read.document, qPrintable(read.error));
    QVERIFY(*read.document == document);
    QCOMPARE(writeDecision(*read.document), bytes);
    // Without sub-criteria it stays a file that earlier copies of the program open.
    DecisionDocument flat = document;
    flat.setHierarchy(Hierarchy::flat(document.criteria, document.criteriaJudgements));
    flat.alternativesJudgements = flat.alternativesJudgements.mid(0, 3);
    QVERIFY(writeDecision(flat).contains("\"version\": 1,"));
    QVERIFY(readDecision(writeDecision(flat)).document == flat);
}

void TstSubcriteria::refused_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");

    QJsonObject versionOne = jsonOf(handWorked());
    versionOne.insert("version", 1);
    QTest::newRow("version 1 with an object") << bytesOf(versionOne)
                                              << "Подкритерии есть только в файлах версии 2, а в этом файле версии 1 критерий 2 — объект";
    QTest::newRow("one sub-criterion") << withQuality([](QJsonObject &o) { o.insert("criteria", QJsonArray{"Сборка"}); })
                                       << "критерий 2 («Качество»): подкритериев 1, а должно быть от 2 до 15";
    QTest::newRow("sixteen") << withQuality([](QJsonObject &o) {
        QJsonArray names;
        for (int i = 0; i < 16; ++i)
            names << QString::number(i);
        o.insert("criteria", names);
    }) << "критерий 2 («Качество»): подкритериев 16, а должно быть от 2 до 15";
    QTest::newRow("no name") << withQuality([](QJsonObject &o) { o.remove("name"); })
                             << "критерий 2 («»): нет названия («name»)";
    QTest::newRow("name a number") << withQuality([](QJsonObject &o) { o.insert("name", 5); })
                                   << "критерий 2 («»): название («name») не является строкой";
    QTest::newRow("sub-criterion a number") << withQuality([](QJsonObject &o) { o.insert("criteria", QJsonArray{"Сборка", 5}); })
                                            << "критерий 2.2 («Качество › »): не является ни строкой, ни объектом";
    QTest::newRow("no matrix") << withQuality([](QJsonObject &o) { o.remove("criteriaJudgements"); })
                               << "критерий 2 («Качество»): нет матрицы подкритериев («criteriaJudgements»)";
    QTest::newRow("matrix of order 3") << withQuality([](QJsonObject &o) {
        o.insert("criteriaJudgements", QJsonArray{QJsonArray{"1", "1", "1"}, QJsonArray{"1", "1", "1"}, QJsonArray{"1", "1", "1"}});
    }) << "матрица подкритериев «Качество»: строк 3, а должно быть 2";
    QTest::newRow("diagonal") << withQuality([](QJsonObject &o) {
        o.insert("criteriaJudgements", QJsonArray{QJsonArray{"1", "3"}, QJsonArray{"1/3", "2"}});
    }) << "На диагонали должна стоять «1», а стоит «2»: матрица подкритериев «Качество», строка 2 («Материалы»), столбец 2 («Материалы»)";
    QTest::newRow("cell a number") << withQuality([](QJsonObject &o) {
        o.insert("criteriaJudgements", QJsonArray{QJsonArray{"1", 3}, QJsonArray{"1/3", "1"}});
    }) << "Ячейка не является строкой: матрица подкритериев «Качество», строка 1 («Сборка»), столбец 2 («Материалы»)";

    // Five levels: a chain of criteria split in two, one under the other.
    CriterionNode deep = split("L5", 2);
    for (int level = 4; level >= 1; --level) {
        CriterionNode above = split(QStringLiteral("L%1").arg(level), 2);
        above.subcriteria[0] = deep;
        deep = above;
    }
    Hierarchy tooDeep = handWorked().hierarchy();
    tooDeep.criteria[1].subcriteria = deep.subcriteria;
    tooDeep.criteria[1].judgements = deep.judgements;
    QTest::newRow("five levels") << writeDecision(withTree(tooDeep))
                                 << "критерий 2.1.1.1 («Качество › L2 › L3 › L4»): уровней критериев больше 4";
    Hierarchy tooWide = handWorked().hierarchy();
    for (int i = 0; i < 3; ++i)
        tooWide.criteria[i] = split(QStringLiteral("T%1").arg(i + 1), 15);
    tooWide.criteria[0].subcriteria[0] = split("T1.1", 7);
    QTest::newRow("51 leaves") << writeDecision(withTree(tooWide))
                               << "Критериев без подкритериев 51, а должно быть не больше 50";
    DecisionDocument fewer = handWorked();
    fewer.alternativesJudgements.removeLast();
    QTest::newRow("a leaf matrix short") << writeDecision(fewer)
                                         << "Матриц альтернатив 6, а должно быть 7: по одной на критерий без подкритериев";
    DecisionDocument more = handWorked();
    more.alternativesJudgements << more.alternativesJudgements.last();
    QTest::newRow("a leaf matrix more") << writeDecision(more)
                                        << "Матриц альтернатив 8, а должно быть 7: по одной на критерий без подкритериев";
}

void TstSubcriteria::refused()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    const DecisionReadResult result = readDecision(bytes);
    QVERIFY(!result.document);
    QVERIFY2(result.error.contains(message), qPrintable(result.error));
}

void TstSubcriteria::notSavedOutsideLimits()
{
    Hierarchy tree = handWorked().hierarchy();
    tree.criteria[1].subcriteria.removeLast();
    tree.criteria[1].judgements = emptyJudgements(1);
    const QString problem = checkDecision(withTree(tree));
    QCOMPARE(problem, QStringLiteral("критерий 2 («Качество»): подкритериев 1, а должно быть от 2 до 15"));
    QString error;
    QVERIFY(!saveDecisionFile(QStringLiteral("/nonexistent/never.ahp"), withTree(tree), &error));
    QVERIFY2(error.contains(problem), qPrintable(error));
}

void TstSubcriteria::editsAreUndoable()
{
    Decision d;
    d.load(handWorked());
    const DecisionDocument start = d.document();

    // A leaf split: its own alternatives judgements go, the new leaves start empty.
    QVERIFY(d.setSubcriteria({0}, {"Покупка", "Содержание"}));
    QCOMPARE(d.leafCount(), 8);
    QCOMPARE(d.document().alternativesJudgements.size(), 8);
    QCOMPARE(d.judgements(0), emptyJudgements(3));
    QCOMPARE(d.judgements(2), start.alternativesJudgements.at(1)); // Сборка kept its judgements
    QCOMPARE(d.undoText(), QStringLiteral("подкритерии «Цена»"));
    QCOMPARE(checkDecision(d.document()), QString());

    // The new matrix is the first in depth-first order.
    d.setJudgements(subcriteriaMatrix(0), {{0, 1, "5"}, {1, 0, "1/5"}});
    QCOMPARE(d.judgement(subcriteriaMatrix(0), 1, 0), QStringLiteral("1/5"));
    QCOMPARE(d.undoText(), QStringLiteral("суждение «Покупка» : «Содержание»"));
    d.setSubcriterionName({0, 1}, "Ремонт");
    QCOMPARE(d.hierarchy().pathText({0, 1}), QStringLiteral("Цена › Ремонт"));
    QCOMPARE(d.undoText(), QStringLiteral("название подкритерия «Цена › Ремонт»"));

    // Growing a list keeps the judgements among the sub-criteria that stay.
    QVERIFY(d.setSubcriteria({0}, {"Покупка", "Ремонт", "Страховка"}));
    QCOMPARE(d.judgement(subcriteriaMatrix(0), 0, 1), QStringLiteral("5"));
    QCOMPARE(d.judgement(subcriteriaMatrix(0), 0, 2), QString());
    QVERIFY(d.removeSubcriteria({2, 0}));
    QCOMPARE(d.leafCount(), 8);
    QCOMPARE(d.undoStack()->count(), 5);

    for (int step = 0; step < 5; ++step)
        d.undo();
    QVERIFY(d.document() == start);
    for (int step = 0; step < 5; ++step)
        d.redo();
    QCOMPARE(d.hierarchy().pathText({0, 2}), QStringLiteral("Цена › Страховка"));
    QCOMPARE(d.judgement(subcriteriaMatrix(0), 1, 0), QStringLiteral("1/5"));
    QVERIFY(!d.hierarchy().node({2, 0})->hasSubcriteria());
    QCOMPARE(checkDecision(d.document()), QString());
}

void TstSubcriteria::editsRefusedOutsideLimits()
{
    Decision d;
    d.load(handWorked());
    QVERIFY(!d.setSubcriteria({1}, {"Одна"}));
    QStringList sixteen;
    for (int i = 0; i < 16; ++i)
        sixteen << QString::number(i);
    QVERIFY(!d.setSubcriteria({1}, sixteen));
    QVERIFY(!d.setSubcriteria({5}, {"a", "b"}));
    QVERIFY(d.setSubcriteria({2, 0, 0}, {"a", "b"}));
    QVERIFY(!d.setSubcriteria({2, 0, 0, 0}, {"a", "b"})); // a fifth level
    const QStringList fifteen = sixteen.mid(0, 15);
    QVERIFY(d.setSubcriteria({1, 0}, fifteen)); // 8 - 1 + 15 = 22 leaves
    QVERIFY(d.setSubcriteria({1, 1}, fifteen)); // 36
    QVERIFY(d.setSubcriteria({0}, fifteen));    // 50
    QCOMPARE(d.leafCount(), MaxLeaves);
    const int steps = d.undoStack()->count();
    QVERIFY(!d.setSubcriteria({2, 1}, {"a", "b"}));
    QCOMPARE(d.undoStack()->count(), steps);
    QCOMPARE(d.document().alternativesJudgements.size(), MaxLeaves);
    QCOMPARE(checkDecision(d.document()), QString());
    QVERIFY(!d.removeSubcriteria({2, 1}));
}

void TstSubcriteria::merged()
{
    DecisionDocument first = handWorked();
    DecisionDocument second = handWorked();
    second.subcriteria[2].criteria[0].judgements = upper({{"4"}, {}});
    const MergeResult result = mergeDecisions({{"a.ahp", first}, {"b.ahp", second}});
    QVERIFY2(result.document, qPrintable(result.error));
    QCOMPARE(result.document->subcriteria[2].criteria[0].judgements, upper({{"2"}, {}}));
    QCOMPARE(result.document->subcriteria[1].judgements, upper({{"3"}, {}}));
    QCOMPARE(checkDecision(*result.document), QString());
}

void TstSubcriteria::mergeNeedsTheSameTree()
{
    DecisionDocument other = handWorked();
    other.subcriteria[2].criteria[0].subcriteria[1].name = QStringLiteral("АБС");
    MergeResult result = mergeDecisions({{"a.ahp", handWorked()}, {"b.ahp", other}});
    QVERIFY(!result.document);
    QCOMPARE(result.error, QStringLiteral("Файл «b.ahp»: другие подкритерии, чем в «a.ahp»: подкритерий 3.1.2: «АБС» вместо «Тормоза»"));

    DecisionDocument flat = handWorked();
    flat.setHierarchy(Hierarchy::flat(flat.criteria, flat.criteriaJudgements));
    flat.alternativesJudgements = flat.alternativesJudgements.mid(0, 3);
    result = mergeDecisions({{"a.ahp", handWorked()}, {"b.ahp", flat}});
    QVERIFY(!result.document);
    QCOMPARE(result.error, QStringLiteral("Файл «b.ahp»: другие подкритерии, чем в «a.ahp»: у критерия 2 подкритериев 0 вместо 2"));

}


void TstSubcriteria::sensitivityUnmovedIsTheResult()
{
    // Inconsistent judgements, so that the weights carry every last bit.
    DecisionDocument document = handWorked();
    document.criteriaJudgements = upper({{"3", "1/5"}, {"7"}, {}});
    document.subcriteria[2].judgements = upper({{"5", "1/3"}, {"1/2"}, {}});
    for (int c = 0; c < document.alternativesJudgements.size(); ++c)
        document.alternativesJudgements[c] = upper({{QString::number(c + 2), "1/3"}, {QStringLiteral("1/%1").arg(c + 1)}, {}});
    const DecisionResults results = *computeDecision(document).results;
    std::vector<std::vector<double>> sub, local;
    for (const SubcriteriaResult &s : results.subcriteria)
        sub.push_back(s.matrix.weights);
    for (const PriorityResult &alternatives : results.alternatives)
        local.push_back(alternatives.weights);
    const TreeSensitivity tree(document.hierarchy(), results.criteria.weights, sub, local);
    QCOMPARE(tree.levelCount(), 4);
    bool roundsApart = false;
    for (int level = 0; level < tree.levelCount(); ++level) {
        const std::vector<double> weights = tree.levelWeights(level);
        const std::vector<double> globals = tree.state(level, weights).globals;
        QCOMPARE(globals.size(), results.global.size());
        for (size_t j = 0; j < globals.size(); ++j)
            QVERIFY2(globals[j] == results.global[j], qPrintable(QStringLiteral("level %1, alternative %2").arg(level).arg(j)));
        roundsApart = roundsApart || globalPriorities(weights, tree.levelPriorities(level)) != results.global;
    }
    // Otherwise this decision would not tell the leaf-by-leaf sum from the level's weighted rows.
    QVERIFY(roundsApart);
}

QTEST_GUILESS_MAIN(TstSubcriteria)
#include "tst_subcriteria.moc"
