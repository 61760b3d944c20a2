#pragma once

#include "platform/platformerror.h"

#include <QString>

#include <memory>

class QPrinter;
class QTemporaryDir;

// The one place that opens a printer: the platform's default printer, or a PDF file instead.
namespace PrintTarget {

// Resolution of the PDF printer: fine enough for a sharp sheet, small enough to stay quick.
constexpr int PdfResolution = 300;

// The PDF file could not be written; reason() is the system's cause alone.
class FileNotWritten : public PlatformError
{
public:
    FileNotWritten(const QString &message, const QString &reason)
        : PlatformError(message), m_reason(reason)
    {
    }
    QString reason() const { return m_reason; }

private:
    QString m_reason;
};

// One document on its way to the printer. The sheet is painted into a PDF file, which send()
// then hands to the default queue of the print system, so that a queue that turns it away is
// known. Printing to a PDF file instead, the sheet is painted elsewhere first and send()
// writes it to the file whole, or leaves the file as it was: the PDF painter does not tell
// when the disk took only part of a sheet.
class Job
{
public:
    Job(std::unique_ptr<QPrinter> printer, const QString &queue, std::unique_ptr<QTemporaryDir> spool,
        const QString &pdfFile = QString(), int memoryFile = -1);
    ~Job();

    QPrinter &printer() const { return *m_printer; }
    // Hands the finished document to the queue, or writes it to the PDF file; throws
    // PlatformError with the reason when the print system does not take it or the sheet was
    // not painted whole, and FileNotWritten when the PDF file could not be written.
    void send();

private:
    QByteArray paintedSheet() const;

    std::unique_ptr<QPrinter> m_printer;
    QString m_queue;
    std::unique_ptr<QTemporaryDir> m_spool;
    QString m_pdfFile;
    int m_memoryFile;
};

// A job on the application's current printer. Throws PlatformError when the print system has
// no printer to print on, is not running, or its default queue does not take jobs now.
std::unique_ptr<Job> open();

// A job that writes the sheet to the PDF file at path, whole or not at all, whatever open() does.
std::unique_ptr<Job> openPdf(const QString &path);

// A printer for a preview of what open() would print: the same paper and margins.
std::unique_ptr<QPrinter> previewPrinter();

// From now on open() returns an A4 PDF printer writing to path; an empty path means the real
// printer again.
void setPdfOutput(const QString &path);
QString pdfOutput();

// Width of the printable area in device pixels.
int printableWidth(const QPrinter &printer);
int printableHeight(const QPrinter &printer);

}
