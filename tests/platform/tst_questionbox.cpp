#include "platform/questionbox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>

class TstQuestionBox : public QObject
{
    Q_OBJECT

private slots:
    void responderAnswersInsteadOfThePerson();
    void theBox_data();
    void theBox();
};

void TstQuestionBox::responderAnswersInsteadOfThePerson()
{
    QStringList asked;
    QVERIFY(!QuestionBox::setResponder([&asked](const QString &text, const QString &caption) {
        asked << text << caption;
        return caption == QStringLiteral("Печать");
    }));
    QVERIFY(QuestionBox::ask(QStringLiteral("Страница будет распечатана"), QStringLiteral("Печать")));
    QVERIFY(!QuestionBox::ask(QStringLiteral("Другое"), QStringLiteral("Вопрос")));
    QCOMPARE(asked, (QStringList{"Страница будет распечатана", "Печать", "Другое", "Вопрос"}));
    QVERIFY(QuestionBox::setResponder({}));
}

void TstQuestionBox::theBox_data()
{
    QTest::addColumn<int>("key");      // 0: a click on the button below
    QTest::addColumn<int>("button");
    QTest::addColumn<bool>("result");

    QTest::newRow("Yes") << 0 << int(QMessageBox::Yes) << true;
    QTest::newRow("No") << 0 << int(QMessageBox::No) << false;
    QTest::newRow("Enter takes the default, Yes") << int(Qt::Key_Return) << 0 << true;
    QTest::newRow("Escape means No") << int(Qt::Key_Escape) << 0 << false;
}

void TstQuestionBox::theBox()
{
    QFETCH(int, key);
    QFETCH(int, button);
    QFETCH(bool, result);

    QStringList seen;
    QMessageBox::StandardButtons buttons;
    std::function<void()> answer = [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box) {
            QTimer::singleShot(10, this, answer);
            return;
        }
        seen << box->text() << box->windowTitle();
        buttons = box->standardButtons();
        if (box->icon() != QMessageBox::Question)
            seen << QStringLiteral("not a question");
        if (key)
            QTest::keyClick(box, Qt::Key(key));
        else
            box->button(QMessageBox::StandardButton(button))->click();
    };
    QTimer::singleShot(0, this, answer);

    QCOMPARE(QuestionBox::ask(QStringLiteral("Страница будет распечатана"), QStringLiteral("Печать")), result);
    QCOMPARE(seen, (QStringList{"Страница будет распечатана", "Печать"}));
    QCOMPARE(buttons, QMessageBox::Yes | QMessageBox::No);
}

QTEST_MAIN(TstQuestionBox)
#include "tst_questionbox.moc"
