// The dialog that names a criterion's sub-criteria, used by keyboard and mouse on a decision.

#include "app/subcriteriadialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

namespace {

template <typename T>
T *find(QWidget *parent, const char *name)
{
    T *child = parent->findChild<T *>(QLatin1String(name));
    if (!child)
        qFatal("no %s", name);
    return child;
}

// Add, then the name typed into the editor that opens, then Enter.
void addByKeyboard(SubcriteriaDialog &dialog, const QString &name)
{
    QTest::mouseClick(find<QPushButton>(&dialog, "AddSubcriterionBtn"), Qt::LeftButton);
    QWidget *editor = QApplication::focusWidget();
    // A dialog opened over another is active on a real screen only.
    if (QApplication::activeWindow() != &dialog) {
        for (QLineEdit *open : find<QListWidget>(&dialog, "SubcriteriaList")->findChildren<QLineEdit *>()) {
            if (open->isVisible())
                editor = open;
        }
    }
    QVERIFY(qobject_cast<QLineEdit *>(editor));
    QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
    // Cyrillic has no key of its own: the text comes with the event, as from a keyboard layout.
    for (const QChar ch : name)
        QTest::sendKeyEvent(QTest::Click, editor, ch.unicode() < 0x7f ? Qt::Key(ch.toUpper().unicode()) : Qt::Key_unknown,
                            QString(ch), Qt::NoModifier);
    QTest::keyClick(editor, Qt::Key_Return);
}

void pressOk(SubcriteriaDialog &dialog)
{
    auto *buttons = dialog.findChild<QDialogButtonBox *>();
    QVERIFY(buttons);
    QTest::mouseClick(buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
}

void pressButton(QDialog *dialog, QDialogButtonBox::StandardButton which)
{
    QTest::mouseClick(dialog->findChild<QDialogButtonBox *>()->button(which), Qt::LeftButton);
}

// The entry at row selected and its own sub-criteria opened: the dialog one level down.
SubcriteriaDialog *openNested(SubcriteriaDialog *dialog, int row)
{
    find<QListWidget>(dialog, "SubcriteriaList")->setCurrentRow(row);
    QTest::mouseClick(find<QPushButton>(dialog, "NestedSubcriteriaBtn"), Qt::LeftButton);
    auto *nested = qobject_cast<SubcriteriaDialog *>(QApplication::activeModalWidget());
    return nested != dialog ? nested : nullptr;
}

// Criteria given this many sub-criteria, in order.
using TreeShape = QList<QPair<CriterionPath, int>>;

QStringList names(int count)
{
    QStringList list;
    for (int i = 0; i < count; ++i)
        list << QStringLiteral("П%1").arg(i + 1);
    return list;
}

} // namespace

class TstSubcriteriaDialog : public QObject
{
    Q_OBJECT
private slots:
    void namesTypedBecomeOneStep();
    void tooFewStayInTheDialog();
    void removingAllMakesALeaf();
    void thirdLevelGetsSubcriteriaAsOneStep();
    void cancelOneLevelDownKeepsTheLevelAbove();
    void nestingRefusedAtTheLimits_data();
    void nestingRefusedAtTheLimits();
    void removedSubcriterionTakesItsJudgementsAlong();
};

void TstSubcriteriaDialog::namesTypedBecomeOneStep()
{
    Decision decision;
    decision.startNew(3, 3, QString());
    SubcriteriaDialog dialog(&decision, {2});
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    addByKeyboard(dialog, QStringLiteral("Активная"));
    addByKeyboard(dialog, QStringLiteral("Пассивная"));
    addByKeyboard(dialog, QStringLiteral("Рейтинг"));
    // The second one goes again, by mouse.
    auto *list = find<QListWidget>(&dialog, "SubcriteriaList");
    list->setCurrentRow(1);
    QTest::mouseClick(find<QPushButton>(&dialog, "RemoveSubcriterionBtn"), Qt::LeftButton);
    QCOMPARE(dialog.names(), QStringList({"Активная", "Рейтинг"}));
    QCOMPARE(decision.undoStack()->count(), 0);
    pressOk(dialog);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(decision.hierarchy().pathText({2, 1}), QStringLiteral("Критерий 3 › Рейтинг"));
    QCOMPARE(decision.leafCount(), 4);
    QCOMPARE(decision.undoStack()->count(), 1);
    decision.undo();
    QVERIFY(decision.hierarchy().isFlat());
}

void TstSubcriteriaDialog::tooFewStayInTheDialog()
{
    Decision decision;
    decision.startNew(3, 3, QString());
    SubcriteriaDialog dialog(&decision, {0});
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    addByKeyboard(dialog, QStringLiteral("Одна"));
    dialog.accept();
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.message(), QStringLiteral("Подкритериев должно быть от 2 до 15"));
    // A screen reader hears why the dialog stays, and knows which list it is in.
    QCOMPARE(dialog.findChild<QLabel *>("SubcriteriaMessage")->accessibleDescription(), dialog.message());
    QCOMPARE(dialog.findChild<QListWidget *>("SubcriteriaList")->accessibleName(), QStringLiteral("Подкритерии «Критерий 1»"));
    QCOMPARE(dialog.names(), QStringList({"Одна"}));
    QCOMPARE(decision.undoStack()->count(), 0);
}

void TstSubcriteriaDialog::removingAllMakesALeaf()
{
    Decision decision;
    decision.startNew(3, 3, QString());
    QVERIFY(decision.setSubcriteria({1}, {"Сборка", "Материалы"}));
    SubcriteriaDialog dialog(&decision, {1});
    dialog.show();
    QTest::mouseClick(find<QPushButton>(&dialog, "RemoveAllSubcriteriaBtn"), Qt::LeftButton);
    dialog.accept();
    QVERIFY(!dialog.isVisible());
    QVERIFY(decision.hierarchy().isFlat());
    QCOMPARE(decision.document().alternativesJudgements.size(), 3);
    QCOMPARE(decision.undoStack()->count(), 2);
}

void TstSubcriteriaDialog::thirdLevelGetsSubcriteriaAsOneStep()
{
    Decision decision;
    decision.startNew(3, 3, QString());
    QVERIFY(decision.setSubcriteria({0}, {"Качество", "Цена"}));
    QVERIFY(decision.setSubcriteria({0, 0}, {"Сборка", "Материалы"}));
    const DecisionDocument before = decision.document();
    const int steps = decision.undoStack()->count();
    SubcriteriaDialog dialog(&decision, {0});
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    SubcriteriaDialog *second = openNested(&dialog, 0);
    QVERIFY(second);
    QCOMPARE(second->names(), QStringList({"Сборка", "Материалы"}));
    SubcriteriaDialog *third = openNested(second, 1);
    QVERIFY(third);
    QVERIFY(QTest::qWaitForWindowActive(third));
    addByKeyboard(*third, QStringLiteral("Металл"));
    addByKeyboard(*third, QStringLiteral("Пластик"));
    pressOk(*third);
    QCOMPARE(second->shownText(1), QStringLiteral("Материалы ▸ 2"));
    QCOMPARE(second->shownText(0), QStringLiteral("Сборка"));
    pressOk(*second);
    QCOMPARE(dialog.shownText(0), QStringLiteral("Качество ▸ 2"));
    // Nothing reaches the decision before the outermost OK.
    QCOMPARE(decision.undoStack()->count(), steps);
    pressOk(dialog);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(decision.hierarchy().pathText({0, 0, 1, 1}), QStringLiteral("Критерий 1 › Качество › Материалы › Пластик"));
    QCOMPARE(decision.leafCount(), 6);
    QCOMPARE(decision.document().alternativesJudgements.size(), 6);
    QCOMPARE(decision.undoStack()->count(), steps + 1);
    decision.undo();
    QVERIFY(decision.document() == before);
}

void TstSubcriteriaDialog::cancelOneLevelDownKeepsTheLevelAbove()
{
    Decision decision;
    decision.startNew(3, 3, QString());
    SubcriteriaDialog dialog(&decision, {1});
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    addByKeyboard(dialog, QStringLiteral("Сборка"));
    addByKeyboard(dialog, QStringLiteral("Материалы"));
    SubcriteriaDialog *second = openNested(&dialog, 0);
    QVERIFY(second);
    QVERIFY(QTest::qWaitForWindowActive(second));
    addByKeyboard(*second, QStringLiteral("Швы"));
    addByKeyboard(*second, QStringLiteral("Зазоры"));
    SubcriteriaDialog *third = openNested(second, 0);
    QVERIFY(third);
    QVERIFY(QTest::qWaitForWindowActive(third));
    addByKeyboard(*third, QStringLiteral("Пропало"));
    addByKeyboard(*third, QStringLiteral("Тоже"));
    pressButton(third, QDialogButtonBox::Cancel);
    QCOMPARE(second->names(), QStringList({"Швы", "Зазоры"}));
    QCOMPARE(second->shownText(0), QStringLiteral("Швы"));
    pressOk(*second);
    pressOk(dialog);
    const Hierarchy tree = decision.hierarchy();
    QCOMPARE(tree.pathText({1, 0, 1}), QStringLiteral("Критерий 2 › Сборка › Зазоры"));
    QVERIFY(!tree.node({1, 0, 0})->hasSubcriteria());
    QVERIFY(!tree.node({1, 1})->hasSubcriteria());
    QCOMPARE(decision.leafCount(), 5);
}

void TstSubcriteriaDialog::nestingRefusedAtTheLimits_data()
{
    QTest::addColumn<TreeShape>("tree");
    QTest::addColumn<CriterionPath>("opened");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("refusal");
    QTest::newRow("third level") << TreeShape{{{0}, 2}, {{0, 0}, 2}} << CriterionPath{0, 0} << 1 << QString();
    QTest::newRow("fourth level") << TreeShape{{{0}, 2}, {{0, 0}, 2}, {{0, 0, 0}, 2}} << CriterionPath{0, 0, 0} << 0
                                  << QStringLiteral("Критериев может быть не больше 4 уровней");
    QTest::newRow("49 leaves") << TreeShape{{{0}, 15}, {{1}, 15}, {{2}, 15}, {{0, 0}, 5}} << CriterionPath{1} << 3 << QString();
    QTest::newRow("50 leaves") << TreeShape{{{0}, 15}, {{1}, 15}, {{2}, 15}, {{0, 0}, 6}} << CriterionPath{1} << 3
                               << QStringLiteral("Критериев без подкритериев может быть не больше 50");
    // Sub-criteria already there may be edited: that need not add a leaf.
    QTest::newRow("50 leaves, one with sub-criteria") << TreeShape{{{0}, 15}, {{1}, 15}, {{2}, 15}, {{0, 0}, 6}}
                                                      << CriterionPath{0} << 0 << QString();
}

void TstSubcriteriaDialog::nestingRefusedAtTheLimits()
{
    QFETCH(TreeShape, tree);
    QFETCH(CriterionPath, opened);
    QFETCH(int, row);
    QFETCH(QString, refusal);
    Decision decision;
    decision.startNew(3, 3, QString());
    for (const auto &node : tree)
        QVERIFY(decision.setSubcriteria(node.first, names(node.second)));
    SubcriteriaDialog dialog(&decision, opened);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    find<QListWidget>(&dialog, "SubcriteriaList")->setCurrentRow(row);
    auto *nested = find<QPushButton>(&dialog, "NestedSubcriteriaBtn");
    QCOMPARE(nested->isEnabled(), refusal.isEmpty());
    QCOMPARE(nested->toolTip(), refusal);
    QTest::mouseClick(nested, Qt::LeftButton);
    auto *open = qobject_cast<QDialog *>(QApplication::activeModalWidget());
    QCOMPARE(open != nullptr, refusal.isEmpty());
    if (open)
        open->reject();
}

void TstSubcriteriaDialog::removedSubcriterionTakesItsJudgementsAlong()
{
    Decision decision;
    decision.startNew(3, 3, QString());
    QVERIFY(decision.setSubcriteria({1}, {"А", "Б", "В"}));
    QVERIFY(decision.setSubcriteria({1, 1}, {"Б1", "Б2"}));
    // Leaves: Критерий 1, А, Б1, Б2, В, Критерий 3; every one's matrix told apart by its cell.
    for (int leaf = 0; leaf < decision.leafCount(); ++leaf)
        decision.setJudgements(leaf, {CellEdit{0, 1, QString::number(leaf + 2)}});
    decision.setJudgements(subcriteriaMatrix(0), {CellEdit{0, 2, QStringLiteral("7")}});
    const DecisionDocument before = decision.document();
    SubcriteriaDialog dialog(&decision, {1});
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    find<QListWidget>(&dialog, "SubcriteriaList")->setCurrentRow(1);
    QTest::mouseClick(find<QPushButton>(&dialog, "RemoveSubcriterionBtn"), Qt::LeftButton);
    pressOk(dialog);
    QCOMPARE(decision.hierarchy().pathText({1, 1}), QStringLiteral("Критерий 2 › В"));
    QVERIFY(!decision.hierarchy().node({1, 1})->hasSubcriteria());
    // "В" keeps its own judgements where "Б" was; "Б1" and "Б2" are gone.
    QCOMPARE(decision.leafCount(), 4);
    QCOMPARE(decision.judgement(2, 0, 1), QStringLiteral("6"));
    QCOMPARE(decision.judgement(3, 0, 1), QStringLiteral("7"));
    QCOMPARE(decision.judgement(subcriteriaMatrix(0), 0, 1), QStringLiteral("7"));
    decision.undo();
    QVERIFY(decision.document() == before);
}

QTEST_MAIN(TstSubcriteriaDialog)
#include "tst_subcriteriadialog.moc"
