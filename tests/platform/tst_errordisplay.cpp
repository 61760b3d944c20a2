#include "platform/errordisplay.h"
#include "platform/platformerror.h"
#include "platform/programidentity.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <stdexcept>

class TstErrorDisplay : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void guardedShowsWhatEscapes_data();
    void guardedShowsWhatEscapes();

    void withoutSinkShowsCriticalBoxOverActiveWindow();

private:
    QStringList m_shown;
};

void TstErrorDisplay::init()
{
    m_shown.clear();
    ErrorDisplay::setSink([this](const QString &message) { m_shown << message; });
}

void TstErrorDisplay::cleanup()
{
    ErrorDisplay::setSink({});
}

enum class Escape { Nothing, PlatformFailure, StandardException, SomethingElse };
Q_DECLARE_METATYPE(Escape)

void TstErrorDisplay::guardedShowsWhatEscapes_data()
{
    QTest::addColumn<Escape>("escape");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("completed");
    QTest::addColumn<QStringList>("shown");

    QTest::newRow("body runs through")
        << Escape::Nothing << QString() << true << QStringList();
    QTest::newRow("platform failure, own message")
        << Escape::PlatformFailure << QStringLiteral("Не удалось сохранить имя пользователя")
        << false << QStringList{QStringLiteral("Не удалось сохранить имя пользователя")};
    QTest::newRow("standard exception, UTF-8 text")
        << Escape::StandardException << QStringLiteral("'12,5' не является числом") << false
        << QStringList{QStringLiteral("'12,5' не является числом")};
    QTest::newRow("anything else shows an empty message")
        << Escape::SomethingElse << QString() << false << QStringList{QString()};
}

void TstErrorDisplay::guardedShowsWhatEscapes()
{
    QFETCH(Escape, escape);
    QFETCH(QString, text);
    QFETCH(bool, completed);
    QFETCH(QStringList, shown);

    bool bodyRan = false;
    const bool result = ErrorDisplay::guarded([&] {
        bodyRan = true;
        switch (escape) {
        case Escape::Nothing:
            return;
        case Escape::PlatformFailure:
            throw PlatformError(text);
        case Escape::StandardException:
            throw std::runtime_error(text.toStdString());
        case Escape::SomethingElse:
            throw 42;
        }
    });

    QVERIFY(bodyRan);
    QCOMPARE(result, completed);
    QCOMPARE(m_shown, shown);
}

void TstErrorDisplay::withoutSinkShowsCriticalBoxOverActiveWindow()
{
    // Handing back the capturing sink is what lets a test restore the box.
    QVERIFY(ErrorDisplay::setSink({}));
    ProgramIdentity::setTitle(QStringLiteral("Анализ иерархий"));

    QWidget window;
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));

    struct SeenBox {
        bool seen = false;
        QString text;
        QString title;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QWidget *parent = nullptr;
    } box;
    QTimer::singleShot(0, this, [&box] {
        auto *shown = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!shown)
            return;
        box = {true, shown->text(), shown->windowTitle(), shown->icon(), shown->parentWidget()};
        shown->button(QMessageBox::Ok)->click();
    });
    ErrorDisplay::show(QStringLiteral("Принтер не отвечает"));

    QVERIFY(box.seen);
    QCOMPARE(box.text, QStringLiteral("Принтер не отвечает"));
    QCOMPARE(box.icon, QMessageBox::Critical);
    QCOMPARE(box.title, QStringLiteral("Анализ иерархий"));
    QCOMPARE(box.parent, &window);
}

QTEST_MAIN(TstErrorDisplay)

#include "tst_errordisplay.moc"
