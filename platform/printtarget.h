#pragma once

#include <QString>

#include <memory>

class QPrinter;
class QTemporaryDir;

// The one place that opens a printer: the platform's default printer, or a PDF file instead.
namespace PrintTarget {

// Resolution of the PDF printer: fine enough for a sharp sheet, small enough to stay quick.
constexpr int PdfResolution = 300;

// One document on its way to the printer. The sheet is painted into a PDF file, which send()
// then hands to the default queue of the print system, so that a queue that turns it away is
// known; printing to a PDF file instead, the painted file is the whole job.
class Job
{
public:
    Job(std::unique_ptr<QPrinter> printer, const QString &queue, std::unique_ptr<QTemporaryDir> spool);
    ~Job();

    QPrinter &printer() const { return *m_printer; }
    // Hands the finished document to the queue; throws PlatformError with the reason when the
    // print system does not take it.
    void send();

private:
    std::unique_ptr<QPrinter> m_printer;
    QString m_queue;
    std::unique_ptr<QTemporaryDir> m_spool;
};

// A job on the application's current printer. Throws PlatformError when the print system has
// no printer to print on, is not running, or its default queue does not take jobs now.
std::unique_ptr<Job> open();

// From now on open() returns an A4 PDF printer writing to path; an empty path means the real
// printer again.
void setPdfOutput(const QString &path);
QString pdfOutput();

// Width of the printable area in device pixels.
int printableWidth(const QPrinter &printer);
int printableHeight(const QPrinter &printer);

}
