// The title page and the session it starts: the layouts and stores a reset leaves behind, the
// shown criterion brought back within the new count, the spin controls and their fields, and
// the user name remembered from one run of the window to the next.

#include "app_helpers.h"
#include "model/decisionmodel.h"
#include "app/pagetexts.h"

#include "platform/settingsstore.h"
#include "platform/stringgrid.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

using namespace WindowTest;

namespace {
const QString Letters = QStringLiteral("ABCDEFGHIJ");

QStringList listTexts(const QListWidget *list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

void goBackToTitle(TMainForm *form)
{
    auto *prior = find<QPushButton>(form, "PriorBtn");
    while (page(form) > 0 && prior->isEnabled())
        click(prior);
    QCOMPARE(page(form), 0);
}

// Renames the first criterion on the names page, so that a later reset shows in the list.
void renameFirstCriterion(TMainForm *form, const QString &name)
{
    QCOMPARE(page(form), 1);
    replaceText(find<QLineEdit>(form, "ChoiceName"), name);
    pressKey(Qt::Key_Return);
    QCOMPARE(find<QListWidget>(form, "Choices")->item(0)->text(), name);
}

// On the alternatives page: matrices of ones for the criteria before `target`, browsed with the
// arrow button up to it.
void browseTo(TMainForm *form, int target, int alternatives)
{
    auto *compTab = find<StringGrid>(form, "CompTab");
    for (int c = 0; c < target; ++c) {
        enterMatrix(compTab, uniformUpper(alternatives, QStringLiteral("1")));
        click(find<QPushButton>(form, "NextMatrixBtn"));
    }
    QCOMPARE(form->model().CurrentCriterion, target);
}

UpDown *spin(const TMainForm *form, bool criteria)
{
    return find<UpDown>(form, criteria ? "UpDownKrit" : "UpDownAlt");
}

QLineEdit *countField(const TMainForm *form, bool criteria)
{
    return find<QLineEdit>(form, criteria ? "Kriters" : "Alters");
}

// Types the name over the field's text and moves the focus on, as leaving the field does.
void enterName(TMainForm *form, const QString &name)
{
    auto *studentName = find<QLineEdit>(form, "StudentName");
    replaceText(studentName, name);
    if (name.isEmpty())
        pressKey(Qt::Key_Backspace);
    QCOMPARE(studentName->text(), name);
    pressKey(Qt::Key_Tab);
    QVERIFY(!studentName->hasFocus());
}
}

class TstSession : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void resetLayout_data();
    void resetLayout();
    void storesAfterReset();
    void shownCriterionWithinCount_data();
    void shownCriterionWithinCount();
    void spinAtItsEnd_data();
    void spinAtItsEnd();
    void spinClickAsksForReset_data();
    void spinClickAsksForReset();
    void countFieldClickFocusesSpin_data();
    void countFieldClickFocusesSpin();
    void nameSurvivesRestart_data();
    void nameSurvivesRestart();
    void failingNameWrite();
};

void TstSession::init()
{
    errors().clear();
    SettingsStore::writeSignature(QStringLiteral("Прежнее имя"));
}

void TstSession::resetLayout_data()
{
    QTest::addColumn<int>("firstCriteria");
    QTest::addColumn<int>("firstAlternatives");
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("m");

    QTest::newRow("smallest after largest") << 15 << 10 << 3 << 3;
    QTest::newRow("largest after smallest") << 3 << 3 << 15 << 10;
}

void TstSession::resetLayout()
{
    QFETCH(int, firstCriteria);
    QFETCH(int, firstAlternatives);
    QFETCH(int, n);
    QFETCH(int, m);

    auto form = openWindow();
    QVERIFY(clickCountsTo(form.get(), firstCriteria, firstAlternatives));
    click(find<QPushButton>(form.get(), "NextBtn"));
    renameFirstCriterion(form.get(), QStringLiteral("Цена"));
    goBackToTitle(form.get());
    QVERIFY(clickCountsTo(form.get(), n, m));
    click(find<QPushButton>(form.get(), "NextBtn"));
    QCOMPARE(page(form.get()), 1);

    QStringList criteria;
    for (int i = 1; i <= n; ++i)
        criteria << defaultCriterionName(i - 1);
    QStringList alternatives;
    for (int k = 0; k < m; ++k)
        alternatives << defaultAlternativeName(k);
    auto *choices = find<QListWidget>(form.get(), "Choices");
    auto *altList = find<QListWidget>(form.get(), "AltList");
    QCOMPARE(listTexts(choices), criteria);
    QCOMPARE(listTexts(altList), alternatives);
    QCOMPARE(altList->item(0)->text(), defaultAlternativeName(0));
    QCOMPARE(choices->currentRow(), 0);
    QCOMPARE(altList->currentRow(), 0);
    QCOMPARE(find<QLineEdit>(form.get(), "ChoiceName")->text(), defaultCriterionName(0));
    QCOMPARE(find<QLineEdit>(form.get(), "ChoiceAlt")->text(), defaultAlternativeName(0));

    auto *choiceTab = find<StringGrid>(form.get(), "ChoiceTab");
    QCOMPARE(choiceTab->colCount(), n + 1);
    QCOMPARE(choiceTab->rowCount(), n + 1);
    QCOMPARE(choiceTab->cell(0, 0), CriteriaCornerHeader.text());

    auto *compTab = find<StringGrid>(form.get(), "CompTab");
    QCOMPARE(compTab->colCount(), m + 2);
    QCOMPARE(compTab->rowCount(), m + 1);
    QCOMPARE(compTab->cell(m + 1, 0), AltPriorityHeader.text());

    auto *globTab = find<StringGrid>(form.get(), "GlobTab");
    QCOMPARE(globTab->rowCount(), m + 1);
    QCOMPARE(globTab->cell(0, 0), LocalPrioritiesHeader.text());

    auto *globales = find<StringGrid>(form.get(), "Globales");
    QCOMPARE(globales->colCount(), m + 1);
    QCOMPARE(globales->rowCount(), 2);
    QCOMPARE(globales->cell(0, 0), GlobalPrioritiesHeader.text());
    QCOMPARE(globales->cell(0, 1), GlobalValueHeader.text());

    for (int k = 0; k < m; ++k) {
        const QString letter = Letters.at(k);
        QCOMPARE(compTab->cell(k + 1, 0), letter);
        QCOMPARE(compTab->cell(0, k + 1), letter);
        QCOMPARE(globTab->cell(0, k + 1), letter);
        QCOMPARE(globales->cell(k + 1, 0), letter);
    }
    QVERIFY(form->model().SessionPrepared);
}

void TstSession::storesAfterReset()
{
    auto form = openWindow();
    // An inconsistent session with five alternatives, left for one with three.
    QVERIFY(goToCriteriaPage(form.get(), 3, 5));
    QVERIFY(enterMatrix(find<StringGrid>(form.get(), "ChoiceTab"), {{"9", "1/9"}, {"9"}}));
    click(find<QPushButton>(form.get(), "NextBtn"));
    QCOMPARE(page(form.get()), 3);
    QList<QStringList> upper = uniformUpper(5, QStringLiteral("1"));
    upper[0][0] = QStringLiteral("9");
    upper[0][1] = QStringLiteral("1/9");
    upper[1][0] = QStringLiteral("9");
    QVERIFY(enterMatrix(find<StringGrid>(form.get(), "CompTab"), upper));
    click(find<QPushButton>(form.get(), "CalcBtn2"));
    QVERIFY(form->model().AltMatrixInconsistent.value(0));
    auto *warnMess = find<QLabel>(form.get(), "WarnMess");
    QVERIFY(warnMess->isVisible());

    goBackToTitle(form.get());
    QVERIFY(clickCountsTo(form.get(), 3, 3));
    click(find<QPushButton>(form.get(), "NextBtn"));
    QCOMPARE(page(form.get()), 1);

    const DecisionModel &model = form->model();
    for (int c = 0; c < 20; ++c) {
        QCOMPARE(model.CriterionWeight.value(c), 0.0);
        for (int col = 0; col < 12; ++col) {
            for (int row = 0; row < 10; ++row) {
                const bool diagonal = col == row && col < 3;
                if (model.AltMatrixText.value(c, col, row) != QLatin1String(diagonal ? "1" : "")
                    || model.AltMatrixValue.value(c, col, row) != (diagonal ? 1.0 : 0.0))
                    QFAIL(qPrintable(QStringLiteral("slot %1, column %2, row %3: \"%4\", %5")
                                         .arg(c).arg(col).arg(row)
                                         .arg(model.AltMatrixText.value(c, col, row))
                                         .arg(model.AltMatrixValue.value(c, col, row))));
            }
        }
    }
    QVERIFY(!model.CriteriaInconsistent);
    for (int c = 0; c < 15; ++c)
        QVERIFY(!model.AltMatrixInconsistent.value(c));
    QVERIFY(!warnMess->isVisible());
}

void TstSession::shownCriterionWithinCount_data()
{
    QTest::addColumn<int>("firstCount");
    QTest::addColumn<int>("shown");
    QTest::addColumn<int>("secondCount");
    QTest::addColumn<int>("expected");

    QTest::newRow("ten lowered to five from criterion 9") << 10 << 9 << 5 << 0;
    QTest::newRow("lowered to exactly the shown criterion") << 5 << 4 << 4 << 0;
    QTest::newRow("lowered but still above it") << 5 << 2 << 3 << 2;
    QTest::newRow("count kept, reset by a spin click") << 5 << 2 << 5 << 2;
}

void TstSession::shownCriterionWithinCount()
{
    QFETCH(int, firstCount);
    QFETCH(int, shown);
    QFETCH(int, secondCount);
    QFETCH(int, expected);

    auto form = openWindow();
    QVERIFY(goToAlternativesPage(form.get(), firstCount, 3));
    browseTo(form.get(), shown, 3);
    goBackToTitle(form.get());
    if (secondCount == firstCount) {
        clickArrow(spin(form.get(), true), UpDown::Prior);
        clickArrow(spin(form.get(), true), UpDown::Next);
    }
    QVERIFY(clickCountsTo(form.get(), secondCount, 3));
    QVERIFY(!form->model().SessionPrepared);

    click(find<QPushButton>(form.get(), "NextBtn"));
    click(find<QPushButton>(form.get(), "NextBtn"));
    QVERIFY(enterMatrix(find<StringGrid>(form.get(), "ChoiceTab"), uniformUpper(secondCount, QStringLiteral("1"))));
    click(find<QPushButton>(form.get(), "NextBtn"));
    QCOMPARE(page(form.get()), 3);

    QCOMPARE(form->model().CurrentCriterion, expected);
    QCOMPARE(find<QLineEdit>(form.get(), "ChoiceName2")->text(), defaultCriterionName(expected));
    QCOMPARE(find<QPushButton>(form.get(), "PriorMatrixBtn")->isEnabled(), expected != 0);
    QCOMPARE(find<QPushButton>(form.get(), "NextMatrixBtn")->isEnabled(), expected != secondCount - 1);
    QVERIFY(errors().isEmpty());
}

void TstSession::spinAtItsEnd_data()
{
    QTest::addColumn<bool>("criteria");
    QTest::addColumn<int>("start");
    QTest::addColumn<bool>("up");

    QTest::newRow("criteria up at 15") << true << 15 << true;
    QTest::newRow("criteria down at 3") << true << 3 << false;
    QTest::newRow("alternatives up at 10") << false << 10 << true;
    QTest::newRow("alternatives down at 3") << false << 3 << false;
}

void TstSession::spinAtItsEnd()
{
    QFETCH(bool, criteria);
    QFETCH(int, start);
    QFETCH(bool, up);

    auto form = openWindow();
    if (criteria)
        QVERIFY(clickCountsTo(form.get(), start, 10));
    else
        QVERIFY(clickCountsTo(form.get(), 10, start));
    for (int i = 0; i < 2; ++i)
        clickArrow(spin(form.get(), criteria), up ? UpDown::Next : UpDown::Prior);
    QCOMPARE(spin(form.get(), criteria)->position(), start);
    QCOMPARE(countField(form.get(), criteria)->text(), QString::number(start));
}

void TstSession::spinClickAsksForReset_data()
{
    QTest::addColumn<bool>("criteria");
    QTest::addColumn<QList<bool>>("ups");

    QTest::newRow("criteria down and up") << true << QList<bool>{false, true};
    QTest::newRow("alternatives down and up") << false << QList<bool>{false, true};
    QTest::newRow("alternatives up at their top") << false << QList<bool>{true};
}

void TstSession::spinClickAsksForReset()
{
    QFETCH(bool, criteria);
    QFETCH(QList<bool>, ups);

    auto form = openWindow();
    click(find<QPushButton>(form.get(), "NextBtn"));
    renameFirstCriterion(form.get(), QStringLiteral("Цена"));
    goBackToTitle(form.get());
    QVERIFY(form->model().SessionPrepared);

    for (bool up : ups)
        clickArrow(spin(form.get(), criteria), up ? UpDown::Next : UpDown::Prior);
    QCOMPARE(spin(form.get(), criteria)->position(), 10);
    QVERIFY(!form->model().SessionPrepared);

    click(find<QPushButton>(form.get(), "NextBtn"));
    QCOMPARE(find<QListWidget>(form.get(), "Choices")->item(0)->text(), defaultCriterionName(0));
}

void TstSession::countFieldClickFocusesSpin_data()
{
    QTest::addColumn<bool>("criteria");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("shown");

    QTest::newRow("Kriters, Up") << true << int(Qt::Key_Up) << "11";
    QTest::newRow("Kriters, Down") << true << int(Qt::Key_Down) << "9";
    QTest::newRow("Alters, Down") << false << int(Qt::Key_Down) << "9";
    QTest::newRow("Alters, Up at the top") << false << int(Qt::Key_Up) << "10";
}

void TstSession::countFieldClickFocusesSpin()
{
    QFETCH(bool, criteria);
    QFETCH(int, key);
    QFETCH(QString, shown);

    auto form = openWindow();
    QLineEdit *field = countField(form.get(), criteria);
    QTest::mouseClick(field, Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), spin(form.get(), criteria));
    pressKey(Qt::Key(key));
    QCOMPARE(field->text(), shown);
    QCOMPARE(spin(form.get(), criteria)->position(), shown.toInt());
    QCOMPARE(countField(form.get(), !criteria)->text(), QStringLiteral("10"));
}

void TstSession::nameSurvivesRestart_data()
{
    QTest::addColumn<QString>("name");

    QTest::newRow("Cyrillic name") << QStringLiteral("Сидорова Анна");
    QTest::newRow("empty name") << QString();
    QTest::newRow("blanks at both ends") << QStringLiteral("  Ли  ");
    QTest::newRow("apostrophe, comma, equals sign") << QStringLiteral("Д'Артаньян, a=b");
}

void TstSession::nameSurvivesRestart()
{
    QFETCH(QString, name);

    auto form = openWindow();
    QCOMPARE(find<QLineEdit>(form.get(), "StudentName")->text(), QStringLiteral("Прежнее имя"));
    enterName(form.get(), name);
    form.reset();

    form = openWindow();
    QCOMPARE(find<QLineEdit>(form.get(), "StudentName")->text(), name);
    QVERIFY(errors().isEmpty());
}

void TstSession::failingNameWrite()
{
    const QString home = configHome();
    QVERIFY(QDir(home).exists(QStringLiteral("Orvasta")));
    QVERIFY(QDir(home).rename(QStringLiteral("Orvasta"), QStringLiteral("Orvasta.kept")));
    QFile blocker(QDir(home).filePath(QStringLiteral("Orvasta")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    auto form = openWindow();
    enterName(form.get(), QStringLiteral("Новое имя"));
    QCOMPARE(errors().size(), 1);
    QVERIFY(!errors().first().isEmpty());
    QCOMPARE(find<QLineEdit>(form.get(), "StudentName")->text(), QStringLiteral("Новое имя"));

    // The window goes on working.
    click(find<QPushButton>(form.get(), "NextBtn"));
    QCOMPARE(page(form.get()), 1);
    QCOMPARE(find<QListWidget>(form.get(), "Choices")->count(), 10);
    QCOMPARE(errors().size(), 1);
    form.reset();

    // The stored name is the one from before the failed write.
    QVERIFY(QFile::remove(blocker.fileName()));
    QVERIFY(QDir(home).rename(QStringLiteral("Orvasta.kept"), QStringLiteral("Orvasta")));
    form = openWindow();
    QCOMPARE(find<QLineEdit>(form.get(), "StudentName")->text(), QStringLiteral("Прежнее имя"));
    errors().clear();
}

ANALYZE_WINDOW_TEST_MAIN(TstSession)
#include "tst_session.moc"
