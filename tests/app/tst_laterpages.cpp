// The window as the program starts it: the title page alone, at the size the whole wizard took at
// an earlier start, and the four later pages built when first needed (a move forward, a file, a
// menu, a shortcut, an undo), looking and working as those of a window built whole.

#include "app_helpers.h"

#include "app/documentcontroller.h"
#include "app/translations.h"
#include "document/decisionfile.h"
#include "platform/settingsstore.h"
#include "platform/stringgrid.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStackedWidget>

using namespace WindowTest;

namespace {
std::unique_ptr<TMainForm> openQuickWindow()
{
    auto form = std::make_unique<TMainForm>(nullptr, TMainForm::PageBuilding::LaterPagesWhenNeeded);
    form->show();
    form->activateWindow();
    if (!QTest::qWaitForWindowActive(form.get()))
        qWarning("the main window did not become active");
    return form;
}

QString settingsFile()
{
    return configHome() + QStringLiteral("/Orvasta/Analyse.conf");
}

// The picture of the page on the screen, the window's frame and title left out.
QImage pagePicture(TMainForm *form)
{
    return form->centralWidget()->grab().toImage();
}
}

class TstLaterPages : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        QFile::remove(settingsFile());
        errors().clear();
    }

    void firstStartBuildsEveryPageAndRemembersTheSize()
    {
        auto form = openQuickWindow();
        QVERIFY(form->pagesBuilt());
        QFile file(settingsFile());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().contains("WindowSize="));
        auto whole = openWindow();
        QCOMPARE(form->size(), whole->size());
        // The next start finds it.
        auto next = openQuickWindow();
        QVERIFY(!next->pagesBuilt());
        QCOMPARE(next->size(), whole->size());
        QVERIFY(errors().isEmpty());
    }

    void laterPagesLookAsWhenBuiltAtOnce()
    {
        openQuickWindow();
        // The same walk in each window, alone on the screen: the title page, the criteria page,
        // the alternatives page, and back on the names page.
        const auto walk = [](TMainForm *form) {
            QList<QImage> pictures{pagePicture(form)};
            QSize size = form->size();
            [&] {
                QVERIFY(goToCriteriaPage(form, 5, 4));
                QVERIFY(form->pagesBuilt());
                pictures << pagePicture(form);
                QVERIFY(enterMatrix(find<StringGrid>(form, "ChoiceTab"), uniformUpper(5, QStringLiteral("3"))));
                QVERIFY(click(find<QPushButton>(form, "NextBtn")));
                QCOMPARE(page(form), 3);
                pictures << pagePicture(form);
                QVERIFY(click(find<QPushButton>(form, "PriorBtn")));
                QVERIFY(click(find<QPushButton>(form, "PriorBtn")));
                pictures << pagePicture(form);
            }();
            return std::make_pair(pictures, size);
        };
        auto quick = openQuickWindow();
        QVERIFY(!quick->pagesBuilt());
        const auto quickWalk = walk(quick.get());
        quick.reset();
        const auto wholeWalk = walk(openWindow().get());
        QCOMPARE(quickWalk.second, wholeWalk.second);
        QCOMPARE(quickWalk.first.size(), 4);
        QCOMPARE(wholeWalk.first.size(), 4);
        for (int i = 0; i < 4; ++i)
            QVERIFY2(quickWalk.first.at(i) == wholeWalk.first.at(i), qPrintable(QString::number(i)));
    }

    // Every way into the later pages from the title page builds them first.
    void everyWayInBuildsThePages()
    {
        openQuickWindow();
        {
            // A file named on the command line or dropped on the window.
            auto form = openQuickWindow();
            QTemporaryDir dir;
            const QString path = dir.filePath(QStringLiteral("three.ahp"));
            {
                auto whole = openWindow();
                QVERIFY(goToAlternativesPage(whole.get(), 3, 3));
                QString error;
                QVERIFY2(saveDecisionFile(path, whole->decision()->document(), &error), qPrintable(error));
            }
            QVERIFY(!form->pagesBuilt());
            QVERIFY(form->openDecisionFile(path));
            QVERIFY(form->pagesBuilt());
            // As far as the file's judgements go: the alternatives, with its first matrix shown.
            QCOMPARE(page(form.get()), 3);
            QCOMPARE(find<StringGrid>(form.get(), "CompTab")->cell(1, 1), QStringLiteral("1"));
        }
        {
            // A menu opened.
            auto form = openQuickWindow();
            QMenu *edit = form->menuBar()->findChild<QMenu *>(QStringLiteral("EditMenu"));
            QVERIFY(edit);
            QMetaObject::invokeMethod(edit, "aboutToShow");
            QVERIFY(form->pagesBuilt());
        }
        {
            // A shortcut: Ctrl+Z takes back a change of the counts.
            auto form = openQuickWindow();
            QVERIFY(clickCountsTo(form.get(), 4, 10));
            QVERIFY(!form->pagesBuilt());
            QVERIFY(pressKey(Qt::Key_Z, Qt::ControlModifier));
            QVERIFY(form->pagesBuilt());
            // One step back of the six: the arrow's last click.
            QCOMPARE(form->criteriaCount(), 5);
            QCOMPARE(page(form.get()), 0);
        }
        {
            // "Создать" and the next move.
            auto form = openQuickWindow();
            form->startNewSession();
            QVERIFY(form->pagesBuilt());
            QVERIFY(click(find<QPushButton>(form.get(), "NextBtn")));
            QCOMPARE(page(form.get()), 1);
        }
        QVERIFY2(errors().isEmpty(), qPrintable(errors().join('\n')));
    }

    // Pages built after a change of language speak the new one.
    void pagesBuiltLaterSpeakTheLanguageOfTheDay()
    {
        openQuickWindow();
        auto form = openQuickWindow();
        QVERIFY(!form->pagesBuilt());
        Translations::apply(Language::English);
        QVERIFY(click(find<QPushButton>(form.get(), "NextBtn")));
        auto whole = openWindow();
        for (const char *name : {"CalcBtn", "Label4", "Label9"})
            QCOMPARE(find<QWidget>(form.get(), name)->property("text"), find<QWidget>(whole.get(), name)->property("text"));
        QCOMPARE(find<QPushButton>(form.get(), "CalcBtn")->text(), QStringLiteral("Calculate &priorities"));
        Translations::apply(Language::Russian);
        QTRY_VERIFY(find<QPushButton>(form.get(), "CalcBtn")->text() != QStringLiteral("Calculate &priorities"));
        QCOMPARE(find<QPushButton>(form.get(), "CalcBtn")->text(), find<QPushButton>(whole.get(), "CalcBtn")->text());
    }

    // The design's faces are asked for by the names of the faces installed for them, as the
    // font database spells them, and are the faces shown.
    void facesNamedAsInstalled()
    {
        auto form = openWindow();
        for (const QFont &font : {QApplication::font(), find<QLabel>(form.get(), "Label19")->font(), find<QLabel>(form.get(), "Decision")->font()}) {
            QVERIFY2(QFontDatabase::families().contains(font.family()), qPrintable(font.family()));
            QCOMPARE(QFontInfo(font).family(), font.family());
        }
    }

    // A size remembered for another screen, font, language or version, or not a size at all,
    // is not taken: the window is built whole, as at a first start.
    void otherOrDamagedSizeIsNotTaken_data()
    {
        QTest::addColumn<QByteArray>("value");
        QTest::newRow("another start") << QByteArray("WindowSize=\"553 705 0.9|Fusion|Arial|800x600|1|1\"");
        QTest::newRow("no numbers") << QByteArray("WindowSize=\"wide high 1.0\"");
        QTest::newRow("too large") << QByteArray("WindowSize=\"99999 705 x\"");
        QTest::newRow("a list") << QByteArray("WindowSize=553, 705");
    }

    void otherOrDamagedSizeIsNotTaken()
    {
        QFETCH(QByteArray, value);
        QDir().mkpath(configHome() + QStringLiteral("/Orvasta"));
        QFile file(settingsFile());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[Software]\nOrvasta\\Analyse\\" + value + "\n");
        file.close();
        auto form = openQuickWindow();
        QVERIFY(form->pagesBuilt());
        QVERIFY(errors().isEmpty());
    }

    // A settings file that cannot be written costs the next start its speed, and nothing else.
    void unwritableSettingsSayNothing()
    {
        QDir().mkpath(configHome() + QStringLiteral("/Orvasta"));
        QDir().mkpath(settingsFile());
        auto form = openQuickWindow();
        QVERIFY(form->pagesBuilt());
        QVERIFY2(errors().isEmpty(), qPrintable(errors().join('\n')));
        QDir(settingsFile()).removeRecursively();
    }
};

ANALYZE_WINDOW_TEST_MAIN(TstLaterPages)
#include "tst_laterpages.moc"
