// The session as a document: saving a whole decision and opening it in a new window, refused
// files, the question before unsaved work goes away, the recovery copy, the recent files and
// the menu bar beside the pages' own shortcuts.

#include "app_helpers.h"
#include "document/smalldisk.h"

#include "app/documentcontroller.h"
#include "app/recoveryfile.h"
#include "app/translations.h"
#include "document/decisionfile.h"
#include "platform/filechooser.h"
#include "platform/questionbox.h"
#include "platform/stringgrid.h"

#include <QAbstractButton>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLockFile>
#include <QMimeData>
#include <QMenuBar>
#include <QProcess>
#include <QRegularExpression>

using namespace WindowTest;

namespace {
const QStringList Values = {"2", "3", "1/3", "5", "1/2", "4", "1/7", "7", "9", "1/5", "8"};

// An upper triangle whose texts differ from cell to cell and from matrix to matrix.
QList<QStringList> variedUpper(int n, int seed)
{
    QList<QStringList> rows;
    for (int i = 0; i < n - 1; ++i) {
        QStringList row;
        for (int j = i + 1; j < n; ++j)
            row << localised(Values.at((seed * 5 + i * 7 + j * 3) % Values.size()));
        rows << row;
    }
    return rows;
}

QStringList texts(const QListWidget *list)
{
    QStringList result;
    for (int i = 0; i < list->count(); ++i)
        result << list->item(i)->text();
    return result;
}

QStringList gridTexts(const StringGrid *grid)
{
    QStringList result;
    for (int row = 0; row < grid->rowCount(); ++row)
        for (int col = 0; col < grid->colCount(); ++col)
            result << grid->cell(col, row);
    return result;
}

// Everything a person reads on the pages that a decision fills.
QStringList screen(const TMainForm *form)
{
    QStringList all = texts(find<QListWidget>(form, "Choices")) + texts(find<QListWidget>(form, "AltList"))
        + gridTexts(find<StringGrid>(form, "ChoiceTab")) + gridTexts(find<StringGrid>(form, "CompTab"))
        + gridTexts(find<StringGrid>(form, "Globales"));
    for (const char *name : {"StudentName", "Kriters", "Alters", "RatioCoordEdit", "RatioCoordEdit2"})
        all << find<QLineEdit>(form, name)->text();
    all << find<QLabel>(form, "Decision")->text() << QString::number(page(form)) << form->windowTitle();
    return all;
}

QAction *action(const TMainForm *form, const char *name)
{
    return find<QAction>(form, name);
}

QString recoveryFolder()
{
    return RecoveryFile::folder();
}

void typeOneJudgement(TMainForm *form)
{
    goToCriteriaPage(form, 3, 3);
    enterJudgement(find<StringGrid>(form, "ChoiceTab"), 2, 1, QStringLiteral("7"));
}

// The recovery copy of a window that dies with unsaved work, its session saved as savedAs first
// (unnamed when empty), its last change at the given time; empty when no copy was written.
QString leaveOrphan(const QString &savedAs, const QDateTime &changed)
{
    auto form = openWindow();
    typeOneJudgement(form.get());
    if (!savedAs.isEmpty()) {
        chosenFiles() = {savedAs};
        form->documents()->save();
    }
    enterJudgement(find<StringGrid>(form.get(), "ChoiceTab"), 3, 1, QStringLiteral("1/4"));
    const QString copy = form->documents()->recoveryPath();
    if (!QTest::qWaitFor([&] { return QFile::exists(copy) && form->documents()->isModified(); }, 2500))
        return QString();
    form->documents()->writeRecovery();
    QFile file(copy);
    if (!file.open(QIODevice::ReadWrite) || !file.setFileTime(changed, QFileDevice::FileModificationTime))
        return QString();
    return copy;
}

// The process whose lock a recovery copy has, or 0.
qint64 lockHolder(const QString &copy)
{
    qint64 pid = 0;
    QString host;
    QString application;
    return QLockFile(copy + QStringLiteral(".lock")).getLockInfo(&pid, &host, &application) ? pid : 0;
}
}

class TstDocuments : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void saveAndReopenWholeDecision();
    void refusedFileLeavesScreen_data();
    void refusedFileLeavesScreen();
    void unsavedQuestion_data();
    void unsavedQuestion();
    void recoveryCopy();
    void recoveryDeclined();
    void recoveredSessionKeepsItsFile();
    void saveQuestionNamesFile_data();
    void saveQuestionNamesFile();
    void newSessionDropsConsistencyWarning();
    void fullDiskKeepsFileAndCopy();
    void recoveryOfferedToOneProgram();
    void recoveryHeldByRunningProgram();
    void saveOverChangedFile_data();
    void saveOverChangedFile();
    void recentFiles();
    void droppedFileOpens();
    void mergeFromMenu_data();
    void mergeFromMenu();
    void mergeDialogSaysWhatToChoose();
    void cleanup() { Translations::apply(Language::Russian); }
    void menuShortcutsFreeOfPageLetters_data();
    void menuShortcutsFreeOfPageLetters();
    void menuItemLettersDiffer_data();
    void menuItemLettersDiffer();
    void printFollowsButton();

private:
    QTemporaryDir m_dir;
    QString file(const QString &name) const { return m_dir.filePath(name); }
};

void TstDocuments::initTestCase()
{
    QApplication::setQuitOnLastWindowClosed(false);
    QVERIFY(m_dir.isValid());
}

void TstDocuments::init()
{
    errors().clear();
    saveAnswer() = SaveQuestion::Answer::Discard;
    saveQuestionsAsked() = 0;
    chosenFiles().clear();
    fileDialogsShown() = 0;
    QDir(recoveryFolder()).removeRecursively();
}

void TstDocuments::saveAndReopenWholeDecision()
{
    const QString path = file(QStringLiteral("whole.ahp"));
    QStringList before;
    {
        auto form = openWindow();
        replaceText(find<QLineEdit>(form.get(), "StudentName"), QStringLiteral("Иванов И.И."));
        clickCountsTo(form.get(), 15, 10);
        click(find<QPushButton>(form.get(), "NextBtn"));
        replaceText(find<QLineEdit>(form.get(), "ChoiceName"), QStringLiteral("Цена"));
        pressKey(Qt::Key_Return);
        replaceText(find<QLineEdit>(form.get(), "ChoiceAlt"), QStringLiteral("Ноутбук & сумка"));
        pressKey(Qt::Key_Return);
        click(find<QPushButton>(form.get(), "NextBtn"));
        enterMatrix(find<StringGrid>(form.get(), "ChoiceTab"), variedUpper(15, 0));
        click(find<QPushButton>(form.get(), "NextBtn"));
        QVERIFY2(page(form.get()) == 3, qPrintable(status(form.get())));
        for (int c = 0; c < 15; ++c) {
            enterMatrix(find<StringGrid>(form.get(), "CompTab"), variedUpper(10, c + 1));
            click(find<QPushButton>(form.get(), c < 14 ? "NextMatrixBtn" : "NextBtn"));
        }
        QCOMPARE(page(form.get()), 4);
        QVERIFY(form->documents()->isModified());
        QTRY_VERIFY(form->isWindowModified());

        chosenFiles() = {path};
        action(form.get(), "SaveAction")->trigger();
        QCOMPARE(fileDialogsShown(), 1);
        QVERIFY(!form->isWindowModified());
        QCOMPARE(form->windowTitle(), QStringLiteral("whole.ahp[*] — Анализ иерархий"));
        before = screen(form.get());
        QVERIFY(form->close());
        QCOMPARE(saveQuestionsAsked(), 0);
    }
    const DecisionReadResult read = readDecisionFile(path);
    QVERIFY2(read.document, qPrintable(read.error));
    QCOMPARE(read.document->criteriaJudgements.at(0).at(1), variedUpper(15, 0).at(0).at(0));
    QCOMPARE(read.document->user, QStringLiteral("Иванов И.И."));
    QCOMPARE(read.document->alternatives.at(0), QStringLiteral("Ноутбук & сумка"));

    auto form = openWindow();
    QVERIFY(form->openDecisionFile(path));
    QCOMPARE(screen(form.get()), before);
    QVERIFY(!form->isWindowModified());
    QVERIFY(errors().isEmpty());
    // Every matrix is back in its store, not only the one the grid shows last.
    click(find<QPushButton>(form.get(), "PriorBtn"));
    for (int c = 13; c >= 0; --c)
        click(find<QPushButton>(form.get(), "PriorMatrixBtn"));
    const QList<QStringList> first = variedUpper(10, 1);
    QCOMPARE(find<StringGrid>(form.get(), "CompTab")->cell(3, 1), first.at(0).at(1));
}

void TstDocuments::refusedFileLeavesScreen_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::newRow("malformed") << QByteArray("{\"format\": \"analyze-decision\", ");
    QTest::newRow("other format") << QByteArray(R"({"format": "other", "version": 1})");
    QTest::newRow("binary") << QByteArray("\x00\x01\x02\xff", 4);
    QTest::newRow("two criteria") << QByteArray(
        R"({"format": "analyze-decision", "version": 1, "user": "", "criteria": ["a", "b"],
            "alternatives": ["x", "y", "z"], "criteriaJudgements": [["1", "2"], ["1/2", "1"]],
            "alternativesJudgements": []})");
}

void TstDocuments::refusedFileLeavesScreen()
{
    QFETCH(QByteArray, contents);
    const QString path = file(QStringLiteral("refused.ahp"));
    QFile out(path);
    QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
    out.write(contents);
    out.close();

    auto form = openWindow();
    typeOneJudgement(form.get());
    const QStringList before = screen(form.get());
    saveAnswer() = SaveQuestion::Answer::Discard;
    QVERIFY(!form->openDecisionFile(path));
    QCOMPARE(screen(form.get()), before);
    QCOMPARE(errors().size(), 1);
    // The whole message, naming the file once.
    QCOMPARE(errors().first(), notOpenedText(QDir::toNativeSeparators(path), readDecision(contents).error));
    QCOMPARE(errors().first().count(QStringLiteral("refused.ahp")), 1);
    QVERIFY(form->documents()->isModified());
}

void TstDocuments::unsavedQuestion_data()
{
    QTest::addColumn<QString>("step");
    QTest::addColumn<bool>("typed");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("sessionGoes");
    QTest::addColumn<bool>("saved");
    using A = SaveQuestion::Answer;
    for (const QString step : {"close", "new", "open"}) {
        const QByteArray s = step.toUtf8();
        QTest::newRow(s + " untouched") << step << false << int(A::Cancel) << true << false;
        QTest::newRow(s + " save") << step << true << int(A::Save) << true << true;
        QTest::newRow(s + " discard") << step << true << int(A::Discard) << true << false;
        QTest::newRow(s + " cancel") << step << true << int(A::Cancel) << false << false;
    }
}

void TstDocuments::unsavedQuestion()
{
    QFETCH(QString, step);
    QFETCH(bool, typed);
    QFETCH(int, answer);
    QFETCH(bool, sessionGoes);
    QFETCH(bool, saved);

    const QString other = file(QStringLiteral("other.ahp"));
    const QString target = file(QStringLiteral("asked.ahp"));
    QFile::remove(target);
    {
        auto writer = openWindow();
        chosenFiles() = {other};
        action(writer.get(), "SaveAction")->trigger();
        QVERIFY(QFile::exists(other));
    }

    auto form = openWindow();
    if (typed)
        typeOneJudgement(form.get());
    else
        clickCountsTo(form.get(), 10, 10);
    saveAnswer() = SaveQuestion::Answer(answer);
    // The save asks for a name first; the open then asks for the file to open.
    chosenFiles() = {saved ? target : other};
    saveQuestionsAsked() = 0;
    fileDialogsShown() = 0;
    const int pageBefore = page(form.get());

    if (step == QLatin1String("close")) {
        QCOMPARE(form->close(), sessionGoes);
        QCOMPARE(form->isVisible(), !sessionGoes);
    } else if (step == QLatin1String("new")) {
        action(form.get(), "NewAction")->trigger();
        QCOMPARE(page(form.get()), sessionGoes ? 0 : pageBefore);
    } else {
        if (saved)
            FileChooser::setResponder([&](const QString &, bool forSaving) {
                ++fileDialogsShown();
                return QStringList{forSaving ? target : other};
            });
        action(form.get(), "OpenAction")->trigger();
        QCOMPARE(form->documents()->filePath() == QFileInfo(other).absoluteFilePath(), sessionGoes);
        if (saved)
            FileChooser::setResponder([](const QString &, bool) {
                ++fileDialogsShown();
                return chosenFiles();
            });
    }
    QCOMPARE(saveQuestionsAsked(), typed ? 1 : 0);
    QCOMPARE(QFile::exists(target), saved);
    // A closed window keeps what it had; a new or opened session starts clean.
    QCOMPARE(form->documents()->isModified(), typed && !(step == QLatin1String("close") ? saved : sessionGoes));
    QVERIFY(errors().isEmpty());
}

void TstDocuments::recoveryCopy()
{
    auto form = openWindow();
    const QString copy = recoveryFolder() + QStringLiteral("/session-killed.ahp");
    typeOneJudgement(form.get());
    QElapsedTimer clock;
    clock.start();
    enterJudgement(find<StringGrid>(form.get(), "ChoiceTab"), 3, 1, QStringLiteral("1/4"));
    const QString recovery = form->documents()->recoveryPath();
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(recovery) && readDecisionFile(recovery).document
                                 && readDecisionFile(recovery).document->criteriaJudgements.at(0).at(2) == "1/4",
                             2500);
    QVERIFY2(clock.elapsed() <= 2000, qPrintable(QString::number(clock.elapsed())));
    // The window dies without closing: its copy is what the next start finds.
    QVERIFY(QFile::copy(recovery, copy));
    QVERIFY(!RecoveryFile::orphans().contains(recovery));

    auto next = openWindow();
    printAnswer() = true;
    const int asked = questionsAsked();
    next->documents()->offerRecovery();
    QCOMPARE(questionsAsked(), asked + 1);
    // Forward as far as the judgements go: the empty cell keeps it on the criteria page.
    QCOMPARE(page(next.get()), 2);
    QCOMPARE(find<StringGrid>(next.get(), "ChoiceTab")->cell(3, 1), QStringLiteral("1/4"));
    QVERIFY(next->documents()->filePath().isEmpty());
    QVERIFY(next->isWindowModified());
    QCOMPARE(next->windowTitle(), QStringLiteral("Без имени[*] — Анализ иерархий"));
    QVERIFY(!QFile::exists(copy));
    QVERIFY(QFile::exists(next->documents()->recoveryPath()));

    // A normal close takes the copy away.
    saveAnswer() = SaveQuestion::Answer::Discard;
    QVERIFY(form->close());
    QVERIFY(!QFile::exists(recovery));
    QVERIFY(next->close());
    QVERIFY(!QFile::exists(next->documents()->recoveryPath()));
    QVERIFY(RecoveryFile::orphans().isEmpty());
    printAnswer() = false;
}

void TstDocuments::recoveryDeclined()
{
    QString recovery;
    {
        auto form = openWindow();
        typeOneJudgement(form.get());
        recovery = form->documents()->recoveryPath();
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(recovery), 2500);
    }
    QCOMPARE(RecoveryFile::orphans(), QStringList{recovery});
    auto next = openWindow();
    printAnswer() = false;
    next->documents()->offerRecovery();
    QCOMPARE(page(next.get()), 0);
    QVERIFY(!next->isWindowModified());
    QVERIFY(!QFile::exists(recovery));
}

void TstDocuments::recoveredSessionKeepsItsFile()
{
    const QString saved = file(QStringLiteral("cars.ahp"));
    QVERIFY(!leaveOrphan(saved, QDateTime::currentDateTime().addSecs(-60)).isEmpty());
    auto next = openWindow();
    printAnswer() = true;
    next->documents()->offerRecovery();
    printAnswer() = false;
    QCOMPARE(next->documents()->filePath(), QFileInfo(saved).absoluteFilePath());
    QCOMPARE(next->windowTitle(), QStringLiteral("cars.ahp[*] — Анализ иерархий"));
    QVERIFY(next->isWindowModified());
    // Сохранить goes to that file, without asking where.
    const int dialogs = fileDialogsShown();
    QVERIFY(next->documents()->save());
    QCOMPARE(fileDialogsShown(), dialogs);
    QCOMPARE(readDecisionFile(saved).document->criteriaJudgements.at(0).at(2), QStringLiteral("1/4"));
    QVERIFY(errors().isEmpty());
}

void TstDocuments::saveQuestionNamesFile_data()
{
    QTest::addColumn<QString>("savedAs");
    QTest::addColumn<QString>("question");
    QTest::newRow("saved session") << QStringLiteral("named.ahp") << QStringLiteral("Сохранить изменения в «named.ahp»?");
    QTest::newRow("untitled session") << QString() << QStringLiteral("Сохранить изменения в «Без имени»?");
}

void TstDocuments::saveQuestionNamesFile()
{
    QFETCH(QString, savedAs);
    QFETCH(QString, question);
    auto form = openWindow();
    typeOneJudgement(form.get());
    if (!savedAs.isEmpty()) {
        chosenFiles() = {file(savedAs)};
        QVERIFY(form->documents()->save());
        enterJudgement(find<StringGrid>(form.get(), "ChoiceTab"), 3, 1, QStringLiteral("3"));
    }
    QStringList asked;
    const SaveQuestion::Responder before = SaveQuestion::setResponder([&asked](const QString &text) {
        asked << text;
        return SaveQuestion::Answer::Discard;
    });
    action(form.get(), "NewAction")->trigger();
    SaveQuestion::setResponder(before);
    QCOMPARE(asked, QStringList{question});
}

void TstDocuments::newSessionDropsConsistencyWarning()
{
    auto form = openWindow();
    QVERIFY(goToCriteriaPage(form.get(), 3, 3));
    QVERIFY(enterMatrix(find<StringGrid>(form.get(), "ChoiceTab"), {{"9", "1/9"}, {"9"}}));
    QVERIFY(click(find<QPushButton>(form.get(), "CalcBtn")));
    auto *warning = find<QLabel>(form.get(), "WarnMess");
    QVERIFY(warning->isVisible());
    action(form.get(), "NewAction")->trigger();
    QCOMPARE(page(form.get()), 0);
    QVERIFY(!warning->isVisible());
    QVERIFY(errors().isEmpty());
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

// Saving onto a full disk is an error the person sees; the file, the copy and the modified
// mark stay as they were, and closing still asks.
void TstDocuments::fullDiskKeepsFileAndCopy()
{
    SmallDisk disk;
    if (!disk.isUsable())
        QSKIP("neither a small file system nor a file size limit can be had here");
    // The recovery copies go onto the small disk too.
    QVERIFY(QDir(disk.path()).mkdir(QStringLiteral("recovery")));
    QVERIFY(QDir().mkpath(QFileInfo(recoveryFolder()).path()));
    QVERIFY(QFile::link(disk.filePath(QStringLiteral("recovery")), recoveryFolder()));
    const QString path = disk.filePath(QStringLiteral("decision.ahp"));
    const QString cause = disk.error() == ENOSPC ? "на диске нет места" : "файл слишком велик";

    auto form = openWindow();
    typeOneJudgement(form.get());
    chosenFiles() = {path};
    action(form.get(), "SaveAsAction")->trigger();
    QVERIFY(!form->isWindowModified());
    const QByteArray saved = contents(path);
    StringGrid *grid = find<StringGrid>(form.get(), "ChoiceTab");
    enterJudgement(grid, 3, 1, QStringLiteral("1/4"));
    const QString recovery = form->documents()->recoveryPath();
    QTRY_VERIFY_WITH_TIMEOUT(readDecisionFile(recovery).document, 2500);
    const QByteArray copy = contents(recovery);

    disk.fill();
    enterJudgement(grid, 3, 2, QStringLiteral("5"));
    QTRY_COMPARE_WITH_TIMEOUT(errors().size(), 1, 2500);
    QVERIFY2(errors().last().contains(cause), qPrintable(errors().last()));
    action(form.get(), "SaveAction")->trigger();
    QCOMPARE(errors().size(), 2);
    QVERIFY2(errors().last().contains(cause) && errors().last().contains(path), qPrintable(errors().last()));
    QVERIFY(form->isWindowModified());
    QCOMPARE(contents(path), saved);
    QCOMPARE(contents(recovery), copy);
    saveAnswer() = SaveQuestion::Answer::Cancel;
    QVERIFY(!form->close());
    QCOMPARE(saveQuestionsAsked(), 1);

    disk.release();
    saveAnswer() = SaveQuestion::Answer::Discard;
    QVERIFY(form->close());
    QVERIFY(QFile::remove(recoveryFolder()));
}

void TstDocuments::recoveryOfferedToOneProgram()
{
    const QDateTime changed(QDate(2024, 3, 5), QTime(14, 37));
    const QString older = leaveOrphan(file(QStringLiteral("older.ahp")), changed.addSecs(-3600));
    const QString newer = leaveOrphan(QString(), changed);
    QVERIFY(!older.isEmpty() && !newer.isEmpty());

    // Two windows stand for two programs started after the crash, the second while the first
    // one's question is open.
    auto first = openWindow();
    auto second = openWindow();
    QStringList firstAsked;
    QStringList secondAsked;
    const auto previous = QuestionBox::setResponder([&](const QString &text, const QString &) {
        if (!firstAsked.isEmpty()) {
            secondAsked << text;
            return false;
        }
        firstAsked << text;
        second->documents()->offerRecovery();
        return true;
    });
    first->documents()->offerRecovery();
    QuestionBox::setResponder(previous);

    // Each question names its session and the time of its last change.
    QCOMPARE(firstAsked.size(), 1);
    QVERIFY2(firstAsked.first().contains(QStringLiteral("«Без имени»"))
                 && firstAsked.first().contains(QLocale().toString(changed, QLocale::ShortFormat)),
             qPrintable(firstAsked.first()));
    QCOMPARE(secondAsked.size(), 1);
    QVERIFY2(secondAsked.first().contains(QStringLiteral("«older.ahp»")), qPrintable(secondAsked.first()));
    QVERIFY(first->isWindowModified());
    QVERIFY(!second->isWindowModified());
    QVERIFY(!QFile::exists(newer));
    QVERIFY(!QFile::exists(older));
    QCOMPARE(RecoveryFile::orphans(), QStringList());
}

void TstDocuments::recoveryHeldByRunningProgram()
{
    const QString copy = leaveOrphan(QString(), QDateTime::currentDateTime());
    QVERIFY(!copy.isEmpty());
    QProcess other;
    other.start(QStringLiteral(ANALYZE_EXECUTABLE), {QStringLiteral("-platform"), QStringLiteral("offscreen")});
    QVERIFY(other.waitForStarted());
    // The other program holds the copy while its question waits for an answer.
    QTRY_COMPARE_WITH_TIMEOUT(lockHolder(copy), other.processId(), 15000);

    auto form = openWindow();
    const int asked = questionsAsked();
    form->documents()->offerRecovery();
    QCOMPARE(questionsAsked(), asked);
    QVERIFY(QFile::exists(copy));

    // Killed with its question open: the copy is anybody's again.
    other.kill();
    QVERIFY(other.waitForFinished());
    printAnswer() = true;
    form->documents()->offerRecovery();
    printAnswer() = false;
    QCOMPARE(questionsAsked(), asked + 1);
    QCOMPARE(find<StringGrid>(form.get(), "ChoiceTab")->cell(3, 1), QStringLiteral("1/4"));
    QVERIFY(!QFile::exists(copy));
}

void TstDocuments::saveOverChangedFile_data()
{
    QTest::addColumn<bool>("otherSaves");
    QTest::addColumn<bool>("overwrite");
    QTest::newRow("unchanged on disk") << false << false;
    QTest::newRow("changed, written over") << true << true;
    QTest::newRow("changed, kept") << true << false;
}

void TstDocuments::saveOverChangedFile()
{
    QFETCH(bool, otherSaves);
    QFETCH(bool, overwrite);
    const QString path = file(QStringLiteral("shared.ahp"));
    QFile::remove(path);
    auto first = openWindow();
    typeOneJudgement(first.get());
    chosenFiles() = {path};
    action(first.get(), "SaveAction")->trigger();

    // A second window on the same file saves a change of its own.
    auto second = openWindow();
    QVERIFY(second->openDecisionFile(path));
    if (otherSaves) {
        enterJudgement(find<StringGrid>(second.get(), "ChoiceTab"), 3, 1, QStringLiteral("1/4"));
        action(second.get(), "SaveAction")->trigger();
        QVERIFY(!second->documents()->isModified());
    }

    closeHelp(first.get());
    enterJudgement(find<StringGrid>(first.get(), "ChoiceTab"), 3, 2, QStringLiteral("5"));
    QTRY_VERIFY(first->isWindowModified());
    QStringList asked;
    const auto previous = QuestionBox::setResponder([&](const QString &text, const QString &) {
        asked << text;
        return overwrite;
    });
    action(first.get(), "SaveAction")->trigger();
    QuestionBox::setResponder(previous);

    QCOMPARE(asked, otherSaves ? QStringList{QStringLiteral("Файл изменён другой программой. Перезаписать?")} : QStringList());
    const bool written = !otherSaves || overwrite;
    const DecisionReadResult read = readDecisionFile(path);
    QVERIFY(read.document);
    QCOMPARE(read.document->criteriaJudgements.at(1).at(2), QString(written ? QStringLiteral("5") : QString()));
    QCOMPARE(read.document->criteriaJudgements.at(0).at(2), QString(written ? QString() : QStringLiteral("1/4")));
    QCOMPARE(first->documents()->isModified(), !written);
    QCOMPARE(first->isWindowModified(), !written);
    QVERIFY(errors().isEmpty());
}

void TstDocuments::recentFiles()
{
    auto form = openWindow();
    for (int i = 1; i <= 6; ++i) {
        chosenFiles() = {file(QStringLiteral("recent%1.ahp").arg(i))};
        action(form.get(), "SaveAsAction")->trigger();
    }
    QVERIFY(form->openDecisionFile(file(QStringLiteral("recent3.ahp"))));
    QVERIFY(form->close());

    auto next = openWindow();
    auto *menu = find<QMenu>(next.get(), "FileMenu");
    emit menu->aboutToShow();
    QStringList shown;
    for (int i = 1; i <= 5; ++i) {
        QAction *recent = find<QAction>(next.get(), qPrintable(QStringLiteral("RecentFileAction%1").arg(i)));
        if (recent->isVisible())
            shown << recent->text();
    }
    QCOMPARE(shown, QStringList({"&1 recent3.ahp", "&2 recent6.ahp", "&3 recent5.ahp", "&4 recent4.ahp", "&5 recent2.ahp"}));
    find<QAction>(next.get(), "RecentFileAction2")->trigger();
    QCOMPARE(next->documents()->filePath(), file(QStringLiteral("recent6.ahp")));
    QVERIFY(next->windowTitle().startsWith(QStringLiteral("recent6.ahp[*]")));
}

void TstDocuments::droppedFileOpens()
{
    const QString path = file(QStringLiteral("dropped.ahp"));
    {
        auto writer = openWindow();
        goToCriteriaPage(writer.get(), 4, 3);
        enterJudgement(find<StringGrid>(writer.get(), "ChoiceTab"), 2, 1, QStringLiteral("3"));
        chosenFiles() = {path};
        action(writer.get(), "SaveAction")->trigger();
    }
    auto form = openWindow();
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(path)});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(form.get(), &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(form.get(), &drop);
    QTRY_COMPARE(form->documents()->filePath(), path);
    QCOMPARE(find<QLineEdit>(form.get(), "Kriters")->text(), QStringLiteral("4"));
    QCOMPARE(find<StringGrid>(form.get(), "ChoiceTab")->cell(2, 1), QStringLiteral("3"));

    QMimeData text;
    text.setText(QStringLiteral("3"));
    QDragEnterEvent other(QPoint(10, 10), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    other.setAccepted(false);
    QApplication::sendEvent(form.get(), &other);
    QVERIFY(!other.isAccepted());
}

void TstDocuments::mergeFromMenu_data()
{
    QTest::addColumn<QStringList>("alternatives");
    QTest::addColumn<QString>("judgement");
    QTest::addColumn<QString>("refusedFile");
    QTest::newRow("same decisions") << QStringList{"A", "B", "C"} << QStringLiteral("4") << QString();
    QTest::newRow("other names") << QStringList{"A", "B", "D"} << QStringLiteral("4") << QStringLiteral("member2.ahp");
    QTest::newRow("empty cell") << QStringList{"A", "B", "C"} << QString() << QStringLiteral("member2.ahp");
}

void TstDocuments::mergeFromMenu()
{
    QFETCH(QStringList, alternatives);
    QFETCH(QString, judgement);
    QFETCH(QString, refusedFile);
    auto member = [&](const QString &name, const QStringList &alts, const QString &cell) {
        DecisionDocument d;
        d.criteria = QStringList{"x", "y", "z"};
        d.alternatives = alts;
        const QList<QStringList> ones = {{"1", "1", "1"}, {"1", "1", "1"}, {"1", "1", "1"}};
        d.criteriaJudgements = ones;
        d.criteriaJudgements[0][1] = cell;
        d.criteriaJudgements[1][0] = cell.isEmpty() ? cell : QStringLiteral("1/") + cell;
        d.alternativesJudgements = {ones, ones, ones};
        QString error;
        QVERIFY2(saveDecisionFile(file(name), d, &error), qPrintable(error));
    };
    member(QStringLiteral("member1.ahp"), {"A", "B", "C"}, QStringLiteral("1"));
    member(QStringLiteral("member2.ahp"), alternatives, judgement);
    const QString target = file(QStringLiteral("group.ahp"));
    QFile::remove(target);

    auto form = openWindow();
    FileChooser::setResponder([&](const QString &, bool forSaving) {
        ++fileDialogsShown();
        return forSaving ? QStringList{target} : QStringList{file("member1.ahp"), file("member2.ahp")};
    });
    action(form.get(), "MergeAction")->trigger();
    FileChooser::setResponder([](const QString &, bool) {
        ++fileDialogsShown();
        return chosenFiles();
    });
    QCOMPARE(QFile::exists(target), refusedFile.isEmpty());
    if (refusedFile.isEmpty()) {
        QVERIFY(errors().isEmpty());
        // The geometric mean of 1 and 4, and its mirror.
        QCOMPARE(readDecisionFile(target).document->criteriaJudgements.at(0).at(1), QStringLiteral("2"));
        QCOMPARE(readDecisionFile(target).document->criteriaJudgements.at(1).at(0), QStringLiteral("1/2"));
        // The group's decision is on the screen, saved, as one step that Undo takes back.
        QCOMPARE(page(form.get()), 4);
        QCOMPARE(form->documents()->filePath(), QFileInfo(target).absoluteFilePath());
        QVERIFY(!form->documents()->isModified());
        QCOMPARE(form->decision()->judgement(CriteriaMatrix, 0, 1), QStringLiteral("2"));
        action(form.get(), "UndoAction")->trigger();
        QVERIFY2(errors().isEmpty(), qPrintable(errors().join(QLatin1Char('\n'))));
        QCOMPARE(page(form.get()), 0);
        QCOMPARE(form->decision()->criteriaCount(), InitialCount);
        QVERIFY(form->documents()->isModified());
    } else {
        QCOMPARE(errors().size(), 1);
        QVERIFY2(errors().first().contains(refusedFile), qPrintable(errors().first()));
        QCOMPARE(page(form.get()), 0);
    }
}

void TstDocuments::mergeDialogSaysWhatToChoose()
{
    auto form = openWindow();
    QString caption;
    FileChooser::setResponder([&caption](const QString &text, bool) {
        caption = text;
        return QStringList();
    });
    action(form.get(), "MergeAction")->trigger();
    FileChooser::setResponder([](const QString &, bool) {
        ++fileDialogsShown();
        return chosenFiles();
    });
    QVERIFY2(caption.contains(QStringLiteral("выберите файлы решений участников")) && caption.contains(QStringLiteral("не меньше двух")),
             qPrintable(caption));
    QVERIFY(errors().isEmpty());
}

void TstDocuments::menuShortcutsFreeOfPageLetters_data()
{
    QTest::addColumn<Language>("language");
    QTest::newRow("Russian") << Language::Russian;
    QTest::newRow("English") << Language::English;
}

void TstDocuments::menuShortcutsFreeOfPageLetters()
{
    QFETCH(Language, language);
    Translations::apply(language);
    auto form = openWindow();
    const QRegularExpression mnemonic(QStringLiteral("&([^&])"));
    QString pageLetters;
    const QList<QWidget *> controls = form->findChildren<QWidget *>();
    for (const QWidget *w : controls) {
        QString text;
        if (const auto *button = qobject_cast<const QAbstractButton *>(w))
            text = button->text();
        else if (const auto *label = qobject_cast<const QLabel *>(w))
            text = label->text();
        const QRegularExpressionMatch m = mnemonic.match(text);
        if (m.hasMatch())
            pageLetters += m.captured(1).toUpper();
    }
    const QList<QAction *> menus = form->menuBar()->actions();
    QCOMPARE(menus.size(), 4); // File, Edit, Language, Help
    QVERIFY(pageLetters.size() > menus.size());
    QString faults;
    for (const QAction *menu : menus) {
        const QRegularExpressionMatch m = mnemonic.match(menu->text());
        QVERIFY2(m.hasMatch(), qPrintable(menu->text()));
        // Neither a page's control nor another menu may take the letter.
        if (pageLetters.contains(m.captured(1).toUpper()))
            faults += menu->text() + QLatin1Char(' ');
        pageLetters += m.captured(1).toUpper();
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults));
}

void TstDocuments::menuItemLettersDiffer_data()
{
    menuShortcutsFreeOfPageLetters_data();
}

// Within an open menu the Alt letter alone chooses the item: no two items share one, and the
// edit menu's items all have one.
void TstDocuments::menuItemLettersDiffer()
{
    QFETCH(Language, language);
    Translations::apply(language);
    auto form = openWindow();
    const QRegularExpression mnemonic(QStringLiteral("&([^&])"));
    QString faults;
    for (const QAction *menuAction : form->menuBar()->actions()) {
        QString letters;
        for (const QAction *item : menuAction->menu()->actions()) {
            if (item->isSeparator())
                continue;
            const QRegularExpressionMatch m = mnemonic.match(item->text());
            if (!m.hasMatch()) {
                if (menuAction->menu()->objectName() == QLatin1String("EditMenu"))
                    faults += item->text() + QStringLiteral(" (none); ");
                continue;
            }
            if (letters.contains(m.captured(1).toUpper()))
                faults += item->text() + QStringLiteral("; ");
            letters += m.captured(1).toUpper();
        }
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults));
}

void TstDocuments::printFollowsButton()
{
    auto form = openWindow();
    auto *printBtn = find<QPushButton>(form.get(), "PrintBtn");
    QAction *print = action(form.get(), "PrintAction");
    QVERIFY(!print->isEnabled());
    goToAlternativesPage(form.get(), 3, 3);
    QVERIFY(print->isEnabled());
    while (page(form.get()) > 0) {
        QCOMPARE(print->isEnabled(), printBtn->isEnabled());
        click(find<QPushButton>(form.get(), "PriorBtn"));
    }
    QVERIFY(!printBtn->isEnabled());
    QVERIFY(!print->isEnabled());
}

ANALYZE_WINDOW_TEST_MAIN(TstDocuments)
#include "tst_documents.moc"
