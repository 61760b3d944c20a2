#include "model/decisionmodel.h"

#include <QTest>

class TstDecisionModel : public QObject
{
    Q_OBJECT

private slots:
    void outsideBounds_data();
    void outsideBounds();
    void weightsOutside();
    void clearStores();
    void writeDiagonals_data();
    void writeDiagonals();
    void writeDiagonalOneSlot();
    void anyInconsistent_data();
    void anyInconsistent();
    void subcriteriaMatrixIsInconsistentToo();
    void labels_data();
    void labels();
};

namespace {

// Every used cell of every slot gets a text and a value of its own.
void fillEverything(DecisionModel &model)
{
    for (int s = 0; s < MaxCriterionSlots; ++s) {
        model.CriterionWeight.set(s, 0.5);
        for (int c = 0; c < StoreColumns; ++c) {
            for (int r = 0; r < StoreRows; ++r) {
                model.AltMatrixText.set(s, c, r, QStringLiteral("7"));
                model.AltMatrixValue.set(s, c, r, 7.0);
            }
        }
    }
}

int countTexts(const DecisionModel &model, const QString &text)
{
    int count = 0;
    for (int s = 0; s < MaxCriterionSlots; ++s) {
        for (int c = 0; c < StoreColumns; ++c) {
            for (int r = 0; r < StoreRows; ++r)
                count += model.AltMatrixText.value(s, c, r) == text ? 1 : 0;
        }
    }
    return count;
}

} // namespace

// A read outside gives the default; a write outside is dropped and must not land in a
// neighbouring cell of the flat store.
void TstDecisionModel::outsideBounds_data()
{
    QTest::addColumn<int>("slot");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("row");

    QTest::newRow("row 10 would be the next column's row 0") << 0 << 0 << 10;
    QTest::newRow("row -1 would be the previous column's row 9") << 0 << 1 << -1;
    QTest::newRow("column 12 would be the next slot's column 0") << 0 << 12 << 0;
    QTest::newRow("column -1 would be the previous slot") << 1 << -1 << 0;
    QTest::newRow("slot past the last") << MaxCriterionSlots << 0 << 0;
    QTest::newRow("slot -1") << -1 << 11 << 9;
}

void TstDecisionModel::outsideBounds()
{
    QFETCH(int, slot);
    QFETCH(int, column);
    QFETCH(int, row);

    DecisionModel model;
    model.AltMatrixText.set(slot, column, row, QStringLiteral("x"));
    model.AltMatrixValue.set(slot, column, row, 3.0);
    QCOMPARE(countTexts(model, QStringLiteral("x")), 0);
    for (int s = 0; s < MaxCriterionSlots; ++s) {
        for (int c = 0; c < StoreColumns; ++c) {
            for (int r = 0; r < StoreRows; ++r)
                QCOMPARE(model.AltMatrixValue.value(s, c, r), 0.0);
        }
    }

    fillEverything(model);
    QCOMPARE(model.AltMatrixText.value(slot, column, row), QString());
    QCOMPARE(model.AltMatrixValue.value(slot, column, row), 0.0);
}

void TstDecisionModel::weightsOutside()
{
    DecisionModel model;
    model.CriterionWeight.set(-1, 1.0);
    model.CriterionWeight.set(MaxCriterionSlots, 1.0);
    for (int i = 0; i < MaxCriterionSlots; ++i)
        QCOMPARE(model.CriterionWeight.value(i), 0.0);
    model.CriterionWeight.fill(0.5);
    QCOMPARE(model.CriterionWeight.value(MaxCriterionSlots), 0.0);
}

void TstDecisionModel::clearStores()
{
    DecisionModel model;
    fillEverything(model);
    model.clearStores();
    QCOMPARE(countTexts(model, QString()), MaxCriterionSlots * StoreColumns * StoreRows);
    for (int s = 0; s < MaxCriterionSlots; ++s) {
        for (int c = 0; c < StoreColumns; ++c) {
            for (int r = 0; r < StoreRows; ++r)
                QCOMPARE(model.AltMatrixValue.value(s, c, r), 0.0);
        }
    }
}

// The diagonal of the first m rows in every slot, nothing else.
void TstDecisionModel::writeDiagonals_data()
{
    QTest::addColumn<int>("alternatives");

    QTest::newRow("3") << 3;
    QTest::newRow("7") << 7;
    QTest::newRow("10") << 10;
}

void TstDecisionModel::writeDiagonals()
{
    QFETCH(int, alternatives);

    DecisionModel model;
    model.writeDiagonals(alternatives);
    for (int s = 0; s < MaxCriterionSlots; ++s) {
        for (int c = 0; c < StoreColumns; ++c) {
            for (int r = 0; r < StoreRows; ++r) {
                const bool diagonal = c == r && r < alternatives;
                QCOMPARE(model.AltMatrixText.value(s, c, r), diagonal ? QStringLiteral("1") : QString());
                QCOMPARE(model.AltMatrixValue.value(s, c, r), diagonal ? 1.0 : 0.0);
            }
        }
    }
}

void TstDecisionModel::writeDiagonalOneSlot()
{
    DecisionModel model;
    model.writeDiagonal(4, 3);
    QCOMPARE(countTexts(model, QStringLiteral("1")), 3);
    for (int k = 0; k < 3; ++k) {
        QCOMPARE(model.AltMatrixText.value(4, k, k), QStringLiteral("1"));
        QCOMPARE(model.AltMatrixValue.value(4, k, k), 1.0);
    }
}

void TstDecisionModel::anyInconsistent_data()
{
    QTest::addColumn<bool>("criteria");
    QTest::addColumn<int>("flagged"); // -1: none
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("expected");

    QTest::newRow("nothing flagged") << false << -1 << 15 << false;
    QTest::newRow("criteria matrix") << true << -1 << 3 << true;
    QTest::newRow("last used criterion") << false << 11 << 12 << true;
    QTest::newRow("criterion beyond the count") << false << 11 << 11 << false;
    QTest::newRow("first criterion") << false << 0 << 3 << true;
    QTest::newRow("last flag") << false << 14 << 15 << true;
}

void TstDecisionModel::anyInconsistent()
{
    QFETCH(bool, criteria);
    QFETCH(int, flagged);
    QFETCH(int, count);
    QFETCH(bool, expected);

    DecisionModel model;
    model.CriteriaInconsistent = criteria;
    model.AltMatrixInconsistent.set(flagged, true);
    QCOMPARE(model.anyInconsistent(count), expected);
}

void TstDecisionModel::subcriteriaMatrixIsInconsistentToo()
{
    DecisionModel model;
    model.SubcriteriaInconsistent = {false, false};
    QVERIFY(!model.anyInconsistent(MaxCriterionSlots));
    model.SubcriteriaInconsistent[1] = true;
    QVERIFY(model.anyInconsistent(3));
    // A leaf of a large tree keeps its flag in the window's stores.
    model.SubcriteriaInconsistent.clear();
    model.AltMatrixInconsistent.set(MaxLeaves - 1, true);
    QVERIFY(model.anyInconsistent(MaxLeaves));
}

void TstDecisionModel::labels_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("letter");
    QTest::addColumn<QString>("criterion");
    QTest::addColumn<QString>("alternative");

    QTest::newRow("first") << 0 << "A" << "Критерий 1" << "Альтернатива   A";
    QTest::newRow("tenth") << 9 << "J" << "Критерий 10" << "Альтернатива   J";
    QTest::newRow("fifteenth") << 14 << "" << "Критерий 15" << "Альтернатива   ";
    QTest::newRow("before the first") << -1 << "" << "Критерий 0" << "Альтернатива   ";
}

void TstDecisionModel::labels()
{
    QFETCH(int, index);
    QFETCH(QString, letter);
    QFETCH(QString, criterion);
    QFETCH(QString, alternative);

    QCOMPARE(alternativeLetter(index), letter);
    QCOMPARE(defaultCriterionName(index), criterion);
    QCOMPARE(defaultAlternativeName(index), alternative);
}

QTEST_GUILESS_MAIN(TstDecisionModel)
#include "tst_decisionmodel.moc"
