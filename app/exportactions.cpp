#include "app/exportactions.h"

#include "app/documentcontroller.h"
#include "app/mainform.h"
#include "app/resultsexport.h"
#include "document/decisionresults.h"
#include "platform/errordisplay.h"
#include "platform/filechooser.h"
#include "platform/printtarget.h"
#include "report/reportprinter.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QMenu>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>

namespace {
const char PreviewText[] = QT_TRANSLATE_NOOP("ExportActions", "П&редварительный просмотр…");
const char PdfText[] = QT_TRANSLATE_NOOP("ExportActions", "&Экспорт в PDF…");
const char ResultsText[] = QT_TRANSLATE_NOOP("ExportActions", "Экспорт ре&зультатов…");

QString translated(const char *text)
{
    return QCoreApplication::translate("ExportActions", text);
}
}

ExportActions::ExportActions(TMainForm *form)
    : QObject(form)
    , m_form(form)
    , m_preview(new QAction(this))
    , m_pdf(new QAction(this))
    , m_results(new QAction(this))
{
    m_preview->setObjectName(QStringLiteral("PreviewAction"));
    m_pdf->setObjectName(QStringLiteral("ExportPdfAction"));
    m_results->setObjectName(QStringLiteral("ExportResultsAction"));
    auto *menu = form->findChild<QMenu *>(QStringLiteral("FileMenu"));
    auto *print = form->findChild<QAction *>(QStringLiteral("PrintAction"));
    if (menu && print) {
        menu->insertAction(print, m_preview);
        const QList<QAction *> actions = menu->actions();
        // After Print, before the separator that sets Quit apart.
        QAction *afterPrint = actions.value(actions.indexOf(print) + 1);
        menu->insertSeparator(afterPrint);
        menu->insertAction(afterPrint, m_pdf);
        menu->insertAction(afterPrint, m_results);
    }
    connect(m_preview, &QAction::triggered, this, [this] { ErrorDisplay::guarded([this] { preview(); }); });
    connect(m_pdf, &QAction::triggered, this, [this] { ErrorDisplay::guarded([this] { exportPdf(); }); });
    connect(m_results, &QAction::triggered, this, [this] { ErrorDisplay::guarded([this] { exportResults(); }); });

    // The sheet exists where the page offers printing.
    if (auto *printBtn = form->findChild<QPushButton *>(QStringLiteral("PrintBtn"))) {
        m_preview->setEnabled(printBtn->isEnabled());
        m_pdf->setEnabled(printBtn->isEnabled());
        printBtn->installEventFilter(this);
    }
    form->installEventFilter(this);
    showTexts();
}

bool ExportActions::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::LanguageChange && watched == m_form) {
        showTexts();
    } else if (event->type() == QEvent::EnabledChange && watched != m_form) {
        const bool enabled = static_cast<QWidget *>(watched)->isEnabled();
        m_preview->setEnabled(enabled);
        m_pdf->setEnabled(enabled);
    }
    return QObject::eventFilter(watched, event);
}

void ExportActions::showTexts()
{
    m_preview->setText(translated(PreviewText));
    m_pdf->setText(translated(PdfText));
    m_results->setText(translated(ResultsText));
}

QString ExportActions::suggestedPath(const QString &suffix) const
{
    const QString file = m_form->documents()->filePath();
    if (file.isEmpty())
        return QDir::home().filePath(translated(QT_TRANSLATE_NOOP("ExportActions", "Решение")) + suffix);
    const QFileInfo info(file);
    return info.dir().filePath(info.completeBaseName() + suffix);
}

QPrintPreviewDialog *ExportActions::preview()
{
    const ReportData data = m_form->collectReportData();
    QPrinter *printer = PrintTarget::previewPrinter().release();
    auto *dialog = new QPrintPreviewDialog(printer, m_form);
    dialog->setObjectName(QStringLiteral("PrintPreviewDialog"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    // The preview's widgets hold the printer to the end.
    connect(dialog, &QObject::destroyed, [printer] { delete printer; });
    connect(dialog, &QPrintPreviewDialog::paintRequested, dialog,
            [data](QPrinter *target) { ErrorDisplay::guarded([&data, target] { paintReport(data, *target); }); });
    dialog->open();
    return dialog;
}

void ExportActions::exportPdf()
{
    // The sheet as the page showed it when the person asked.
    const ReportData data = m_form->collectReportData();
    const QString path = FileChooser::saveFileOfType(m_form, translated(QT_TRANSLATE_NOOP("ExportActions", "Экспорт в PDF")),
                                                     suggestedPath(QStringLiteral(".pdf")),
                                                     {translated(QT_TRANSLATE_NOOP("ExportActions", "Документы PDF (*.pdf)"))});
    if (path.isEmpty())
        return;
    writeReportPdf(data, path);
    m_form->ShowHint(translated(QT_TRANSLATE_NOOP("ExportActions", "Записан файл «%1»")).arg(QFileInfo(path).fileName()));
}

void ExportActions::exportResults()
{
    const DecisionDocument document = m_form->decision()->document();
    const DecisionComputation computation = computeDecision(document);
    if (!computation.results) {
        ErrorDisplay::show(translated(QT_TRANSLATE_NOOP("ExportActions", "Результаты не вычислены. %1"))
                                   .arg(failureText(*computation.failure)));
        return;
    }
    const QString path = FileChooser::saveFileOfType(
            m_form, translated(QT_TRANSLATE_NOOP("ExportActions", "Экспорт результатов")), suggestedPath(QStringLiteral(".xlsx")),
            {translated(QT_TRANSLATE_NOOP("ExportActions", "Книги Excel (*.xlsx)")),
             translated(QT_TRANSLATE_NOOP("ExportActions", "Таблицы CSV (*.csv)"))});
    if (path.isEmpty())
        return;
    QString reason;
    if (!ResultsExport::write(path, document, *computation.results, &reason)) {
        ErrorDisplay::show(translated(QT_TRANSLATE_NOOP("ExportActions", "Не удалось записать результаты «%1»: %2")).arg(path, reason));
        return;
    }
    m_form->ShowHint(translated(QT_TRANSLATE_NOOP("ExportActions", "Записан файл «%1»")).arg(QFileInfo(path).fileName()));
}
