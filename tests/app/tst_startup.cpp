// The window as it comes up: the title page with today's date, the counts and the remembered
// name, the button bar, every control of every page under its own name, closing without a
// question while nothing was typed, Qt's own dialogs speaking Russian, and the question about a
// crashed session once the window is up.

#include "app_helpers.h"

#include "app/application.h"
#include "app/documentcontroller.h"
#include "app/recoveryfile.h"
#include "platform/errordisplay.h"
#include "platform/programidentity.h"
#include "platform/settingsstore.h"
#include "platform/stringgrid.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QStackedWidget>
#include <QTimer>

using namespace WindowTest;

class TstStartup : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void titlePage();
    void buttonBar();
    void statusTimer();
    void rememberedName_data();
    void rememberedName();
    void unreadableStoreReportedOnce();
    void startsDespiteUnusableStore_data();
    void startsDespiteUnusableStore();
    void controlsByName_data();
    void controlsByName();
    void closeAsksNothing_data();
    void closeAsksNothing();
    void russianStandardButtons();
    void recoveryAskedOnceWindowIsUp();
};

void TstStartup::initTestCase()
{
    // Closing a window must not end the test run.
    QApplication::setQuitOnLastWindowClosed(false);
}

void TstStartup::titlePage()
{
    auto form = openWindow();
    QCOMPARE(page(form.get()), 0);
    QCOMPARE(form->windowTitle(), QStringLiteral("Анализ иерархий"));
    QCOMPARE(ProgramIdentity::title(), QStringLiteral("Анализ иерархий"));
    // No display name for the platform to append to captions such as "Печать".
    QCOMPARE(QGuiApplication::applicationDisplayName(), QCoreApplication::applicationName());

    const QString date = find<QLineEdit>(form.get(), "DataStamp")->text();
    QVERIFY2(QRegularExpression(QStringLiteral("^\\d\\d\\.\\d\\d\\.\\d\\d\\d\\d$")).match(date).hasMatch(), qPrintable(date));
    QCOMPARE(QDate::fromString(date, QStringLiteral("dd.MM.yyyy")), QDate::currentDate());
    QVERIFY(find<QLineEdit>(form.get(), "DataStamp")->isReadOnly());

    QCOMPARE(find<QLineEdit>(form.get(), "Kriters")->text(), QStringLiteral("10"));
    QCOMPARE(find<QLineEdit>(form.get(), "Alters")->text(), QStringLiteral("10"));
    auto *upDownKrit = find<UpDown>(form.get(), "UpDownKrit");
    auto *upDownAlt = find<UpDown>(form.get(), "UpDownAlt");
    QCOMPARE(upDownKrit->position(), 10);
    QCOMPARE(upDownKrit->minimum(), 3);
    QCOMPARE(upDownKrit->maximum(), 15);
    QCOMPARE(upDownAlt->position(), 10);
    QCOMPARE(upDownAlt->minimum(), 3);
    QCOMPARE(upDownAlt->maximum(), 10);
    QVERIFY(!form->model().SessionPrepared);
    QVERIFY(status(form.get()).isEmpty());
}

void TstStartup::buttonBar()
{
    auto form = openWindow();
    QStringList enabled;
    const auto buttons = find<QFrame>(form.get(), "Panel1")->findChildren<QPushButton *>();
    QCOMPARE(buttons.size(), 5);
    for (const QPushButton *button : buttons) {
        if (button->isEnabled())
            enabled << button->objectName();
    }
    enabled.sort();
    QCOMPARE(enabled, QStringList({"BitBtn4", "HelpBtn", "NextBtn"}));
    QVERIFY(find<QLabel>(form.get(), "WarnMess")->isHidden());
    QVERIFY(!find<QPushButton>(form.get(), "PriorMatrixBtn")->isEnabled());
}

void TstStartup::statusTimer()
{
    auto form = openWindow();
    auto *timer = form->findChild<QTimer *>(QStringLiteral("Timer"));
    QVERIFY(timer);
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), 2000);
}

void TstStartup::rememberedName_data()
{
    QTest::addColumn<bool>("stored");
    QTest::addColumn<QString>("name");

    QTest::newRow("no value stored") << false << QString();
    QTest::newRow("Cyrillic name") << true << QStringLiteral("Иванов Иван Иванович");
    QTest::newRow("empty name stored") << true << QString();
    QTest::newRow("blanks at both ends kept") << true << QStringLiteral("  Петров  ");
    QTest::newRow("characters the settings file escapes") << true << QStringLiteral("O'Brien; a=b, \"c\" \\ d #1");
    QTest::newRow("leading at sign") << true << QStringLiteral("@Variant(x)");
    QTest::newRow("longer than an editor's default limit") << true << QString(40000, QChar(u'я')) + QStringLiteral("конец");
}

void TstStartup::rememberedName()
{
    QFETCH(bool, stored);
    QFETCH(QString, name);

    QDir(configHome()).removeRecursively();
    if (stored)
        SettingsStore::writeSignature(name);
    else
        QVERIFY(SettingsStore::readSignature().isEmpty());

    auto form = openWindow();
    QCOMPARE(find<QLineEdit>(form.get(), "StudentName")->text(), name);
    QVERIFY(errors().isEmpty());
}

// A FIFO in place of the settings file would block the start for ever: the window comes up with
// an empty name, says so once, and says nothing more when the name is later left.
void TstStartup::unreadableStoreReportedOnce()
{
    QDir(configHome()).removeRecursively();
    QVERIFY(QDir(configHome()).mkpath(QStringLiteral("Orvasta")));
    QCOMPARE(QProcess::execute(QStringLiteral("mkfifo"), {QDir(configHome()).filePath(QStringLiteral("Orvasta/Analyse.conf"))}), 0);
    errors().clear();

    auto form = openWindow();
    QCOMPARE(errors().size(), 1);
    auto *name = find<QLineEdit>(form.get(), "StudentName");
    QCOMPARE(name->text(), QString());
    replaceText(name, QStringLiteral("Иванов"));
    click(find<QPushButton>(form.get(), "NextBtn"));
    QCOMPARE(page(form.get()), 1);
    QCOMPARE(errors().size(), 1);
    QDir(configHome()).removeRecursively();
    errors().clear();
}

void TstStartup::startsDespiteUnusableStore_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("a link to /dev/zero") << "zero";
    QTest::newRow("a FIFO") << "fifo";
    QTest::newRow("a 2 MB file") << "large";
}

// The program's own start with a settings file it must not read: the message first, then the
// window, which works with an empty name.
void TstStartup::startsDespiteUnusableStore()
{
    QFETCH(QString, kind);

    errors().clear();
    QDir(configHome()).removeRecursively();
    QVERIFY(QDir(configHome()).mkpath(QStringLiteral("Orvasta")));
    const QString store = QDir(configHome()).filePath(QStringLiteral("Orvasta/Analyse.conf"));
    if (kind == "zero") {
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), store));
    } else if (kind == "fifo") {
        QCOMPARE(QProcess::execute(QStringLiteral("mkfifo"), {store}), 0);
    } else {
        QFile file(store);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.resize(2 * 1024 * 1024));
    }

    QStringList shown;
    bool windowBeforeMessage = false;
    const ErrorDisplay::Sink previous = ErrorDisplay::setSink([&](const QString &message) {
        shown << message;
        for (const QWidget *widget : QApplication::topLevelWidgets())
            windowBeforeMessage = windowBeforeMessage || (qobject_cast<const TMainForm *>(widget) && widget->isVisible());
    });
    std::unique_ptr<TMainForm> form;
    try {
        form = startWindow(*qApp, QString());
    } catch (...) {
    }
    ErrorDisplay::setSink(previous);

    QVERIFY(form);
    QCOMPARE(shown.size(), 1);
    QVERIFY2(shown.first().contains(QStringLiteral("не прочитан")), qPrintable(shown.first()));
    QVERIFY(!windowBeforeMessage);
    QVERIFY(form->isVisible());
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    auto *name = find<QLineEdit>(form.get(), "StudentName");
    QCOMPARE(name->text(), QString());
    replaceText(name, QStringLiteral("Иванов"));
    click(find<QPushButton>(form.get(), "NextBtn"));
    QCOMPARE(page(form.get()), 1);
    QVERIFY(errors().isEmpty());
    form.reset();
    QDir(configHome()).removeRecursively();
}

void TstStartup::controlsByName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind");

    const char *const controls[][2] = {
        {"Notebook", "QStackedWidget"}, {"Panel1", "QFrame"}, {"StatusLine", "QStatusBar"},
        {"Timer", "QTimer"},
        {"PrintBtn", "QPushButton"}, {"HelpBtn", "QPushButton"}, {"PriorBtn", "QPushButton"},
        {"NextBtn", "QPushButton"}, {"BitBtn4", "QPushButton"}, {"WarnMess", "QLabel"},
        // title page
        {"Label19", "QLabel"}, {"Label17", "QLabel"}, {"Bevel7", "QFrame"}, {"Label21", "QLabel"},
        {"StudentName", "QLineEdit"}, {"Label22", "QLabel"}, {"DataStamp", "QLineEdit"},
        {"Label42", "QLabel"}, {"Kriters", "QLineEdit"}, {"UpDownKrit", "UpDown"},
        {"Label1", "QLabel"}, {"Label43", "QLabel"}, {"Alters", "QLineEdit"},
        {"UpDownAlt", "UpDown"}, {"Label2", "QLabel"},
        // names page
        {"GroupBox1", "QGroupBox"}, {"Label4", "QLabel"}, {"Choices", "QListWidget"},
        {"Label5", "QLabel"}, {"ChoiceName", "QLineEdit"}, {"GroupBox2", "QGroupBox"},
        {"Label18", "QLabel"}, {"AltList", "QListWidget"}, {"Label33", "QLabel"},
        {"ChoiceAlt", "QLineEdit"},
        // criteria comparison page
        {"ChoiceTab", "StringGrid"}, {"Panel2", "QFrame"}, {"Label15", "QLabel"},
        {"RatioCoordEdit", "QLineEdit"}, {"Label14", "QLabel"}, {"IdxCoordEdit", "QLineEdit"},
        {"Label13", "QLabel"}, {"RndCoordEdit", "QLineEdit"}, {"CalcBtn", "QPushButton"},
        // alternatives comparison page
        {"Panel3", "QFrame"}, {"Label9", "QLabel"}, {"ChoiceName2", "QLineEdit"},
        {"Bevel5", "QFrame"}, {"PriorMatrixBtn", "QPushButton"}, {"NextMatrixBtn", "QPushButton"},
        {"CalcBtn2", "QPushButton"}, {"CompTab", "StringGrid"}, {"Panel4", "QFrame"},
        {"Label12", "QLabel"}, {"RatioCoordEdit2", "QLineEdit"}, {"Label11", "QLabel"},
        {"IdxCoordEdit2", "QLineEdit"}, {"Label10", "QLabel"}, {"RndCoordEdit2", "QLineEdit"},
        // result page
        {"GlobTab", "StringGrid"}, {"Panel6", "QFrame"}, {"Label16", "QLabel"},
        {"Globales", "StringGrid"}, {"Panel5", "QFrame"}, {"Decision", "QLabel"},
    };
    for (const auto &control : controls)
        QTest::newRow(control[0]) << QString::fromLatin1(control[0]) << QString::fromLatin1(control[1]);
}

void TstStartup::controlsByName()
{
    QFETCH(QString, name);
    QFETCH(QString, kind);

    auto form = openWindow();
    const QList<QObject *> found = form->findChildren<QObject *>(name);
    QCOMPARE(found.size(), 1);
    QVERIFY2(found.first()->inherits(kind.toLatin1().constData()),
             qPrintable(name + QStringLiteral(" is a ") + QString::fromLatin1(found.first()->metaObject()->className())));
}

void TstStartup::closeAsksNothing_data()
{
    QTest::addColumn<int>("pageShown");

    QTest::newRow("title page") << 0;
    QTest::newRow("names page") << 1;
    QTest::newRow("criteria page with a judgement typed") << 2;
}

void TstStartup::closeAsksNothing()
{
    QFETCH(int, pageShown);

    auto form = openWindow();
    if (pageShown > 0)
        click(find<QPushButton>(form.get(), "NextBtn"));
    if (pageShown > 1) {
        click(find<QPushButton>(form.get(), "NextBtn"));
        enterJudgement(find<StringGrid>(form.get(), "ChoiceTab"), 2, 1, QStringLiteral("5"));
    }
    QCOMPARE(page(form.get()), pageShown);

    // Any box that opened would block here; note it and close it instead.
    QString modalSeen;
    QTimer watchdog;
    connect(&watchdog, &QTimer::timeout, this, [&modalSeen] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            modalSeen = modal->metaObject()->className();
            modal->close();
        }
    });
    watchdog.start(50);

    const int asked = questionsAsked();
    saveQuestionsAsked() = 0;
    saveAnswer() = SaveQuestion::Answer::Discard;
    click(find<QPushButton>(form.get(), "BitBtn4"));
    QVERIFY(!form->isVisible());
    QCOMPARE(questionsAsked(), asked);
    // Only typed work is worth the question about saving it.
    QCOMPARE(saveQuestionsAsked(), pageShown > 1 ? 1 : 0);
    QVERIFY2(modalSeen.isEmpty(), qPrintable(modalSeen));
    QVERIFY(errors().isEmpty());
}

void TstStartup::russianStandardButtons()
{
    if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_ru.qm")))
        QSKIP("Qt's Russian translation is not installed");
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Да"));
    QMessageBox box;
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(box.button(QMessageBox::Yes)->text(), QStringLiteral("&Да"));
    QCOMPARE(box.button(QMessageBox::No)->text(), QStringLiteral("&Нет"));
}

// Start-up does not wait for the recovery folder or the question: both come from the event loop.
void TstStartup::recoveryAskedOnceWindowIsUp()
{
    QString orphan;
    {
        auto crashed = openWindow();
        goToCriteriaPage(crashed.get(), 3, 3);
        enterJudgement(find<StringGrid>(crashed.get(), "ChoiceTab"), 2, 1, QStringLiteral("7"));
        orphan = crashed->documents()->recoveryPath();
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(orphan), 2500);
    }
    QCOMPARE(RecoveryFile::orphans(), QStringList{orphan});

    printAnswer() = false;
    const int asked = questionsAsked();
    std::unique_ptr<TMainForm> form = startWindow(*qApp, QString());
    QCOMPARE(questionsAsked(), asked);
    QVERIFY(form->isVisible());
    QTRY_COMPARE(questionsAsked(), asked + 1);
    QVERIFY(!QFile::exists(orphan));
    QCOMPARE(page(form.get()), 0);
    QVERIFY(errors().isEmpty());
}

ANALYZE_WINDOW_TEST_MAIN(TstStartup)
#include "tst_startup.moc"
