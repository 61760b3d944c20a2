#include "platform/printtarget.h"

#include "document/wholefile.h"
#include "platform/cupsprintsystem.h"
#include "platform/platformerror.h"
#include "platform/printsystem.h"

#include <QCoreApplication>
#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>

#include <sys/mman.h>
#include <unistd.h>

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
const char *const CutSheetMessage =
    QT_TRANSLATE_NOOP("PrintTarget", "Страница не напечатана: лист не удалось записать целиком во временный файл");
const char *const NotWrittenMessage = QT_TRANSLATE_NOOP("PrintTarget", "Не удалось записать файл «%1»: %2");

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

// A PDF file is complete when it ends with its trailer and the trailer points at the table of
// its objects; a write the disk refused on the way shifts or cuts everything after it.
bool wholePdf(const QByteArray &bytes)
{
    const qsizetype start = bytes.lastIndexOf("startxref");
    if (start < 0)
        return false;
    const QList<QByteArray> tail = bytes.mid(start + 9).simplified().split(' ');
    bool isNumber = false;
    const qint64 table = tail.value(0).toLongLong(&isNumber);
    return tail.size() == 2 && tail.at(1) == "%%EOF" && isNumber && table > 0 && table < start
           && bytes.mid(table, 4) == "xref";
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

Job::Job(std::unique_ptr<QPrinter> printer, const QString &queue, std::unique_ptr<QTemporaryDir> spool,
         const QString &pdfFile, int memoryFile)
    : m_printer(std::move(printer))
    , m_queue(queue)
    , m_spool(std::move(spool))
    , m_pdfFile(pdfFile)
    , m_memoryFile(memoryFile)
{
}

Job::~Job()
{
    // The printer closes its file first.
    m_printer.reset();
    if (m_memoryFile >= 0)
        ::close(m_memoryFile);
}

QByteArray Job::paintedSheet() const
{
    QFile file(m_printer->outputFileName());
    const bool opened = m_memoryFile >= 0 ? file.open(m_memoryFile, QIODevice::ReadOnly, QFileDevice::DontCloseHandle)
                                          : file.open(QIODevice::ReadOnly);
    return opened ? file.readAll() : QByteArray();
}

void Job::send()
{
    const QByteArray sheet = paintedSheet();
    if (m_queue.isEmpty()) {
        // Nothing painted, nothing to write.
        if (sheet.isEmpty())
            return;
        if (!wholePdf(sheet))
            throw PlatformError(message(CutSheetMessage));
        QString reason;
        if (!WholeFile::write(m_pdfFile, sheet, &reason))
            throw FileNotWritten(message(NotWrittenMessage).arg(m_pdfFile, reason), reason);
        return;
    }
    if (!wholePdf(sheet))
        throw PlatformError(message(CutSheetMessage));
    const QString reason = PrintSystem::current().submit(m_queue, m_printer->outputFileName(), m_printer->docName());
    if (!reason.isEmpty())
        throw PlatformError(message(NotTakenMessage).arg(m_queue, reason));
}

std::unique_ptr<Job> openPdf(const QString &path)
{
    // A file in memory leaves nothing behind on any disk, not even when the program is killed.
    const int memoryFile = ::memfd_create("analyze-sheet", MFD_CLOEXEC);
    const QString memoryPath = QStringLiteral("/proc/self/fd/%1").arg(memoryFile);
    if (memoryFile >= 0 && QFile::exists(memoryPath))
        return std::make_unique<Job>(pdfPrinter(memoryPath), QString(), nullptr, path, memoryFile);
    if (memoryFile >= 0)
        ::close(memoryFile);
    auto spool = std::make_unique<QTemporaryDir>();
    if (!spool->isValid())
        throw PlatformError(message(NoSpoolMessage));
    auto printer = pdfPrinter(spool->filePath(QStringLiteral("sheet.pdf")));
    return std::make_unique<Job>(std::move(printer), QString(), std::move(spool), path);
}

std::unique_ptr<QPrinter> previewPrinter()
{
    auto printer = pdfPrinter(QString());
    if (!pdfPath().isEmpty())
        return printer;
    // The paper and margins of the queue the sheet would go to, and that queue in the print
    // dialog the preview offers; without one, the A4 of a PDF file.
    const QString queue = PrintSystem::current().defaultQueue().name;
    const QPrinterInfo info = QPrinterInfo::printerInfo(queue);
    if (!queue.isEmpty() && !info.isNull()) {
        const QPageLayout layout = QPrinter(info, QPrinter::HighResolution).pageLayout();
        printer->setPrinterName(queue);
        printer->setResolution(PdfResolution);
        printer->setPageLayout(layout);
    }
    return printer;
}

std::unique_ptr<Job> open()
{
    if (!pdfPath().isEmpty())
        return openPdf(pdfPath());

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
