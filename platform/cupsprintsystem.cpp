#include "platform/cupsprintsystem.h"

#include <QFile>

#include <cups/cups.h>

#include <cstring>

namespace {

// No default queue is "no printer" only when the scheduler answers; when it cannot even be
// reached, the print service itself is not running.
bool schedulerAnswers()
{
    http_t *http = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1, 5000, nullptr);
    if (!http)
        return false;
    httpClose(http);
    return true;
}

}

PrintSystem::Queue CupsPrintSystem::defaultQueue()
{
    Queue queue;
    cups_dest_t *dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, nullptr, nullptr);
    if (!dest) {
        queue.state = schedulerAnswers() ? Queue::NotFound : Queue::ServiceDown;
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
