// The decision document and its history: every kind of edit undone and redone, typing joined
// into one step, the saved state, and a long random history taken back and done again.

#include "document_helpers.h"

#include "document/decision.h"
#include "model/decisionmodel.h"

#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>

using namespace DocumentTest;

class TstDecision : public QObject
{
    Q_OBJECT
private slots:
    void startsEmptyAndClean();
    void judgementAndMirrorAreOneStep();
    void typingIntoOneCellIsOneStep();
    void namesAndUser();
    void countChangeEmptiesAndUndoRestores();
    void criteriaClearingIsUndone();
    void replaceAndLoad();
    void savedStateFollowsUndo();
    void nothingChangedPushesNothing();
    void randomHistoryGoesBackAndForth();
};

void TstDecision::startsEmptyAndClean()
{
    Decision d;
    QCOMPARE(d.criteriaCount(), InitialCount);
    QCOMPARE(d.alternativesCount(), InitialCount);
    QVERIFY(!d.isModified());
    QVERIFY(d.undoText().isEmpty());
    const DecisionDocument document = d.document();
    QCOMPARE(document.criteria.value(2), defaultCriterionName(2));
    QCOMPARE(document.alternatives.value(1), defaultAlternativeName(1));
    QCOMPARE(document.criteriaJudgements, emptyJudgements(InitialCount));
    QVERIFY(d.isDefaultName(NameList::Criteria, 0));
}

void TstDecision::judgementAndMirrorAreOneStep()
{
    Decision d;
    d.load(decision(3, 3));
    d.setName(NameList::Criteria, 0, QStringLiteral("Цена"));
    d.setName(NameList::Criteria, 1, QStringLiteral("Качество"));
    QSignalSpy shown(&d, &Decision::editShown);
    d.setJudgements(CriteriaMatrix, {{0, 1, QStringLiteral("7")}, {1, 0, QStringLiteral("1/7")}});
    QCOMPARE(d.undoText(), QStringLiteral("суждение «Цена» : «Качество»"));
    QCOMPARE(d.judgement(CriteriaMatrix, 1, 0), QStringLiteral("1/7"));

    const int steps = d.undoStack()->count();
    d.undo();
    QCOMPARE(d.judgement(CriteriaMatrix, 0, 1), decision(3, 3).criteriaJudgements[0][1]);
    QCOMPARE(d.judgement(CriteriaMatrix, 1, 0), decision(3, 3).criteriaJudgements[1][0]);
    QCOMPARE(shown.size(), 1);
    const EditPlace place = shown.first().first().value<EditPlace>();
    QCOMPARE(place.kind, EditPlace::Kind::Matrix);
    QCOMPARE(place.matrix, CriteriaMatrix);
    QCOMPARE(place.row, 0);
    QCOMPARE(place.col, 1);
    d.redo();
    QCOMPARE(d.judgement(CriteriaMatrix, 1, 0), QStringLiteral("1/7"));
    QCOMPARE(d.undoStack()->count(), steps);

    // An alternatives matrix; cells outside the matrix and the diagonal are never written.
    d.setJudgements(2, {{2, 1, QStringLiteral("3")}, {1, 1, QStringLiteral("5")}, {7, 0, QStringLiteral("5")}});
    QCOMPARE(d.judgement(2, 2, 1), QStringLiteral("3"));
    QCOMPARE(d.judgement(2, 1, 1), QStringLiteral("1"));
    d.undo();
    QCOMPARE(d.judgement(2, 2, 1), decision(3, 3).alternativesJudgements[2][2][1]);
}

void TstDecision::typingIntoOneCellIsOneStep()
{
    Decision d;
    d.startNew(3, 3, QString());
    d.setJudgements(CriteriaMatrix, {{0, 1, QStringLiteral("1")}}, true);
    d.setJudgements(CriteriaMatrix, {{0, 1, QStringLiteral("1/")}}, true);
    d.setJudgements(CriteriaMatrix, {{0, 1, QStringLiteral("1/5")}}, true);
    // Committing the cell writes its mirror into the same step, and ends it.
    d.setJudgements(CriteriaMatrix, {{0, 1, QStringLiteral("1/5")}, {1, 0, QStringLiteral("5")}}, true);
    d.finishTyping();
    QCOMPARE(d.undoStack()->count(), 1);
    // The same cell typed again is a step of its own, and so is another cell.
    d.setJudgements(CriteriaMatrix, {{0, 1, QStringLiteral("2")}}, true);
    d.setJudgements(CriteriaMatrix, {{0, 2, QStringLiteral("3")}}, true);
    QCOMPARE(d.undoStack()->count(), 3);

    d.undo();
    d.undo();
    QCOMPARE(d.judgement(CriteriaMatrix, 0, 1), QStringLiteral("1/5"));
    d.undo();
    QCOMPARE(d.judgement(CriteriaMatrix, 0, 1), QString());
    QCOMPARE(d.judgement(CriteriaMatrix, 1, 0), QString());
    QVERIFY(!d.isModified());
    // Typing after an undo never joins the step below it.
    d.redo();
    d.setJudgements(CriteriaMatrix, {{0, 1, QStringLiteral("1/4")}}, true);
    QCOMPARE(d.undoStack()->count(), 2);
    // Typing that ends where it began leaves no step.
    d.finishTyping();
    d.setJudgements(CriteriaMatrix, {{2, 1, QStringLiteral("4")}}, true);
    d.setJudgements(CriteriaMatrix, {{2, 1, QString()}}, true);
    QCOMPARE(d.undoStack()->count(), 2);
}

void TstDecision::namesAndUser()
{
    Decision d;
    d.startNew(3, 4, QStringLiteral("Иванов"));
    d.setName(NameList::Alternatives, 3, QStringLiteral("Лада"));
    QVERIFY(!d.isDefaultName(NameList::Alternatives, 3));
    QCOMPARE(d.undoText(), QStringLiteral("название альтернативы «Лада»"));
    d.setUser(QStringLiteral("Иванова"));
    d.setUser(QStringLiteral("Иванова А."));
    QCOMPARE(d.undoStack()->count(), 2);
    d.finishTyping();
    d.setUser(QStringLiteral("Петров"));
    QCOMPARE(d.undoStack()->count(), 3);

    d.undo();
    QCOMPARE(d.user(), QStringLiteral("Иванова А."));
    d.undo();
    QCOMPARE(d.user(), QStringLiteral("Иванов"));
    d.undo();
    QVERIFY(d.isDefaultName(NameList::Alternatives, 3));
    QCOMPARE(d.name(NameList::Alternatives, 3), defaultAlternativeName(3));
    QVERIFY(!d.isModified());
    d.redo();
    QCOMPARE(d.names(NameList::Alternatives).value(3), QStringLiteral("Лада"));
}

void TstDecision::countChangeEmptiesAndUndoRestores()
{
    Decision d;
    const DecisionDocument full = decision(5, 4);
    d.load(full);
    QSignalSpy reset(&d, &Decision::documentReset);
    d.setCounts(6, 4);
    QCOMPARE(reset.size(), 1);
    QCOMPARE(d.criteriaCount(), 6);
    QVERIFY(d.isDefaultName(NameList::Alternatives, 0));
    QCOMPARE(d.judgements(3), emptyJudgements(4));
    QCOMPARE(d.user(), full.user);
    QCOMPARE(d.undoText(), QStringLiteral("число критериев и альтернатив"));
    d.undo();
    QCOMPARE(d.document(), full);
    QCOMPARE(reset.size(), 2);
    d.redo();
    QCOMPARE(d.document().criteriaJudgements, emptyJudgements(6));
}

void TstDecision::criteriaClearingIsUndone()
{
    Decision d;
    const DecisionDocument full = decision(4, 3);
    d.load(full);
    d.clearCriteriaJudgements();
    QCOMPARE(d.judgements(CriteriaMatrix), emptyJudgements(4));
    QCOMPARE(d.judgements(0), full.alternativesJudgements[0]);
    d.undo();
    QCOMPARE(d.document(), full);
    // An empty matrix has nothing to clear: no step.
    d.startNew(3, 3, QString());
    d.clearCriteriaJudgements();
    QCOMPARE(d.undoStack()->count(), 0);
}

void TstDecision::replaceAndLoad()
{
    Decision d;
    d.load(decision(3, 3));
    d.setUser(QStringLiteral("x"));
    d.replace(decision(4, 5));
    QCOMPARE(d.criteriaCount(), 4);
    d.undo();
    QCOMPARE(d.criteriaCount(), 3);
    QCOMPARE(d.user(), QStringLiteral("x"));
    // Opening starts a new history.
    d.load(decision(5, 3));
    QCOMPARE(d.undoStack()->count(), 0);
    QVERIFY(!d.isModified());
    QCOMPARE(d.document(), decision(5, 3));
}

void TstDecision::savedStateFollowsUndo()
{
    Decision d;
    QSignalSpy clean(d.undoStack(), &QUndoStack::cleanChanged);
    d.setUser(QStringLiteral("a"));
    QVERIFY(d.isModified());
    d.setSaved();
    d.finishTyping();
    QVERIFY(!d.isModified());
    d.setName(NameList::Criteria, 0, QStringLiteral("b"));
    QVERIFY(d.isModified());
    d.undo();
    QVERIFY(!d.isModified());
    d.undo();
    QVERIFY(d.isModified());
    QCOMPARE(clean.size(), 5);
}

void TstDecision::nothingChangedPushesNothing()
{
    Decision d;
    d.startNew(3, 3, QStringLiteral("u"));
    d.setUser(QStringLiteral("u"));
    d.setCounts(3, 3);
    d.setName(NameList::Criteria, 1, defaultCriterionName(1));
    d.setName(NameList::Criteria, 7, QStringLiteral("x"));
    d.setJudgements(CriteriaMatrix, {{0, 1, QString()}});
    d.setJudgements(5, {{0, 1, QStringLiteral("3")}});
    QCOMPARE(d.undoStack()->count(), 0);
    QVERIFY(d.isDefaultName(NameList::Criteria, 1));
}

void TstDecision::randomHistoryGoesBackAndForth()
{
    Decision d;
    d.startNew(4, 3, QString());
    const DecisionDocument start = d.document();
    QRandomGenerator random(20261208);
    const QStringList texts = {"1", "3", "1/3", "9", "1/9", "2.5", "", "x", "1/"};
    for (int step = 0; step < 2000; ++step) {
        const int n = d.criteriaCount();
        const int m = d.alternativesCount();
        switch (random.bounded(10)) {
        case 0:
            d.setCounts(random.bounded(MinCriteria, 6), random.bounded(MinAlternatives, 5));
            break;
        case 1:
            d.setName(NameList(random.bounded(2)), random.bounded(5), QString::number(step));
            break;
        case 2:
            d.setUser(QString::number(step));
            break;
        case 3:
            d.clearCriteriaJudgements();
            break;
        case 4:
            d.finishTyping();
            break;
        default: {
            const int matrix = random.bounded(-1, n);
            const int order = matrix == CriteriaMatrix ? n : m;
            const int row = random.bounded(order);
            const int col = random.bounded(order);
            d.setJudgements(matrix, {{row, col, texts.at(random.bounded(texts.size()))},
                                            {col, row, texts.at(random.bounded(texts.size()))}},
                                   random.bounded(2) == 0);
            break;
        }
        }
    }
    const DecisionDocument end = d.document();
    const int steps = d.undoStack()->count();
    QVERIFY(steps > 1000);
    for (int i = 0; i < steps; ++i)
        d.undo();
    QCOMPARE(d.document(), start);
    QVERIFY(!d.isModified());
    for (int i = 0; i < steps; ++i)
        d.redo();
    QCOMPARE(d.document(), end);
}

QTEST_GUILESS_MAIN(TstDecision)
#include "tst_decision.moc"
