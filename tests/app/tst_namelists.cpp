// Renaming criteria and alternatives on the names page with the real lists and editors: Enter
// down the list, names that are refused or kept, the order of commit and selection when the
// person clicks another entry, and keyboard selection in the lists.

#include "app_helpers.h"
#include "model/decisionmodel.h"

#include "platform/stringgrid.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

using namespace WindowTest;

namespace {
struct NamePair
{
    QListWidget *list;
    QLineEdit *editor;
};

// "criteria" is the pair Choices/ChoiceName, "alternatives" the pair AltList/ChoiceAlt.
NamePair pairOf(const TMainForm *form, const QString &which)
{
    if (which == QLatin1String("criteria"))
        return {find<QListWidget>(form, "Choices"), find<QLineEdit>(form, "ChoiceName")};
    return {find<QListWidget>(form, "AltList"), find<QLineEdit>(form, "ChoiceAlt")};
}

QString defaultName(const QString &which, int index)
{
    if (which == QLatin1String("criteria"))
        return defaultCriterionName(index);
    return defaultAlternativeName(index);
}

std::unique_ptr<TMainForm> openNamesPage(int criteria, int alternatives)
{
    auto form = openWindow();
    clickCountsTo(form.get(), criteria, alternatives);
    click(find<QPushButton>(form.get(), "NextBtn"));
    if (page(form.get()) != 1)
        qWarning("the names page is not shown");
    return form;
}

void clickEntry(QListWidget *list, int index)
{
    QListWidgetItem *item = list->item(index);
    QVERIFY(item);
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, list->visualItemRect(item).center());
}

QStringList entries(const QListWidget *list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}
}

class TstNameLists : public QObject
{
    Q_OBJECT
private slots:
    void enterThroughAllEntries_data();
    void enterThroughAllEntries();
    void commitOnLeavingOrEnter_data();
    void commitOnLeavingOrEnter();
    void enterOnTheLastEntryStays_data();
    void enterOnTheLastEntryStays();
    void clickAnotherEntryAfterTyping_data();
    void clickAnotherEntryAfterTyping();
    void keyboardSelectionShowsTheEntry_data();
    void keyboardSelectionShowsTheEntry();
    void typedNameKeptWhenMovingForward_data();
    void typedNameKeptWhenMovingForward();
    void renamedAlternativeKeepsItsLetter();
};

void TstNameLists::enterThroughAllEntries_data()
{
    QTest::addColumn<QString>("which");
    QTest::addColumn<int>("criteria");
    QTest::addColumn<int>("alternatives");

    QTest::newRow("3 criteria") << "criteria" << 3 << 3;
    QTest::newRow("15 criteria") << "criteria" << 15 << 3;
    QTest::newRow("3 alternatives") << "alternatives" << 3 << 3;
    QTest::newRow("10 alternatives") << "alternatives" << 3 << 10;
}

void TstNameLists::enterThroughAllEntries()
{
    QFETCH(QString, which);
    QFETCH(int, criteria);
    QFETCH(int, alternatives);

    auto form = openNamesPage(criteria, alternatives);
    const NamePair names = pairOf(form.get(), which);
    const NamePair other = pairOf(form.get(), which == QLatin1String("criteria") ? "alternatives" : "criteria");
    const QStringList otherBefore = entries(other.list);
    const int count = names.list->count();
    QCOMPARE(count, which == QLatin1String("criteria") ? criteria : alternatives);

    QStringList typed;
    for (int i = 0; i < count; ++i) {
        QCOMPARE(names.list->currentRow(), i);
        QCOMPARE(names.editor->text(), defaultName(which, i));
        typed << QStringLiteral("Имя %1").arg(i + 1);
        replaceText(names.editor, typed.last());
        pressKey(Qt::Key_Return);
    }
    QCOMPARE(entries(names.list), typed);
    QCOMPARE(names.list->currentRow(), count - 1);
    QCOMPARE(names.editor->text(), typed.last());
    QCOMPARE(entries(other.list), otherBefore);
}

void TstNameLists::commitOnLeavingOrEnter_data()
{
    QTest::addColumn<QString>("which");
    QTest::addColumn<bool>("typing");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("enter");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("current");

    for (const QString &which : {QStringLiteral("criteria"), QStringLiteral("alternatives")}) {
        const QString old = defaultName(which, 0);
        const QString next = defaultName(which, 1);
        auto row = [&which](const char *name) -> QTestData & { return QTest::addRow("%s, %s", qPrintable(which), name); };
        row("emptied, leaving by Tab") << which << true << QString() << false << old << 0;
        row("emptied, Enter") << which << true << QString() << true << old << 1;
        row("blanks only, leaving by Tab") << which << true << "   " << false << "   " << 0;
        row("blanks only, Enter") << which << true << "   " << true << "   " << 1;
        row("new name, leaving by Tab") << which << true << " Новое имя " << false << " Новое имя " << 0;
        row("same name as the next entry") << which << true << next << true << next << 1;
        row("nothing typed, leaving by Tab") << which << false << QString() << false << old << 0;
        row("nothing typed, Enter") << which << false << QString() << true << old << 1;
    }
}

void TstNameLists::commitOnLeavingOrEnter()
{
    QFETCH(QString, which);
    QFETCH(bool, typing);
    QFETCH(QString, text);
    QFETCH(bool, enter);
    QFETCH(QString, stored);
    QFETCH(int, current);

    auto form = openNamesPage(3, 3);
    const NamePair names = pairOf(form.get(), which);
    const QString secondName = names.list->item(1)->text();
    names.editor->setFocus(Qt::MouseFocusReason);
    QVERIFY(names.editor->hasFocus());
    if (typing) {
        QTest::keyClick(names.editor, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(names.editor, Qt::Key_Backspace);
        type(text);
        QCOMPARE(names.editor->text(), text);
    }
    pressKey(enter ? Qt::Key_Return : Qt::Key_Tab);
    if (!enter)
        QVERIFY(!names.editor->hasFocus());

    QCOMPARE(names.list->item(0)->text(), stored);
    QCOMPARE(names.list->item(1)->text(), secondName);
    QCOMPARE(names.list->count(), 3);
    QCOMPARE(names.list->currentRow(), current);
    QCOMPARE(names.editor->text(), names.list->item(current)->text());
    // Showing an entry or restoring a refused name clears the flag; a kept name leaves it set.
    if (enter || text.isEmpty())
        QVERIFY(!names.editor->isModified());
}

void TstNameLists::enterOnTheLastEntryStays_data()
{
    QTest::addColumn<QString>("which");
    QTest::addColumn<int>("count");
    QTest::newRow("criteria") << "criteria" << 15;
    QTest::newRow("alternatives") << "alternatives" << 10;
}

void TstNameLists::enterOnTheLastEntryStays()
{
    QFETCH(QString, which);
    QFETCH(int, count);

    auto form = which == QLatin1String("criteria") ? openNamesPage(count, 3) : openNamesPage(3, count);
    const NamePair names = pairOf(form.get(), which);
    clickEntry(names.list, count - 1);
    QCOMPARE(names.editor->text(), defaultName(which, count - 1));
    replaceText(names.editor, QStringLiteral("Последний"));
    pressKey(Qt::Key_Return);
    QCOMPARE(names.list->item(count - 1)->text(), QStringLiteral("Последний"));
    QCOMPARE(names.list->currentRow(), count - 1);
    QCOMPARE(names.editor->text(), QStringLiteral("Последний"));
    QVERIFY(!names.editor->isModified());

    pressKey(Qt::Key_Return);
    QCOMPARE(names.list->currentRow(), count - 1);
    QCOMPARE(names.list->item(0)->text(), defaultName(which, 0));
    QCOMPARE(names.list->item(count - 1)->text(), QStringLiteral("Последний"));
}

void TstNameLists::clickAnotherEntryAfterTyping_data()
{
    QTest::addColumn<QString>("which");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("clicked");
    QTest::addColumn<QString>("stored");

    for (const QString &which : {QStringLiteral("criteria"), QStringLiteral("alternatives")}) {
        auto row = [&which](const char *name) -> QTestData & { return QTest::addRow("%s, %s", qPrintable(which), name); };
        row("name typed, third entry clicked") << which << "Новое" << 2 << "Новое";
        row("name typed, second entry clicked") << which << "Новое" << 1 << "Новое";
        row("name typed, same entry clicked") << which << "Новое" << 0 << "Новое";
        row("emptied, third entry clicked") << which << QString() << 2 << defaultName(which, 0);
    }
}

void TstNameLists::clickAnotherEntryAfterTyping()
{
    QFETCH(QString, which);
    QFETCH(QString, text);
    QFETCH(int, clicked);
    QFETCH(QString, stored);

    auto form = openNamesPage(3, 3);
    const NamePair names = pairOf(form.get(), which);
    replaceText(names.editor, text);
    if (text.isEmpty())
        QTest::keyClick(names.editor, Qt::Key_Backspace);
    QCOMPARE(names.editor->text(), text);

    clickEntry(names.list, clicked);
    QCOMPARE(names.list->item(0)->text(), stored);
    QCOMPARE(names.list->currentRow(), clicked);
    QCOMPARE(names.editor->text(), names.list->item(clicked)->text());
    if (clicked != 0) {
        QCOMPARE(names.list->item(clicked)->text(), defaultName(which, clicked));
        QVERIFY(!names.editor->isModified());
    }
}

void TstNameLists::keyboardSelectionShowsTheEntry_data()
{
    QTest::addColumn<QString>("which");
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<int>("current");

    for (const QString &which : {QStringLiteral("criteria"), QStringLiteral("alternatives")}) {
        auto row = [&which](const char *name) -> QTestData & { return QTest::addRow("%s, %s", qPrintable(which), name); };
        row("Down") << which << QList<int>{Qt::Key_Down} << 1;
        row("Down, Down") << which << QList<int>{Qt::Key_Down, Qt::Key_Down} << 2;
        row("Down, Up") << which << QList<int>{Qt::Key_Down, Qt::Key_Up} << 0;
        row("End") << which << QList<int>{Qt::Key_End} << 4;
        row("End, Home") << which << QList<int>{Qt::Key_End, Qt::Key_Home} << 0;
        row("Up at the top") << which << QList<int>{Qt::Key_Up} << 0;
    }
}

void TstNameLists::keyboardSelectionShowsTheEntry()
{
    QFETCH(QString, which);
    QFETCH(QList<int>, keys);
    QFETCH(int, current);

    auto form = openNamesPage(5, 5);
    const NamePair names = pairOf(form.get(), which);
    // A renamed entry shows with its new name.
    replaceText(names.editor, QStringLiteral("Первое"));
    pressKey(Qt::Key_Return);
    replaceText(names.editor, QStringLiteral("Второе"));
    pressKey(Qt::Key_Return);
    clickEntry(names.list, 0);
    QCOMPARE(names.editor->text(), QStringLiteral("Первое"));
    QVERIFY(names.list->hasFocus());

    for (const int key : keys) {
        QTest::keyClick(names.list, Qt::Key(key));
        QCOMPARE(names.editor->text(), names.list->currentItem()->text());
    }
    QCOMPARE(names.list->currentRow(), current);
    const QStringList expected{QStringLiteral("Первое"), QStringLiteral("Второе"), defaultName(which, 2),
                               defaultName(which, 3), defaultName(which, 4)};
    QCOMPARE(names.editor->text(), expected.at(current));
    QVERIFY(!names.editor->isModified());
}

void TstNameLists::typedNameKeptWhenMovingForward_data()
{
    QTest::addColumn<bool>("byAccelerator");
    QTest::newRow("click on NextBtn") << false;
    QTest::newRow("Alt+В from the criterion's editor") << true;
}

// The name still in its editor, never confirmed with Enter, is the one the next page shows,
// whether the mouse (which takes the focus) or the accelerator (which does not) moves on.
void TstNameLists::typedNameKeptWhenMovingForward()
{
    QFETCH(bool, byAccelerator);
    auto form = openNamesPage(3, 3);
    replaceText(find<QLineEdit>(form.get(), "ChoiceAlt"), QStringLiteral("Альфа"));
    replaceText(find<QLineEdit>(form.get(), "ChoiceName"), QStringLiteral("Цена"));
    if (byAccelerator)
        QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), Qt::Key(QChar(u'В').unicode()),
                            QStringLiteral("в"), Qt::AltModifier);
    else
        click(find<QPushButton>(form.get(), "NextBtn"));
    // The accelerator presses the button and lets it go a moment later.
    QTRY_COMPARE(page(form.get()), 2);
    QCOMPARE(find<QListWidget>(form.get(), "Choices")->item(0)->text(), QStringLiteral("Цена"));
    QCOMPARE(find<QListWidget>(form.get(), "AltList")->item(0)->text(), QStringLiteral("Альфа"));
    auto *choiceTab = find<StringGrid>(form.get(), "ChoiceTab");
    QCOMPARE(choiceTab->cell(1, 0), QStringLiteral("Цена"));
    QCOMPARE(choiceTab->cell(0, 1), QStringLiteral("Цена"));
}

void TstNameLists::renamedAlternativeKeepsItsLetter()
{
    auto form = openNamesPage(3, 3);
    auto *altList = find<QListWidget>(form.get(), "AltList");
    auto *choiceAlt = find<QLineEdit>(form.get(), "ChoiceAlt");
    clickEntry(altList, 2);
    replaceText(choiceAlt, QStringLiteral("Гамма"));
    pressKey(Qt::Key_Return);
    clickEntry(altList, 0);
    replaceText(choiceAlt, QStringLiteral("Альфа"));
    pressKey(Qt::Key_Return);
    QCOMPARE(entries(altList), (QStringList{QStringLiteral("Альфа"), defaultAlternativeName(1),
                                            QStringLiteral("Гамма")}));

    click(find<QPushButton>(form.get(), "NextBtn"));
    QVERIFY(enterMatrix(find<StringGrid>(form.get(), "ChoiceTab"), uniformUpper(3, QStringLiteral("1"))));
    click(find<QPushButton>(form.get(), "NextBtn"));
    QCOMPARE(page(form.get()), 3);
    auto *compTab = find<StringGrid>(form.get(), "CompTab");
    QCOMPARE(compTab->cell(1, 0), QStringLiteral("A"));
    QCOMPARE(compTab->cell(3, 0), QStringLiteral("C"));
    QCOMPARE(compTab->cell(0, 3), QStringLiteral("C"));
    // C over A and over B by 3 under every criterion.
    QVERIFY(enterRemainingAltMatrices(form.get(), QStringLiteral("1")));
    for (int c = 0; c < 3; ++c) {
        if (c > 0)
            click(find<QPushButton>(form.get(), "PriorMatrixBtn"));
        enterJudgement(compTab, 3, 1, QStringLiteral("1/3"));
        enterJudgement(compTab, 3, 2, QStringLiteral("1/3"));
    }
    click(find<QPushButton>(form.get(), "NextBtn"));
    QCOMPARE(page(form.get()), 4);
    QCOMPARE(find<StringGrid>(form.get(), "GlobTab")->cell(0, 3), QStringLiteral("C"));
    QCOMPARE(find<StringGrid>(form.get(), "Globales")->cell(3, 0), QStringLiteral("C"));
    QCOMPARE(find<QLabel>(form.get(), "Decision")->text(),
             QStringLiteral("Для Вашей задачи наиболее оптимальна альтернатива C -'Гамма'"));
}

ANALYZE_WINDOW_TEST_MAIN(TstNameLists)
#include "tst_namelists.moc"
