// What a key typed into a comparison grid does: a refused character never reaches the cell,
// shows the grid's own message and beeps; a passing one reaches it and marks the shown matrix
// for computing again, whether or not the cell's text ends up different.

#include "app_helpers.h"
#include "entry/keyfilter.h"

#include <QClipboard>
#include <QLineEdit>

#include "platform/stringgrid.h"
#include "platform/systemsound.h"

using namespace WindowTest;

namespace {
const QString ChoiceTabMessage = ChoiceTabKeyMessage.text();
const QString CompTabMessage = CompTabKeyMessage.text();

// The criteria page with its matrix computed; cell (2, 1) holds "3".
StringGrid *computedCriteriaGrid(TMainForm *form)
{
    goToCriteriaPage(form, 3, 3);
    auto *grid = find<StringGrid>(form, "ChoiceTab");
    enterMatrix(grid, {{"3", "5"}, {"3"}});
    click(find<QPushButton>(form, "CalcBtn"));
    return grid;
}

// The alternatives page on criterion 1, its matrix and that of criterion 0 computed; cell (2, 1)
// holds "3".
StringGrid *computedAlternativesGrid(TMainForm *form)
{
    goToAlternativesPage(form, 3, 3);
    auto *grid = find<StringGrid>(form, "CompTab");
    enterMatrix(grid, {{"3", "5"}, {"3"}});
    click(find<QPushButton>(form, "NextMatrixBtn"));
    enterMatrix(grid, {{"3", "5"}, {"3"}});
    click(find<QPushButton>(form, "CalcBtn2"));
    return grid;
}

// The computed flag that an accepted key in the grid clears.
bool shownMatrixComputed(const TMainForm *form, bool criteria)
{
    return criteria ? form->model().CriteriaComputed
                    : form->model().AltMatrixComputed.value(form->model().CurrentCriterion);
}

void addGridColumns()
{
    QTest::addColumn<bool>("criteria");
    QTest::addColumn<bool>("editorOpen");
}

QString rowName(bool criteria, bool editorOpen, const char *what)
{
    return QStringLiteral("%1, %2, %3")
        .arg(QLatin1String(criteria ? "ChoiceTab" : "CompTab"), QLatin1String(editorOpen ? "editor open" : "editor closed"),
             QString::fromUtf8(what));
}

// Brings the window to the grid with its matrix computed and cell (2, 1) current, the editor
// open or closed.
StringGrid *prepare(TMainForm *form, bool criteria, bool editorOpen)
{
    StringGrid *grid = criteria ? computedCriteriaGrid(form) : computedAlternativesGrid(form);
    if (QTest::currentTestFailed())
        return grid;
    clickCell(grid, 2, 1);
    if (editorOpen)
        pressKey(Qt::Key_F2);
    if (grid->isEditing() != editorOpen)
        qWarning("the cell editor is not as the test wants it");
    return grid;
}
}

class TstKeyFilters : public QObject
{
    Q_OBJECT
private slots:
    void refusedCharacter_data();
    void refusedCharacter();
    void passingKey_data();
    void passingKey();
    void pasteMarksMatrixStale_data();
    void pasteMarksMatrixStale();
    void composedTextFiltered();
};

void TstKeyFilters::refusedCharacter_data()
{
    addGridColumns();
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("modifiers");

    struct Refused
    {
        const char *name;
        Qt::Key key;
        QString text;
    };
    const Refused refused[] = {
        {"full stop", Qt::Key_Period, QStringLiteral(".")},
        {"comma", Qt::Key_Comma, QStringLiteral(",")},
        {"minus", Qt::Key_Minus, QStringLiteral("-")},
        {"Latin letter", Qt::Key_A, QStringLiteral("a")},
        {"blank", Qt::Key_Space, QStringLiteral(" ")},
        {"Escape", Qt::Key_Escape, QStringLiteral("\x1b")},
        {"Cyrillic letter", Qt::Key_unknown, QStringLiteral("ж")},
        {"Arabic-Indic digit", Qt::Key_unknown, QStringLiteral("\u0663")},
    };
    for (bool criteria : {true, false}) {
        for (bool editorOpen : {false, true}) {
            for (const Refused &r : refused)
                QTest::newRow(qPrintable(rowName(criteria, editorOpen, r.name)))
                    << criteria << editorOpen << int(r.key) << r.text << int(Qt::NoModifier);
            // Holding a modifier does not make a character an accelerator that skips the filter.
            QTest::newRow(qPrintable(rowName(criteria, editorOpen, "Alt+X")))
                << criteria << editorOpen << int(Qt::Key_X) << QStringLiteral("x") << int(Qt::AltModifier);
            QTest::newRow(qPrintable(rowName(criteria, editorOpen, "Alt+full stop")))
                << criteria << editorOpen << int(Qt::Key_Period) << QStringLiteral(".") << int(Qt::AltModifier);
            QTest::newRow(qPrintable(rowName(criteria, editorOpen, "Meta+minus")))
                << criteria << editorOpen << int(Qt::Key_Minus) << QStringLiteral("-") << int(Qt::MetaModifier);
        }
    }
}

void TstKeyFilters::refusedCharacter()
{
    QFETCH(bool, criteria);
    QFETCH(bool, editorOpen);
    QFETCH(int, key);
    QFETCH(QString, text);
    QFETCH(int, modifiers);

    auto form = openWindow();
    StringGrid *grid = prepare(form.get(), criteria, editorOpen);
    QCOMPARE(grid->isEditing(), editorOpen);
    QVERIFY(shownMatrixComputed(form.get(), criteria));
    const bool otherAltComputed = form->model().AltMatrixComputed.value(0);
    SystemSound::resetCount();

    QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), Qt::Key(key), text,
                        Qt::KeyboardModifiers(modifiers));

    QCOMPARE(grid->cell(2, 1), QStringLiteral("3"));
    QCOMPARE(grid->cell(1, 2), QStringLiteral("1/3"));
    QVERIFY(shownMatrixComputed(form.get(), criteria));
    QCOMPARE(form->model().AltMatrixComputed.value(0), otherAltComputed);
    QCOMPARE(status(form.get()), criteria ? ChoiceTabMessage : CompTabMessage);
    QCOMPARE(SystemSound::asteriskCount(), 1);
    if (editorOpen)
        QVERIFY(grid->isEditing());
    QVERIFY(errors().isEmpty());
}

void TstKeyFilters::passingKey_data()
{
    addGridColumns();
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<QString>("cellAfter");

    for (bool criteria : {true, false}) {
        for (bool editorOpen : {false, true}) {
            // With the editor closed a typed character replaces the text (Backspace alone opens
            // no editor); with the editor open and the cursor at the end it is appended.
            QTest::newRow(qPrintable(rowName(criteria, editorOpen, "digit")))
                << criteria << editorOpen << QList<int>{Qt::Key_7} << QString::fromLatin1(editorOpen ? "37" : "7");
            QTest::newRow(qPrintable(rowName(criteria, editorOpen, "zero")))
                << criteria << editorOpen << QList<int>{Qt::Key_0} << QString::fromLatin1(editorOpen ? "30" : "0");
            QTest::newRow(qPrintable(rowName(criteria, editorOpen, "fraction bar")))
                << criteria << editorOpen << QList<int>{Qt::Key_Slash} << QString::fromLatin1(editorOpen ? "3/" : "/");
            QTest::newRow(qPrintable(rowName(criteria, editorOpen, "Backspace")))
                << criteria << editorOpen << QList<int>{Qt::Key_Backspace} << QString::fromLatin1(editorOpen ? "" : "3");
            QTest::newRow(qPrintable(rowName(criteria, editorOpen, "Enter")))
                << criteria << editorOpen << QList<int>{Qt::Key_Return} << QStringLiteral("3");
            QTest::newRow(qPrintable(rowName(criteria, editorOpen, "digit typed and taken back")))
                << criteria << editorOpen << QList<int>{Qt::Key_7, Qt::Key_Backspace}
                << QString::fromLatin1(editorOpen ? "3" : "");
        }
        QTest::newRow(qPrintable(rowName(criteria, false, "same digit typed over itself")))
            << criteria << false << QList<int>{Qt::Key_3} << QStringLiteral("3");
    }
}

void TstKeyFilters::passingKey()
{
    QFETCH(bool, criteria);
    QFETCH(bool, editorOpen);
    QFETCH(QList<int>, keys);
    QFETCH(QString, cellAfter);

    auto form = openWindow();
    StringGrid *grid = prepare(form.get(), criteria, editorOpen);
    QCOMPARE(grid->isEditing(), editorOpen);
    QVERIFY(shownMatrixComputed(form.get(), criteria));
    const bool otherAltComputed = form->model().AltMatrixComputed.value(0);
    if (editorOpen)
        pressKey(Qt::Key_End);
    SystemSound::resetCount();

    for (int key : keys)
        pressKey(Qt::Key(key));

    QCOMPARE(grid->cell(2, 1), cellAfter);
    QVERIFY(!shownMatrixComputed(form.get(), criteria));
    // Only the matrix on the screen becomes stale.
    QCOMPARE(form->model().AltMatrixComputed.value(0), otherAltComputed);
    QCOMPARE(status(form.get()), QString());
    QCOMPARE(SystemSound::asteriskCount(), 0);
    QVERIFY(errors().isEmpty());
}

void TstKeyFilters::pasteMarksMatrixStale_data()
{
    addGridColumns();
    QTest::newRow("ChoiceTab") << true << true;
    QTest::newRow("CompTab") << false << true;
}

// A paste never passes the key filter, yet it changes a judgement: the next forward move or
// browse must compute again, and the pasted text must survive browsing away and back.
void TstKeyFilters::pasteMarksMatrixStale()
{
    QFETCH(bool, criteria);
    QFETCH(bool, editorOpen);
    auto form = openWindow();
    StringGrid *grid = prepare(form.get(), criteria, editorOpen);
    auto *editor = qobject_cast<QLineEdit *>(QApplication::focusWidget());
    QVERIFY(editor);
    QApplication::clipboard()->setText(QStringLiteral("7"));
    editor->selectAll();
    editor->paste();
    QCOMPARE(grid->cell(2, 1), QStringLiteral("7"));
    QVERIFY(!shownMatrixComputed(form.get(), criteria));
    if (criteria)
        return;
    click(find<QPushButton>(form.get(), "PriorMatrixBtn"));
    click(find<QPushButton>(form.get(), "NextMatrixBtn"));
    QCOMPARE(grid->cell(2, 1), QStringLiteral("7"));
}

// A text an input method commits (a compose key, dictation) reaches the cell only in the
// characters the filter lets through.
void TstKeyFilters::composedTextFiltered()
{
    auto form = openWindow();
    StringGrid *grid = prepare(form.get(), false, true);
    QWidget *editor = QApplication::focusWidget();
    QVERIFY(qobject_cast<QLineEdit *>(editor));
    pressKey(Qt::Key_End);
    SystemSound::resetCount();
    QInputMethodEvent composed;
    composed.setCommitString(QStringLiteral("ж/e7"));
    QApplication::sendEvent(editor, &composed);
    QCOMPARE(grid->cell(2, 1), QStringLiteral("3/7"));
    QCOMPARE(status(form.get()), CompTabMessage);
    QCOMPARE(SystemSound::asteriskCount(), 2);
}

ANALYZE_WINDOW_TEST_MAIN(TstKeyFilters)
#include "tst_keyfilters.moc"
