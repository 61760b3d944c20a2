// The sheet and the results kept other than on paper, from the window: the preview and the PDF
// show exactly the sheet the page prints; the results go to a spreadsheet; a write that fails
// says why and leaves the old file; the File menu's letters stay apart in both languages.

#include "app_helpers.h"
#include "document/smalldisk.h"

#include "analysis/sensitivitywindow.h"
#include "app/translations.h"
#include "model/numberformat.h"
#include "platform/printtarget.h"
#include "platform/stringgrid.h"

#include <QAction>
#include <QMenu>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>

using namespace WindowTest;

namespace {

QString tool(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(20000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The number of pages and their size, as a PDF reader sees them.
QString pageSummary(const QString &pdf)
{
    QStringList lines = tool(QStringLiteral("pdfinfo"), {pdf}).split(QLatin1Char('\n'));
    return lines.filter(QRegularExpression(QStringLiteral("^(Pages|Page size):"))).join(QLatin1Char('\n'));
}

QAction *action(const TMainForm *form, const char *name)
{
    return find<QAction>(form, name);
}

bool goToPage(TMainForm *form, int target)
{
    switch (target) {
    case 2:
        return goToCriteriaPage(form, 3, 4);
    case 3:
        return goToAlternativesPage(form, 3, 4);
    default:
        return goToResultPage(form, 3, 4);
    }
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}

class TstExport : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void previewAndPdfShowThePrintedSheet_data();
    void previewAndPdfShowThePrintedSheet();
    void sensitivitySheetAsPdf();
    void resultsAsPersonSeesThem();
    void unfinishedDecisionIsNotExported();
    void failedWriteKeepsOldFile_data();
    void failedWriteKeepsOldFile();
    void fileMenuLettersApart_data();
    void fileMenuLettersApart();

private:
    QTemporaryDir m_dir;
};

void TstExport::init()
{
    errors().clear();
    chosenFiles().clear();
    fileDialogsShown() = 0;
    questionsAsked() = 0;
    printAnswer() = true;
}

void TstExport::cleanup()
{
    PrintTarget::setPdfOutput(QString());
}

void TstExport::previewAndPdfShowThePrintedSheet_data()
{
    QTest::addColumn<int>("page");
    QTest::newRow("criteria") << 2;
    QTest::newRow("alternatives") << 3;
    QTest::newRow("result") << 4;
}

void TstExport::previewAndPdfShowThePrintedSheet()
{
    QFETCH(int, page);
    auto form = openWindow();
    QVERIFY(!action(form.get(), "PreviewAction")->isEnabled());
    QVERIFY(!action(form.get(), "ExportPdfAction")->isEnabled());
    QVERIFY(goToPage(form.get(), page));
    QCOMPARE(WindowTest::page(form.get()), page);
    QVERIFY(action(form.get(), "PreviewAction")->isEnabled());

    // The print goes to a PDF file, and the preview takes that printer's paper.
    const QString printed = m_dir.filePath(QStringLiteral("printed%1.pdf").arg(page));
    PrintTarget::setPdfOutput(printed);
    click(find<QPushButton>(form.get(), "PrintBtn"));

    const QString exported = m_dir.filePath(QStringLiteral("exported%1.pdf").arg(page));
    chosenFiles() = {exported};
    action(form.get(), "ExportPdfAction")->trigger();
    QCOMPARE(fileDialogsShown(), 1);

    action(form.get(), "PreviewAction")->trigger();
    auto *dialog = find<QPrintPreviewDialog>(form.get(), "PrintPreviewDialog");
    QVERIFY(dialog->isVisible());
    auto *preview = dialog->findChild<QPrintPreviewWidget *>();
    QVERIFY(preview);
    QCOMPARE(preview->pageCount(), 1);
    screenshot(dialog, QStringLiteral("preview-page%1").arg(page));
    // What the preview shows, put on paper the way its own print button would.
    const QString previewed = m_dir.filePath(QStringLiteral("previewed%1.pdf").arg(page));
    dialog->printer()->setOutputFormat(QPrinter::PdfFormat);
    dialog->printer()->setOutputFileName(previewed);
    preview->print();
    dialog->close();
    QVERIFY2(errors().isEmpty(), qPrintable(errors().join('\n')));

    const QString sheet = tool(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), printed, QStringLiteral("-")});
    QVERIFY(sheet.size() > 100);
    QCOMPARE(tool(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), exported, QStringLiteral("-")}), sheet);
    QCOMPARE(tool(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), previewed, QStringLiteral("-")}), sheet);
    QVERIFY(pageSummary(printed).contains(QRegularExpression(QStringLiteral("Pages: +1\\n"))));
    QCOMPARE(pageSummary(exported), pageSummary(printed));
    QCOMPARE(pageSummary(previewed), pageSummary(printed));
}

void TstExport::sensitivitySheetAsPdf()
{
    auto form = openWindow();
    QVERIFY(goToResultPage(form.get(), 3, 4));
    click(find<QPushButton>(form.get(), "SensitivityBtn"));
    auto *window = form->findChild<SensitivityWindow *>();
    QVERIFY(window);
    const QString pdf = m_dir.filePath(QStringLiteral("sensitivity.pdf"));
    chosenFiles() = {pdf};
    click(find<QPushButton>(window, "exportSheetPdf"));
    QVERIFY2(errors().isEmpty(), qPrintable(errors().join('\n')));
    QCOMPARE(questionsAsked(), 0);
    QVERIFY(pageSummary(pdf).contains(QRegularExpression(QStringLiteral("Pages: +1\\n"))));
    const QString text = tool(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    QVERIFY2(text.contains(window->analysisSheet().title), qPrintable(text));
    window->close();
}

// The first sheet as a person reads it beside the result page: the names, the global
// priorities the page shows, and the places in the order of those priorities.
void TstExport::resultsAsPersonSeesThem()
{
    auto form = openWindow();
    QVERIFY(goToAlternativesPage(form.get(), 3, 4));
    // Judgements that set the alternatives apart, and two of them level.
    QVERIFY(enterMatrix(find<StringGrid>(form.get(), "CompTab"), {{"1/3", "3", "3"}, {"9", "9"}, {"1"}}));
    click(find<QPushButton>(form.get(), "NextMatrixBtn"));
    QVERIFY(enterRemainingAltMatrices(form.get(), QStringLiteral("1")));
    click(find<QPushButton>(form.get(), "NextBtn"));
    QCOMPARE(page(form.get()), 4);
    const QString csv = m_dir.filePath(QStringLiteral("window.csv"));
    chosenFiles() = {csv};
    action(form.get(), "ExportResultsAction")->trigger();
    QVERIFY2(errors().isEmpty(), qPrintable(errors().join('\n')));

    const QStringList lines = QString::fromUtf8(contents(csv)).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 5);
    auto *globales = find<StringGrid>(form.get(), "Globales");
    const QStringList places{"2", "1", "3", "3"};
    for (int j = 0; j < 4; ++j) {
        const QStringList fields = lines.at(j + 1).split(QLatin1Char(','));
        QCOMPARE(fields.size(), 3);
        QCOMPARE(fields[0], form->decision()->name(NameList::Alternatives, j));
        QCOMPARE(formatMeasure(fields[1].toDouble()), globales->cell(j + 1, 1));
        QCOMPARE(fields[2], places[j]);
    }
}

void TstExport::unfinishedDecisionIsNotExported()
{
    auto form = openWindow();
    QVERIFY(goToCriteriaPage(form.get(), 3, 3));
    const QString xlsx = m_dir.filePath(QStringLiteral("unfinished.xlsx"));
    chosenFiles() = {xlsx};
    action(form.get(), "ExportResultsAction")->trigger();
    QCOMPARE(fileDialogsShown(), 0);
    QCOMPARE(errors().size(), 1);
    QVERIFY2(errors().first().contains(QStringLiteral("Ячейка должна быть заполнена")), qPrintable(errors().first()));
    QVERIFY(!QFile::exists(xlsx));
}

void TstExport::failedWriteKeepsOldFile_data()
{
    QTest::addColumn<QString>("actionName");
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<QString>("where"); // "disk": a full disk, "folder": a folder that is not there, "read-only"
    QTest::addColumn<QString>("reason");
    for (const char *kind : {"pdf", "xlsx", "csv"}) {
        const QString actionName = QLatin1String(kind) == QLatin1String("pdf") ? "ExportPdfAction" : "ExportResultsAction";
        const QString suffix = QStringLiteral(".") + QLatin1String(kind);
        QTest::addRow("%s, full disk", kind) << actionName << suffix << "disk" << "";
        QTest::addRow("%s, no folder", kind) << actionName << suffix << "folder" << "нет такого файла или папки";
        QTest::addRow("%s, read-only", kind) << actionName << suffix << "read-only" << "файл защищён от записи";
    }
}

void TstExport::failedWriteKeepsOldFile()
{
    QFETCH(QString, actionName);
    QFETCH(QString, suffix);
    QFETCH(QString, where);
    QFETCH(QString, reason);
    auto form = openWindow();
    QVERIFY(goToResultPage(form.get(), 3, 3));

    SmallDisk disk;
    if (where == QLatin1String("disk") && !disk.isUsable())
        QSKIP("neither a small file system nor a file size limit can be had here");
    QTemporaryDir folder;
    const QString target = where == QLatin1String("disk") ? disk.filePath("old" + suffix)
                         : where == QLatin1String("folder") ? folder.filePath("none/old" + suffix)
                                                            : folder.filePath("old" + suffix);
    const QByteArray old("the old file");
    if (where != QLatin1String("folder")) {
        QFile file(target);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(old) == old.size());
    }
    if (where == QLatin1String("read-only"))
        QVERIFY(QFile::setPermissions(target, QFile::ReadOwner));
    if (where == QLatin1String("disk")) {
        reason = disk.error() == ENOSPC ? QStringLiteral("на диске нет места") : QString();
        disk.fill();
    }
    chosenFiles() = {target};
    action(form.get(), actionName.toLatin1().constData())->trigger();
    disk.release();

    QCOMPARE(errors().size(), 1);
    // Under a file size limit the PDF is cut already in memory; only a full disk has its cause.
    if (!reason.isEmpty())
        QVERIFY2(errors().first().contains(target) && errors().first().contains(reason), qPrintable(errors().first()));
    if (where != QLatin1String("folder")) {
        QCOMPARE(contents(target), old);
        QCOMPARE(QDir(QFileInfo(target).path()).entryList(QDir::Files | QDir::Hidden), QStringList{QFileInfo(target).fileName()});
    } else {
        QVERIFY(!QFile::exists(target));
    }
}

void TstExport::fileMenuLettersApart_data()
{
    QTest::addColumn<Language>("language");
    QTest::newRow("Russian") << Language::Russian;
    QTest::newRow("English") << Language::English;
}

void TstExport::fileMenuLettersApart()
{
    QFETCH(Language, language);
    Translations::apply(language);
    auto form = openWindow();
    QString letters;
    int named = 0;
    for (const QAction *item : find<QMenu>(form.get(), "FileMenu")->actions()) {
        if (item->isSeparator() || item->objectName().startsWith(QLatin1String("RecentFileAction")))
            continue;
        ++named;
        const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("&([^&])")).match(item->text());
        QVERIFY2(m.hasMatch(), qPrintable(item->text()));
        const QString letter = m.captured(1).toLower();
        QVERIFY2(!letters.contains(letter), qPrintable(item->text() + QStringLiteral(" / ") + letters));
        letters += letter;
    }
    QCOMPARE(named, 10);
    Translations::apply(Language::Russian);
}

ANALYZE_WINDOW_TEST_MAIN(TstExport)
#include "tst_export.moc"
