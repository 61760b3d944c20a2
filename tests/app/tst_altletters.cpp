// Alt with a letter that no control answers to types nothing into the person's name, a count or
// a criterion's name. The letters that the captions give keep working, and Control with Alt
// (AltGr on some desktops) still types. (The grids keep their own rules for such keys.)

#include "app_helpers.h"

#include <QLineEdit>
#include <QListWidget>

using namespace WindowTest;

namespace {
// A key pressed and released on the control that has the focus, with the character it types,
// as the keyboard sends it (a caption's shortcut is looked for first).
void pressOnFocus(Qt::Key key, const QString &text, Qt::KeyboardModifiers modifiers)
{
    QWidget *target = QApplication::focusWidget();
    QVERIFY(target);
    QTest::sendKeyEvent(QTest::Press, target, key, text, modifiers);
    QTest::sendKeyEvent(QTest::Release, target, key, text, modifiers);
}
}

class TstAltLetters : public QObject
{
    Q_OBJECT
private slots:
    void titlePage()
    {
        auto form = openWindow();
        auto *name = find<QLineEdit>(form.get(), "StudentName");
        name->setFocus(Qt::TabFocusReason);
        QVERIFY(type(QStringLiteral("Иван")));

        // "&Назад" is disabled on the title page, so its letter is answered by nothing.
        pressOnFocus(Qt::Key(0x41d), QStringLiteral("н"), Qt::AltModifier);
        pressOnFocus(Qt::Key_Q, QStringLiteral("q"), Qt::AltModifier);
        pressOnFocus(Qt::Key_Q, QStringLiteral("Q"), Qt::AltModifier | Qt::ShiftModifier);
        QCOMPARE(name->text(), QStringLiteral("Иван"));
        QCOMPARE(page(form.get()), int(Wizard::TitlePage));

        // Control with Alt is how some desktops type what the key's third level holds.
        pressOnFocus(Qt::Key_Q, QStringLiteral("@"), Qt::ControlModifier | Qt::AltModifier);
        QCOMPARE(name->text(), QStringLiteral("Иван@"));

        auto *criteria = find<QLineEdit>(form.get(), "Kriters");
        criteria->setFocus(Qt::TabFocusReason);
        const QString count = criteria->text();
        pressOnFocus(Qt::Key_5, QStringLiteral("5"), Qt::AltModifier);
        QCOMPARE(criteria->text(), count);

        // A caption's letter still does what it says (a button pressed by its letter lets go a
        // moment later).
        pressOnFocus(Qt::Key(0x412), QStringLiteral("в"), Qt::AltModifier);
        QTRY_COMPARE(page(form.get()), int(Wizard::NamesPage));
        QVERIFY(errors().isEmpty());
    }

    void namesPage()
    {
        auto form = openWindow();
        QVERIFY(click(find<QPushButton>(form.get(), "NextBtn")));
        auto *name = find<QLineEdit>(form.get(), "ChoiceName");
        name->setFocus(Qt::TabFocusReason);
        name->selectAll();
        QVERIFY(type(QStringLiteral("Цена")));
        pressOnFocus(Qt::Key(0x416), QStringLiteral("ж"), Qt::AltModifier);
        pressOnFocus(Qt::Key_Q, QStringLiteral("q"), Qt::AltModifier);
        QVERIFY(pressKey(Qt::Key_Return));
        QCOMPARE(find<QListWidget>(form.get(), "Choices")->item(0)->text(), QStringLiteral("Цена"));
        QVERIFY(errors().isEmpty());
    }
};

ANALYZE_WINDOW_TEST_MAIN(TstAltLetters)
#include "tst_altletters.moc"
