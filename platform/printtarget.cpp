#include "platform/printtarget.h"

#include "platform/platformerror.h"

#include <QCoreApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>

namespace PrintTarget {

namespace {

const char NoPrinterMessage[] = QT_TRANSLATE_NOOP("PrintTarget", "Не удалось начать печать: принтер не найден");
const char InvalidPrinterMessage[] = QT_TRANSLATE_NOOP("PrintTarget", "Не удалось начать печать: принтер «%1» недоступен");

QString &pdfPath()
{
    static QString path;
    return path;
}

QRect paintRect(const QPrinter &printer)
{
    return printer.pageLayout().paintRectPixels(printer.resolution());
}

}

std::unique_ptr<QPrinter> open()
{
    if (!pdfPath().isEmpty()) {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(pdfPath());
        printer->setResolution(PdfResolution);
        printer->setPageSize(QPageSize(QPageSize::A4));
        return printer;
    }

    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        throw PlatformError(QCoreApplication::translate("PrintTarget", NoPrinterMessage));
    auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    // A printer name without a usable device would otherwise quietly turn into a PDF file.
    if (!printer->isValid() || printer->outputFormat() != QPrinter::NativeFormat)
        throw PlatformError(QCoreApplication::translate("PrintTarget", InvalidPrinterMessage).arg(info.printerName()));
    return printer;
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
