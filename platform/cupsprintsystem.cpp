#include "platform/cupsprintsystem.h"

#include <QFile>

#include <cups/cups.h>

#include <cstring>

namespace {

bool serviceDown(ipp_status_t status)
{
    return status == IPP_STATUS_ERROR_SERVICE_UNAVAILABLE || status == IPP_STATUS_ERROR_INTERNAL;
}

}

PrintSystem::Queue CupsPrintSystem::defaultQueue()
{
    Queue queue;
    cups_dest_t *dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, nullptr, nullptr);
    if (!dest) {
        queue.state = serviceDown(cupsLastError()) ? Queue::ServiceDown : Queue::NotFound;
        return queue;
    }
    queue.name = QString::fromLocal8Bit(dest->name);
    const char *accepting = cupsGetOption("printer-is-accepting-jobs", dest->num_options, dest->options);
    queue.state = accepting && std::strcmp(accepting, "false") == 0 ? Queue::NotAccepting : Queue::Accepting;
    cupsFreeDests(1, dest);
    return queue;
}

QString CupsPrintSystem::submit(const QString &queue, const QString &pdfFile, const QString &title)
{
    const int job = cupsPrintFile(queue.toLocal8Bit().constData(), QFile::encodeName(pdfFile).constData(),
                                  title.toUtf8().constData(), 0, nullptr);
    if (job > 0)
        return QString();
    const char *reason = cupsLastErrorString();
    return reason && *reason ? QString::fromUtf8(reason) : QStringLiteral("%1").arg(int(cupsLastError()));
}
