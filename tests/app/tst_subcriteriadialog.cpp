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

} // namespace

class TstSubcriteriaDialog : public QObject
{
    Q_OBJECT
private slots:
    void namesTypedBecomeOneStep();
    void tooFewStayInTheDialog();
    void removingAllMakesALeaf();
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

QTEST_MAIN(TstSubcriteriaDialog)
#include "tst_subcriteriadialog.moc"
