#pragma once

#include <QString>

#include <memory>

class QPrinter;

// The one place that opens a printer: the platform's default printer, or a PDF file instead.
namespace PrintTarget {

// Resolution of the PDF printer: fine enough for a sharp sheet, small enough to stay quick.
constexpr int PdfResolution = 300;

// The application's current printer, ready for one document. Throws PlatformError when the
// platform has no printer to print on.
std::unique_ptr<QPrinter> open();

// From now on open() returns an A4 PDF printer writing to path; an empty path means the real
// printer again.
void setPdfOutput(const QString &path);
QString pdfOutput();

// Width of the printable area in device pixels.
int printableWidth(const QPrinter &printer);
int printableHeight(const QPrinter &printer);

}
