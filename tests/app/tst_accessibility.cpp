// The window as assistive technology reads it through Qt's accessibility interfaces: every
// control named, no two alike on a page, no Alt letter twice on a page, in both languages;
// values in the units they stand for; focus told only where it is; messages announced; Tab
// that leaves the sensitivity window's table; the help window closed with Esc.

#include "app_helpers.h"

#include "analysis/sensitivitywindow.h"
#include "app/translations.h"
#include "platform/helpviewer.h"
#include "platform/stringgrid.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSlider>
#include <QStatusBar>

using namespace WindowTest;

namespace {

// Criteria judged so that the revision panel has suggestions to offer.
const QList<QStringList> InconsistentCriteria = {{"9", "1/9", "5"}, {"9", "1/7"}, {"3"}};

bool isInteractive(QAccessibleInterface *iface)
{
    static const QList<QAccessible::Role> roles = {QAccessible::PushButton, QAccessible::SpinBox, QAccessible::Slider,
                                                   QAccessible::EditableText, QAccessible::Table, QAccessible::List,
                                                   QAccessible::ComboBox, QAccessible::CheckBox, QAccessible::RadioButton};
    if (iface->role() == QAccessible::ScrollBar)
        return false;
    return iface->state().focusable || roles.contains(iface->role());
}

// The shown interactive objects below iface; tables and lists count as one object, the menu bar
// is the window's and not a page's.
void collect(QAccessibleInterface *iface, QList<QAccessibleInterface *> &found)
{
    for (int i = 0; i < iface->childCount(); ++i) {
        QAccessibleInterface *child = iface->child(i);
        if (!child || child->state().invisible || child->role() == QAccessible::MenuBar)
            continue;
        if (isInteractive(child))
            found << child;
        if (child->role() != QAccessible::Table && child->role() != QAccessible::List)
            collect(child, found);
    }
}

// Fails on an interactive object without a name and on two with one name.
QString namingFaults(QWidget *window)
{
    QList<QAccessibleInterface *> found;
    collect(QAccessible::queryAccessibleInterface(window), found);
    QStringList faults;
    QHash<QString, QString> seen;
    for (QAccessibleInterface *iface : found) {
        const QString name = iface->text(QAccessible::Name).trimmed();
        const QString who = iface->object() ? QStringLiteral("%1 (%2, role %3, in %4)").arg(iface->object()->objectName(),
                                                                                 QString::fromLatin1(iface->object()->metaObject()->className()),
                                                                                 iface->object()->parent() ? iface->object()->parent()->objectName() : QString())
                                                  .arg(int(iface->role()))
                                            : QStringLiteral("?");
        if (name.isEmpty())
            faults << QStringLiteral("unnamed: %1").arg(who);
        else if (seen.contains(name))
            faults << QStringLiteral("\"%1\" names both %2 and %3").arg(name, seen.value(name), who);
        else
            seen.insert(name, who);
    }
    return faults.join(QStringLiteral("; "));
}

// Fails on one Alt letter given to two shown controls.
QString letterFaults(QWidget *window)
{
    QStringList faults;
    QHash<QChar, QString> seen;
    for (const QWidget *w : window->findChildren<QWidget *>()) {
        if (!w->isVisible() || w->window() != window)
            continue;
        QString text;
        if (const auto *label = qobject_cast<const QLabel *>(w))
            text = label->text();
        else if (const auto *button = qobject_cast<const QAbstractButton *>(w))
            text = button->text();
        text.replace(QStringLiteral("&&"), QString());
        const qsizetype at = text.indexOf(QLatin1Char('&'));
        if (at < 0 || at + 1 >= text.size())
            continue;
        const QChar letter = text.at(at + 1).toLower();
        if (seen.contains(letter))
            faults << QStringLiteral("%1 in %2 and %3").arg(letter, seen.value(letter), w->objectName());
        else
            seen.insert(letter, w->objectName());
    }
    return faults.join(QStringLiteral("; "));
}

// Every page, with suggestions in both revision panels, then the sensitivity window.
QList<QWidget *> walkEveryPage(TMainForm *form, const std::function<void(QWidget *, const QString &)> &check)
{
    QList<QWidget *> windows;
    auto *next = find<QPushButton>(form, "NextBtn");
    check(form, QStringLiteral("title page"));
    click(next);
    check(form, QStringLiteral("names page"));
    click(next);
    enterMatrix(find<StringGrid>(form, "ChoiceTab"), InconsistentCriteria);
    QCoreApplication::processEvents();
    check(form, QStringLiteral("criteria page"));
    click(next);
    enterMatrix(find<StringGrid>(form, "CompTab"), {{"9", "1/9"}, {"9"}});
    QCoreApplication::processEvents();
    check(form, QStringLiteral("alternatives page"));
    enterRemainingAltMatrices(form, QStringLiteral("1"));
    click(next);
    check(form, QStringLiteral("result page"));
    click(find<QPushButton>(form, "SensitivityBtn"));
    auto *sensitivity = form->findChild<SensitivityWindow *>();
    check(sensitivity, QStringLiteral("sensitivity window"));
    windows << sensitivity;
    return windows;
}

}

class TstAccessibility : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { Translations::apply(Language::Russian); }

    void everyPageNamed_data();
    void everyPageNamed();
    void valuesInTheirUnits();
    void cellsSayTheirPair();
    void revisionKeepsFocusInPanel();
    void messagesAnnounced();
    void tabLeavesThresholdTable();
    void helpClosesWithEscape();
};

void TstAccessibility::everyPageNamed_data()
{
    QTest::addColumn<Language>("language");
    QTest::newRow("Russian") << Language::Russian;
    QTest::newRow("English") << Language::English;
}

void TstAccessibility::everyPageNamed()
{
    QFETCH(Language, language);
    Translations::apply(language);
    auto form = openWindow();
    setCounts(form.get(), 4, 3);
    int checked = 0;
    walkEveryPage(form.get(), [&](QWidget *window, const QString &page) {
        QVERIFY2(window, qPrintable(page));
        const QString names = namingFaults(window);
        QVERIFY2(names.isEmpty(), qPrintable(page + QStringLiteral(": ") + names));
        const QString letters = letterFaults(window);
        QVERIFY2(letters.isEmpty(), qPrintable(page + QStringLiteral(": ") + letters));
        ++checked;
    });
    QCOMPARE(checked, 6);

}

void TstAccessibility::valuesInTheirUnits()
{
    auto form = openWindow();
    QAccessibleInterface *spin = QAccessible::queryAccessibleInterface(find<UpDown>(form.get(), "UpDownKrit"));
    QCOMPARE(spin->role(), QAccessible::SpinBox);
    QVERIFY(spin->valueInterface());
    QCOMPARE(spin->valueInterface()->currentValue().toInt(), form->criteriaCount());
    spin->valueInterface()->setCurrentValue(7);
    // Set from assistive technology as by the arrows: the count field follows.
    QCOMPARE(form->criteriaCount(), 7);
    QCOMPARE(find<QLineEdit>(form.get(), "Kriters")->text(), QStringLiteral("7"));

    setCounts(form.get(), 3, 3);
    QVERIFY(goToResultPage(form.get(), 3, 3));
    click(find<QPushButton>(form.get(), "SensitivityBtn"));
    auto *slider = find<QSlider>(form->findChild<SensitivityWindow *>(), "weightSlider1");
    QAccessibleInterface *weight = QAccessible::queryAccessibleInterface(slider);
    QCOMPARE(weight->role(), QAccessible::Slider);
    QVERIFY(weight->text(QAccessible::Name).contains(QStringLiteral("Критерий 1")));
    QCOMPARE(weight->valueInterface()->maximumValue().toDouble(), 1.0);
    QVERIFY(qAbs(weight->valueInterface()->currentValue().toDouble() - 1.0 / 3) < 1e-3);
    weight->valueInterface()->setCurrentValue(0.5);
    QCOMPARE(slider->value(), 500);
}

void TstAccessibility::cellsSayTheirPair()
{
    auto form = openWindow();
    QVERIFY(goToCriteriaPage(form.get(), 3, 3));
    auto *grid = find<StringGrid>(form.get(), "ChoiceTab");
    QVERIFY(enterJudgement(grid, 2, 1, QStringLiteral("3")));
    QAccessibleInterface *table = QAccessible::queryAccessibleInterface(grid);
    QCOMPARE(table->text(QAccessible::Name), QStringLiteral("Сравнение критериев"));
    QAccessibleInterface *cell = table->tableInterface()->cellAt(1, 2);
    QVERIFY(cell);
    QCOMPARE(cell->text(QAccessible::Name), QStringLiteral("«Критерий 1» по сравнению с «Критерий 2»: 3"));
    QVERIFY2(cell->text(QAccessible::Description).contains(QStringLiteral("важнее")),
             qPrintable(cell->text(QAccessible::Description)));
    QCOMPARE(table->tableInterface()->cellAt(1, 3)->text(QAccessible::Name),
             QStringLiteral("«Критерий 1» по сравнению с «Критерий 3»: не заполнено"));
    // Typing opens the cell's editor, which takes the focus and the cell's name with it.
    clickCell(grid, 3, 1);
    QVERIFY(type(QStringLiteral("5")));
    QWidget *editor = QApplication::focusWidget();
    QVERIFY(editor && editor != grid);
    QVERIFY2(editor->accessibleName().startsWith(QStringLiteral("«Критерий 1» по сравнению с «Критерий 3»")),
             qPrintable(editor->accessibleName()));
}

void TstAccessibility::revisionKeepsFocusInPanel()
{
    auto form = openWindow();
    QVERIFY(goToCriteriaPage(form.get(), 4, 3));
    QVERIFY(enterMatrix(find<StringGrid>(form.get(), "ChoiceTab"), InconsistentCriteria));
    QCoreApplication::processEvents();
    auto *apply = find<QPushButton>(find<QWidget>(form.get(), "ChoiceTabRevisions"), "applyRevision1");
    QTRY_VERIFY(apply->isVisible());
    QVERIFY(apply->accessibleName().startsWith(apply->text() + QStringLiteral(" для «")));
    apply->setFocus();
    QVERIFY(pressKey(Qt::Key_Space));
    QCoreApplication::processEvents();
    QWidget *focus = QApplication::focusWidget();
    QVERIFY(focus);
    QVERIFY2(find<QWidget>(form.get(), "ChoiceTabRevisions")->isAncestorOf(focus), qPrintable(focus->objectName()));
}

void TstAccessibility::messagesAnnounced()
{
    // What a screen reader is told with the alert: the description of the object that speaks.
    const auto said = [](QWidget *w) { return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Description); };
    auto form = openWindow();
    auto *ratio = find<QLineEdit>(form.get(), "RatioCoordEdit");
    // The sign's picture is not loaded before the sign is needed.
    QVERIFY(ratio->actions().value(0) && ratio->actions().value(0)->icon().isNull());
    auto *status = find<QStatusBar>(form.get(), "StatusLine");
    form->ShowHint(QStringLiteral("Значение ячейки не должно быть больше 9"));
    QCOMPARE(said(status), QStringLiteral("Значение ячейки не должно быть больше 9"));

    QVERIFY(goToCriteriaPage(form.get(), 4, 3));
    QVERIFY(enterMatrix(find<StringGrid>(form.get(), "ChoiceTab"), InconsistentCriteria));
    QVERIFY(click(find<QPushButton>(form.get(), "CalcBtn")));
    auto *warning = find<QLabel>(form.get(), "WarnMess");
    QVERIFY(warning->isVisible());
    QCOMPARE(said(warning), warning->text());
    // Beside its colour, the ratio carries a sign that says what the colour means.
    QVERIFY(!said(ratio).isEmpty());
    QVERIFY(ratio->actions().value(0)->isVisible());
    QVERIFY(!ratio->actions().value(0)->icon().isNull());

    auto result = openWindow();
    QVERIFY(goToResultPage(result.get(), 3, 3));
    auto *decision = find<QLabel>(result.get(), "Decision");
    QVERIFY(!decision->text().isEmpty());
    QCOMPARE(said(decision), decision->text());
}

void TstAccessibility::tabLeavesThresholdTable()
{
    auto form = openWindow();
    QVERIFY(goToResultPage(form.get(), 4, 3));
    click(find<QPushButton>(form.get(), "SensitivityBtn"));
    auto *window = form->findChild<SensitivityWindow *>();
    QVERIFY(window);
    QWidget *first = window->nextInFocusChain();
    while (!(first->focusPolicy() & Qt::TabFocus) || !first->isVisible())
        first = first->nextInFocusChain();
    first->setFocus(Qt::TabFocusReason);
    QCOMPARE(window->focusWidget(), first);

    QWidget *close = find<QWidget>(window, "closeSensitivity");
    bool reachedClose = false;
    bool wrapped = false;
    for (int presses = 0; presses < 60 && !wrapped; ++presses) {
        QTest::keyClick(window->focusWidget(), Qt::Key_Tab);
        reachedClose = reachedClose || window->focusWidget() == close;
        wrapped = reachedClose && window->focusWidget() == first;
    }
    QVERIFY2(reachedClose, qPrintable(window->focusWidget()->objectName()));
    QVERIFY(wrapped);
}

void TstAccessibility::helpClosesWithEscape()
{
    auto form = openWindow();
    QVERIFY(click(find<QPushButton>(form.get(), "HelpBtn")));
    HelpViewer &help = HelpViewer::instance();
    QVERIFY(QTest::qWaitForWindowActive(&help));
    QTest::keyClick(&help, Qt::Key_Escape);
    QVERIFY(!help.isVisible());
}

ANALYZE_WINDOW_TEST_MAIN(TstAccessibility)
#include "tst_accessibility.moc"
