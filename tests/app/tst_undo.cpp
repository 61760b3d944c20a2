// Undo and Redo through the window: every kind of edit taken back and done again, shown where
// it happened, and the modified mark following the history's saved state.

#include "app_helpers.h"

#include "analysis/revisionpanel.h"
#include "app/documentcontroller.h"
#include "document/decisionfile.h"
#include "platform/stringgrid.h"

#include <QAction>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>

using namespace WindowTest;

namespace {
QAction *undoAction(const TMainForm *form)
{
    return find<QAction>(form, "UndoAction");
}

QAction *redoAction(const TMainForm *form)
{
    return find<QAction>(form, "RedoAction");
}

bool undo(TMainForm *form)
{
    return pressKey(Qt::Key_Z, Qt::ControlModifier) && form->decision() != nullptr;
}

bool redo(TMainForm *form)
{
    return pressKey(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier) && form->decision() != nullptr;
}
}

class TstUndo : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void judgementAndMirrorAreOneStep();
    void nameAndUser();
    void countChange();
    void forwardMoveEmptyingComesBack();
    void suggestionTakenBack();
    void undoShowsTheMatrixWhereItHappened();
    void savedStateAndTheCloseQuestion();
    void newSessionForgetsTheHistory();
    void cellEditorUndoesItsOwnTyping();
    void recoveryCopyGoes_data();
    void recoveryCopyGoes();
};

void TstUndo::init()
{
    errors().clear();
    saveQuestionsAsked() = 0;
}

void TstUndo::judgementAndMirrorAreOneStep()
{
    auto form = openWindow();
    QVERIFY(!undoAction(form.get())->isEnabled());
    QVERIFY(goToCriteriaPage(form.get(), 3, 3));
    auto *grid = find<StringGrid>(form.get(), "ChoiceTab");
    const int steps = form->decision()->undoStack()->count();
    QVERIFY(enterJudgement(grid, 2, 1, QStringLiteral("7")));
    QCOMPARE(form->decision()->undoStack()->count(), steps + 1);
    QCOMPARE(grid->cell(1, 2), QStringLiteral("1/7"));
    QCOMPARE(undoAction(form.get())->text(), QStringLiteral("&Отменить: суждение «Критерий 1» : «Критерий 2»"));

    QVERIFY(undo(form.get()));
    QCOMPARE(grid->cell(2, 1), QString());
    QCOMPARE(grid->cell(1, 2), QString());
    QCOMPARE(form->decision()->judgement(CriteriaMatrix, 0, 1), QString());
    QCOMPARE(form->decision()->undoStack()->index(), steps);
    QVERIFY(redoAction(form.get())->isEnabled());
    QVERIFY(redo(form.get()));
    QCOMPARE(grid->cell(2, 1), QStringLiteral("7"));
    QCOMPARE(grid->cell(1, 2), QStringLiteral("1/7"));
    QCOMPARE(form->decision()->judgement(CriteriaMatrix, 1, 0), QStringLiteral("1/7"));
    QVERIFY(errors().isEmpty());
}

void TstUndo::nameAndUser()
{
    auto form = openWindow();
    auto *user = find<QLineEdit>(form.get(), "StudentName");
    user->setFocus();
    QVERIFY(replaceText(user, QStringLiteral("Сидоров")));
    // A change of the user name alone is an edit of the decision.
    QVERIFY(form->documents()->isModified());
    QVERIFY(form->isWindowModified());
    QVERIFY(click(find<QPushButton>(form.get(), "NextBtn")));
    auto *editor = find<QLineEdit>(form.get(), "ChoiceName");
    QVERIFY(replaceText(editor, QStringLiteral("Цена")));
    QVERIFY(pressKey(Qt::Key_Return));
    auto *list = find<QListWidget>(form.get(), "Choices");
    QCOMPARE(list->item(0)->text(), QStringLiteral("Цена"));

    QVERIFY(undo(form.get()));
    QCOMPARE(list->item(0)->text(), QStringLiteral("Критерий 1"));
    QCOMPARE(list->currentRow(), 0);
    QCOMPARE(form->decision()->name(NameList::Criteria, 0), QStringLiteral("Критерий 1"));
    QVERIFY(undo(form.get()));
    QCOMPARE(page(form.get()), 0);
    QCOMPARE(user->text(), form->decision()->user());
    QVERIFY(user->text() != QStringLiteral("Сидоров"));
    QVERIFY(!form->documents()->isModified());
    QVERIFY(redo(form.get()));
    QVERIFY(redo(form.get()));
    QCOMPARE(page(form.get()), 1);
    QCOMPARE(list->item(0)->text(), QStringLiteral("Цена"));
    QCOMPARE(user->text(), QStringLiteral("Сидоров"));
}

void TstUndo::countChange()
{
    auto form = openWindow();
    QVERIFY(goToCriteriaPage(form.get(), 4, 3));
    QVERIFY(enterMatrix(find<StringGrid>(form.get(), "ChoiceTab"), uniformUpper(4, QStringLiteral("3"))));
    while (page(form.get()) > 0)
        QVERIFY(click(find<QPushButton>(form.get(), "PriorBtn")));
    const DecisionDocument before = form->decision()->document();
    QVERIFY(clickCountsTo(form.get(), 5, 3));
    QCOMPARE(form->decision()->criteriaCount(), 5);
    QCOMPARE(form->decision()->judgements(CriteriaMatrix), emptyJudgements(5));

    QVERIFY(undo(form.get()));
    QCOMPARE(form->decision()->document(), before);
    QCOMPARE(find<QLineEdit>(form.get(), "Kriters")->text(), QStringLiteral("4"));
    QCOMPARE(find<UpDown>(form.get(), "UpDownKrit")->position(), 4);
    // Forward again, the judgements that the count change had emptied are there.
    QVERIFY(click(find<QPushButton>(form.get(), "NextBtn")));
    QCOMPARE(find<QListWidget>(form.get(), "Choices")->count(), 4);
    QVERIFY(errors().isEmpty());
}

void TstUndo::forwardMoveEmptyingComesBack()
{
    auto form = openWindow();
    QVERIFY(goToCriteriaPage(form.get(), 3, 3));
    auto *grid = find<StringGrid>(form.get(), "ChoiceTab");
    QVERIFY(enterMatrix(grid, {{"3", "5"}, {"1/2"}}));
    QVERIFY(click(find<QPushButton>(form.get(), "PriorBtn")));
    QVERIFY(click(find<QPushButton>(form.get(), "NextBtn")));
    // The move forward from the names page empties the criteria matrix, as it always did...
    QCOMPARE(grid->cell(2, 1), QString());
    QCOMPARE(undoAction(form.get())->text(), QStringLiteral("&Отменить: очистка матрицы критериев"));
    // ... and Undo brings every judgement back.
    QVERIFY(undo(form.get()));
    QCOMPARE(page(form.get()), 2);
    const QStringList expected = {"3", "5", "1/3", "1/2", "1/5", "2"};
    const QStringList shown = {grid->cell(2, 1), grid->cell(3, 1), grid->cell(1, 2), grid->cell(3, 2), grid->cell(1, 3), grid->cell(2, 3)};
    QCOMPARE(shown, expected);
    QVERIFY(click(find<QPushButton>(form.get(), "NextBtn")));
    QCOMPARE(page(form.get()), 3);
}

void TstUndo::suggestionTakenBack()
{
    auto form = openWindow();
    QVERIFY(goToCriteriaPage(form.get(), 4, 3));
    auto *grid = find<StringGrid>(form.get(), "ChoiceTab");
    QVERIFY(enterMatrix(grid, {{"9", "1/9", "9"}, {"1/9", "9"}, {"1/9"}}));
    QVERIFY(click(find<QPushButton>(form.get(), "CalcBtn")));
    auto *panel = form->findChild<RevisionPanel *>(QStringLiteral("ChoiceTabRevisions"));
    QVERIFY(panel);
    QTRY_VERIFY(!panel->revisions().empty());
    QPushButton *put = panel->findChild<QPushButton *>(QStringLiteral("applyRevision1"));
    QVERIFY(put);
    QStringList before;
    for (int row = 1; row <= 4; ++row)
        for (int col = 1; col <= 4; ++col)
            before << grid->cell(col, row);
    QVERIFY(click(put));
    QStringList after;
    for (int row = 1; row <= 4; ++row)
        for (int col = 1; col <= 4; ++col)
            after << grid->cell(col, row);
    QVERIFY(after != before);
    QVERIFY(undo(form.get()));
    QStringList undone;
    for (int row = 1; row <= 4; ++row)
        for (int col = 1; col <= 4; ++col)
            undone << grid->cell(col, row);
    QCOMPARE(undone, before);
}

void TstUndo::undoShowsTheMatrixWhereItHappened()
{
    auto form = openWindow();
    QVERIFY(goToAlternativesPage(form.get(), 3, 3));
    QVERIFY(enterRemainingAltMatrices(form.get(), QStringLiteral("1")));
    QVERIFY(click(find<QPushButton>(form.get(), "NextBtn")));
    QCOMPARE(page(form.get()), 4);
    auto *compTab = find<StringGrid>(form.get(), "CompTab");

    // The last judgement typed, in the last criterion's matrix: Undo from the result page shows
    // that matrix with the cell current.
    QVERIFY(undo(form.get()));
    QCOMPARE(page(form.get()), 3);
    QCOMPARE(form->model().CurrentCriterion, 2);
    QCOMPARE(compTab->cell(3, 2), QString());
    QCOMPARE(compTab->cell(2, 3), QString());
    QCOMPARE(compTab->col(), 3);
    QCOMPARE(compTab->row(), 2);
    QCOMPARE(find<QLineEdit>(form.get(), "ChoiceName2")->text(), form->decision()->name(NameList::Criteria, 2));
    // Redo from another matrix brings its own matrix back.
    QVERIFY(click(find<QPushButton>(form.get(), "PriorMatrixBtn")));
    QCOMPARE(form->model().CurrentCriterion, 1);
    QVERIFY(redo(form.get()));
    QCOMPARE(form->model().CurrentCriterion, 2);
    QCOMPARE(compTab->cell(3, 2), QStringLiteral("1"));
    QVERIFY(click(find<QPushButton>(form.get(), "NextBtn")));
    QCOMPARE(page(form.get()), 4);
    QVERIFY(errors().isEmpty());
}

void TstUndo::savedStateAndTheCloseQuestion()
{
    auto form = openWindow();
    QVERIFY(goToCriteriaPage(form.get(), 3, 3));
    const QString path = QDir(configHome()).filePath(QStringLiteral("undo.ahp"));
    chosenFiles() = {path};
    find<QAction>(form.get(), "SaveAction")->trigger();
    QVERIFY(!form->isWindowModified());
    auto *grid = find<StringGrid>(form.get(), "ChoiceTab");
    QVERIFY(enterJudgement(grid, 2, 1, QStringLiteral("3")));
    QVERIFY(form->isWindowModified());
    QVERIFY(QTest::qWaitFor([&] { return QFile::exists(form->documents()->recoveryPath()); }, 3000));
    QVERIFY(undo(form.get()));
    // Back where the file is: no mark, no question, and no recovery copy left behind.
    QVERIFY(!form->isWindowModified());
    QVERIFY(QTest::qWaitFor([&] { return !QFile::exists(form->documents()->recoveryPath()); }, 3000));
    form->close();
    QCOMPARE(saveQuestionsAsked(), 0);
    QVERIFY(!form->isVisible());
}

void TstUndo::newSessionForgetsTheHistory()
{
    auto form = openWindow();
    QVERIFY(goToCriteriaPage(form.get(), 3, 3));
    QVERIFY(enterJudgement(find<StringGrid>(form.get(), "ChoiceTab"), 2, 1, QStringLiteral("3")));
    saveAnswer() = SaveQuestion::Answer::Discard;
    find<QAction>(form.get(), "NewAction")->trigger();
    QCOMPARE(page(form.get()), 0);
    QVERIFY(!undoAction(form.get())->isEnabled());
    QVERIFY(!redoAction(form.get())->isEnabled());
    QCOMPARE(form->decision()->undoStack()->count(), 0);
    QVERIFY(!form->isWindowModified());
}

void TstUndo::cellEditorUndoesItsOwnTyping()
{
    auto form = openWindow();
    QVERIFY(goToCriteriaPage(form.get(), 3, 3));
    auto *grid = find<StringGrid>(form.get(), "ChoiceTab");
    QVERIFY(enterJudgement(grid, 2, 1, QStringLiteral("3")));
    clickCell(grid, 3, 1);
    QVERIFY(type(QStringLiteral("57")));
    QVERIFY(grid->isEditing());
    QVERIFY(undo(form.get()));
    // The editor took its own typing back; the step before is untouched.
    QVERIFY(grid->isEditing());
    QCOMPARE(grid->cell(3, 1), QString());
    QCOMPARE(grid->cell(2, 1), QStringLiteral("3"));
    QCOMPARE(form->decision()->judgement(CriteriaMatrix, 0, 2), QString());
    // With nothing of its own left, Ctrl+Z takes back the decision's last step.
    QVERIFY(undo(form.get()));
    QCOMPARE(grid->cell(2, 1), QString());
}

void TstUndo::recoveryCopyGoes_data()
{
    QTest::addColumn<QString>("action");
    QTest::newRow("save") << "SaveAction";
    QTest::newRow("open") << "OpenAction";
    QTest::newRow("new") << "NewAction";
}

// Once the work is safe in a file, or let go, no copy of it stays behind to be offered again.
void TstUndo::recoveryCopyGoes()
{
    QFETCH(QString, action);
    const QString other = QDir(configHome()).filePath(QStringLiteral("other.ahp"));
    {
        auto source = openWindow();
        chosenFiles() = {other};
        find<QAction>(source.get(), "SaveAction")->trigger();
        source->close();
    }
    auto form = openWindow();
    QVERIFY(goToCriteriaPage(form.get(), 3, 3));
    QVERIFY(enterJudgement(find<StringGrid>(form.get(), "ChoiceTab"), 2, 1, QStringLiteral("3")));
    const QString copy = form->documents()->recoveryPath();
    QVERIFY(QTest::qWaitFor([&] { return QFile::exists(copy); }, 3000));
    chosenFiles() = {action == "SaveAction" ? QDir(configHome()).filePath(QStringLiteral("saved.ahp")) : other};
    saveAnswer() = SaveQuestion::Answer::Discard;
    find<QAction>(form.get(), action.toLatin1().constData())->trigger();
    QVERIFY(!form->isWindowModified());
    QVERIFY(!QFile::exists(copy));
    QTest::qWait(1500);
    QVERIFY(!QFile::exists(copy));
    QVERIFY(errors().isEmpty());
}

ANALYZE_WINDOW_TEST_MAIN(TstUndo)
#include "tst_undo.moc"
