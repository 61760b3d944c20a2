#include "platform/printtarget.h"

#include "platform/cupsprintsystem.h"
#include "platform/platformerror.h"
#include "platform/printsystem.h"

#include <QCoreApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>

namespace {

const char *const NoPrinterMessage = QT_TRANSLATE_NOOP("PrintTarget", "Не удалось начать печать: принтер не найден");
const char *const NoServiceMessage =
    QT_TRANSLATE_NOOP("PrintTarget", "Не удалось начать печать: служба печати не запущена");
const char *const NotAcceptingMessage =
    QT_TRANSLATE_NOOP("PrintTarget", "Не удалось начать печать: принтер «%1» не принимает задания");
const char *const NotTakenMessage =
    QT_TRANSLATE_NOOP("PrintTarget", "Страница не напечатана: принтер «%1» не принял задание (%2)");
const char *const NoSpoolMessage =
    QT_TRANSLATE_NOOP("PrintTarget", "Не удалось начать печать: нет места для временного файла");

QString message(const char *text)
{
    return QCoreApplication::translate("PrintTarget", text);
}

QString &pdfPath()
{
    static QString path;
    return path;
}

PrintSystem *&standIn()
{
    static PrintSystem *system = nullptr;
    return system;
}

QRect paintRect(const QPrinter &printer)
{
    return printer.pageLayout().paintRectPixels(printer.resolution());
}

std::unique_ptr<QPrinter> pdfPrinter(const QString &path)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(path);
    printer->setResolution(PrintTarget::PdfResolution);
    printer->setPageSize(QPageSize(QPageSize::A4));
    return printer;
}

// The sheet for a queue takes the paper and margins the queue prints on by default; a queue
// that Qt does not know gets A4.
std::unique_ptr<QPrinter> queuePrinter(const QString &path, const QString &queue)
{
    auto printer = pdfPrinter(path);
    const QPrinterInfo info = QPrinterInfo::printerInfo(queue);
    if (!info.isNull())
        printer->setPageLayout(QPrinter(info, QPrinter::HighResolution).pageLayout());
    return printer;
}

}

PrintSystem &PrintSystem::current()
{
    static CupsPrintSystem cups;
    return standIn() ? *standIn() : cups;
}

void PrintSystem::replace(PrintSystem *system)
{
    standIn() = system;
}

namespace PrintTarget {

Job::Job(std::unique_ptr<QPrinter> printer, const QString &queue, std::unique_ptr<QTemporaryDir> spool)
    : m_printer(std::move(printer))
    , m_queue(queue)
    , m_spool(std::move(spool))
{
}

Job::~Job() = default;

void Job::send()
{
    if (m_queue.isEmpty())
        return;
    const QString reason = PrintSystem::current().submit(m_queue, m_printer->outputFileName(), m_printer->docName());
    if (!reason.isEmpty())
        throw PlatformError(message(NotTakenMessage).arg(m_queue, reason));
}

std::unique_ptr<Job> open()
{
    if (!pdfPath().isEmpty())
        return std::make_unique<Job>(pdfPrinter(pdfPath()), QString(), nullptr);

    const PrintSystem::Queue queue = PrintSystem::current().defaultQueue();
    switch (queue.state) {
    case PrintSystem::Queue::NotFound:
        throw PlatformError(message(NoPrinterMessage));
    case PrintSystem::Queue::ServiceDown:
        throw PlatformError(message(NoServiceMessage));
    case PrintSystem::Queue::NotAccepting:
        throw PlatformError(message(NotAcceptingMessage).arg(queue.name));
    case PrintSystem::Queue::Accepting:
        break;
    }
    auto spool = std::make_unique<QTemporaryDir>();
    if (!spool->isValid())
        throw PlatformError(message(NoSpoolMessage));
    auto printer = queuePrinter(spool->filePath(QStringLiteral("sheet.pdf")), queue.name);
    return std::make_unique<Job>(std::move(printer), queue.name, std::move(spool));
}

void setPdfOutput(const QString &path)
{
    pdfPath() = path;
}

QString pdfOutput()
{
    return pdfPath();
}

int printableWidth(const QPrinter &printer)
{
    return paintRect(printer).width();
}

int printableHeight(const QPrinter &printer)
{
    return paintRect(printer).height();
}

}
