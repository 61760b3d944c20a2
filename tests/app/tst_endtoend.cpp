// One whole decision made through the window as a person makes it: counts with the spin
// arrows, names typed and confirmed with Enter, every judgement typed into its cell and
// mirrored with Enter, forward through every page to the decision sentence.

#include "app_helpers.h"
#include "app/pagetexts.h"

#include "platform/stringgrid.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

using namespace WindowTest;

class TstEndToEnd : public QObject
{
    Q_OBJECT
private slots:
    void wholeDecision();
};

void TstEndToEnd::wholeDecision()
{
    auto form = openWindow();
    screenshot(form.get(), QStringLiteral("0-title"));

    // Ten of each down to three, with the lower arrows of the spin controls.
    auto *upDownKrit = find<UpDown>(form.get(), "UpDownKrit");
    auto *upDownAlt = find<UpDown>(form.get(), "UpDownAlt");
    for (int i = 0; i < 7; ++i) {
        QTest::mouseClick(upDownKrit, Qt::LeftButton, Qt::NoModifier, QPoint(8, 20));
        QTest::mouseClick(upDownAlt, Qt::LeftButton, Qt::NoModifier, QPoint(8, 20));
    }
    QCOMPARE(find<QLineEdit>(form.get(), "Kriters")->text(), QStringLiteral("3"));
    QCOMPARE(find<QLineEdit>(form.get(), "Alters")->text(), QStringLiteral("3"));
    replaceText(find<QLineEdit>(form.get(), "StudentName"), QStringLiteral("Иванов И.И."));

    click(find<QPushButton>(form.get(), "NextBtn"));
    QCOMPARE(page(form.get()), 1);

    auto *choiceName = find<QLineEdit>(form.get(), "ChoiceName");
    for (const QString &name : {QStringLiteral("Цена"), QStringLiteral("Качество"), QStringLiteral("Сервис")}) {
        replaceText(choiceName, name);
        pressKey(Qt::Key_Return);
    }
    auto *choiceAlt = find<QLineEdit>(form.get(), "ChoiceAlt");
    for (const QString &name : {QStringLiteral("Альфа"), QStringLiteral("Бета"), QStringLiteral("Гамма")}) {
        replaceText(choiceAlt, name);
        pressKey(Qt::Key_Return);
    }
    auto *choices = find<QListWidget>(form.get(), "Choices");
    QCOMPARE(choices->item(2)->text(), QStringLiteral("Сервис"));
    QCOMPARE(find<QListWidget>(form.get(), "AltList")->item(0)->text(), QStringLiteral("Альфа"));
    screenshot(form.get(), QStringLiteral("1-names"));

    click(find<QPushButton>(form.get(), "NextBtn"));
    QCOMPARE(page(form.get()), 2);
    auto *choiceTab = find<StringGrid>(form.get(), "ChoiceTab");
    QCOMPARE(choiceTab->cell(2, 0), QStringLiteral("Качество"));
    QCOMPARE(choiceTab->cell(0, 3), QStringLiteral("Сервис"));
    QVERIFY(enterMatrix(choiceTab, {{"3", "5"}, {"3"}}));
    QCOMPARE(choiceTab->cell(1, 2), QStringLiteral("1/3"));
    QCOMPARE(choiceTab->cell(1, 3), QStringLiteral("1/5"));
    QCOMPARE(choiceTab->cell(2, 3), QStringLiteral("1/3"));

    click(find<QPushButton>(form.get(), "NextBtn"));
    QCOMPARE(page(form.get()), 3);
    QCOMPARE(choiceTab->cell(4, 1), QStringLiteral("0.63698557"));
    QCOMPARE(choiceTab->cell(4, 2), QStringLiteral("0.25828499"));
    QCOMPARE(choiceTab->cell(4, 3), QStringLiteral("0.10472943"));
    QCOMPARE(find<QLineEdit>(form.get(), "RndCoordEdit")->text(), QStringLiteral("0.58"));
    QCOMPARE(find<QLineEdit>(form.get(), "IdxCoordEdit")->text(), QStringLiteral("0.01925555"));
    QCOMPARE(find<QLineEdit>(form.get(), "RatioCoordEdit")->text(), QStringLiteral("0.03319922"));

    auto *compTab = find<StringGrid>(form.get(), "CompTab");
    auto *nextMatrix = find<QPushButton>(form.get(), "NextMatrixBtn");
    QCOMPARE(find<QLineEdit>(form.get(), "ChoiceName2")->text(), QStringLiteral("Цена"));
    QVERIFY(enterMatrix(compTab, {{"3", "5"}, {"3"}}));
    screenshot(form.get(), QStringLiteral("3-alternatives"));
    click(nextMatrix);
    QCOMPARE(find<QLineEdit>(form.get(), "ChoiceName2")->text(), QStringLiteral("Качество"));
    QVERIFY(enterMatrix(compTab, {{"1", "1"}, {"1"}}));
    click(nextMatrix);
    QCOMPARE(find<QLineEdit>(form.get(), "ChoiceName2")->text(), QStringLiteral("Сервис"));
    QVERIFY(!nextMatrix->isEnabled());
    QVERIFY(enterMatrix(compTab, {{"1/3", "1/5"}, {"1/3"}}));
    QCOMPARE(compTab->cell(1, 3), QStringLiteral("5"));

    click(find<QPushButton>(form.get(), "NextBtn"));
    QCOMPARE(page(form.get()), 4);
    QVERIFY(!find<QPushButton>(form.get(), "NextBtn")->isEnabled());
    screenshot(form.get(), QStringLiteral("4-result"));

    auto *globTab = find<StringGrid>(form.get(), "GlobTab");
    QCOMPARE(globTab->cell(1, 0), QStringLiteral("Цена"));
    QCOMPARE(globTab->cell(3, 0), QStringLiteral("Сервис"));
    QCOMPARE(globTab->cell(0, 2), QStringLiteral("B"));
    QCOMPARE(globTab->cell(1, 1), QStringLiteral("0.63698557"));
    QCOMPARE(globTab->cell(2, 1), QStringLiteral("0.33333333"));
    QCOMPARE(globTab->cell(3, 3), QStringLiteral("0.63698557"));

    auto *globales = find<StringGrid>(form.get(), "Globales");
    QCOMPARE(globales->cell(0, 1), GlobalValueHeader.text());
    QCOMPARE(globales->cell(1, 1), QStringLiteral("0.50281387"));
    QCOMPARE(globales->cell(2, 1), QStringLiteral("0.27766885"));
    QCOMPARE(globales->cell(3, 1), QStringLiteral("0.21951727"));
    QCOMPARE(find<QLabel>(form.get(), "Decision")->text(),
             QStringLiteral("Для Вашей задачи наиболее оптимальна альтернатива A -'Альфа'"));
    QVERIFY(!find<QLabel>(form.get(), "WarnMess")->isVisible());

    // Back to the criteria page and forward again: every matrix is computed afresh from what
    // was typed, and the decision stands.
    click(find<QPushButton>(form.get(), "PriorBtn"));
    click(find<QPushButton>(form.get(), "PriorBtn"));
    QCOMPARE(page(form.get()), 2);
    QCOMPARE(choiceTab->cell(2, 1), QStringLiteral("3"));
    click(find<QPushButton>(form.get(), "NextBtn"));
    QCOMPARE(page(form.get()), 3);
    QCOMPARE(find<QLineEdit>(form.get(), "ChoiceName2")->text(), QStringLiteral("Сервис"));
    QCOMPARE(compTab->cell(1, 3), QStringLiteral("5"));
    click(find<QPushButton>(form.get(), "NextBtn"));
    QCOMPARE(page(form.get()), 4);
    QCOMPARE(globTab->cell(1, 1), QStringLiteral("0.63698557"));
    QCOMPARE(globales->cell(1, 1), QStringLiteral("0.50281387"));
    QCOMPARE(globales->cell(2, 1), QStringLiteral("0.27766885"));
    QCOMPARE(globales->cell(3, 1), QStringLiteral("0.21951727"));
    QCOMPARE(find<QLabel>(form.get(), "Decision")->text(),
             QStringLiteral("Для Вашей задачи наиболее оптимальна альтернатива A -'Альфа'"));
    QVERIFY(errors().isEmpty());
}

ANALYZE_WINDOW_TEST_MAIN(TstEndToEnd)
#include "tst_endtoend.moc"
