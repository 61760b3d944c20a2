#include "platform/cupsprintsystem.h"

#include <QFile>
#include <QLibrary>

#include <cups/cups.h>

#include <cstring>

namespace {

// libcups and the libraries it needs (Kerberos, GnuTLS, Avahi and a dozen more) are loaded on
// the first print, not at every start of the program, which prints seldom.
struct Cups
{
    decltype(&cupsServer) server = nullptr;
    decltype(&ippPort) port = nullptr;
    decltype(&cupsEncryption) encryption = nullptr;
    decltype(&httpConnect2) connect = nullptr;
    decltype(&httpClose) close = nullptr;
    decltype(&cupsGetNamedDest) namedDest = nullptr;
    decltype(&cupsGetOption) option = nullptr;
    decltype(&cupsFreeDests) freeDests = nullptr;
    decltype(&cupsPrintFile) printFile = nullptr;
    decltype(&cupsLastErrorString) lastErrorString = nullptr;
    decltype(&cupsLastError) lastError = nullptr;
    QString failure;

    static const Cups &library()
    {
        static const Cups cups = load();
        return cups;
    }

private:
    static Cups load()
    {
        Cups cups;
        QLibrary library(QStringLiteral("cups"), 2);
        if (!library.load()) {
            cups.failure = library.errorString();
            return cups;
        }
        bool complete = true;
        const auto resolve = [&](auto &function, const char *name) {
            function = reinterpret_cast<std::remove_reference_t<decltype(function)>>(library.resolve(name));
            complete = complete && function;
        };
        resolve(cups.server, "cupsServer");
        resolve(cups.port, "ippPort");
        resolve(cups.encryption, "cupsEncryption");
        resolve(cups.connect, "httpConnect2");
        resolve(cups.close, "httpClose");
        resolve(cups.namedDest, "cupsGetNamedDest");
        resolve(cups.option, "cupsGetOption");
        resolve(cups.freeDests, "cupsFreeDests");
        resolve(cups.printFile, "cupsPrintFile");
        resolve(cups.lastErrorString, "cupsLastErrorString");
        resolve(cups.lastError, "cupsLastError");
        if (!complete)
            cups.failure = library.errorString();
        // The library stays loaded for the rest of the run: QLibrary does not unload on destruction.
        return cups;
    }
};

// No default queue is "no printer" only when the scheduler answers; when it cannot even be
// reached, the print service itself is not running.
bool schedulerAnswers(const Cups &cups)
{
    http_t *http = cups.connect(cups.server(), cups.port(), nullptr, AF_UNSPEC, cups.encryption(), 1, 5000, nullptr);
    if (!http)
        return false;
    cups.close(http);
    return true;
}

}

PrintSystem::Queue CupsPrintSystem::defaultQueue()
{
    Queue queue;
    const Cups &cups = Cups::library();
    if (!cups.failure.isEmpty()) {
        // Without its library the print service cannot be reached at all.
        queue.state = Queue::ServiceDown;
        return queue;
    }
    cups_dest_t *dest = cups.namedDest(CUPS_HTTP_DEFAULT, nullptr, nullptr);
    if (!dest) {
        queue.state = schedulerAnswers(cups) ? Queue::NotFound : Queue::ServiceDown;
        return queue;
    }
    queue.name = QString::fromLocal8Bit(dest->name);
    const char *accepting = cups.option("printer-is-accepting-jobs", dest->num_options, dest->options);
    queue.state = accepting && std::strcmp(accepting, "false") == 0 ? Queue::NotAccepting : Queue::Accepting;
    cups.freeDests(1, dest);
    return queue;
}

QString CupsPrintSystem::submit(const QString &queue, const QString &pdfFile, const QString &title)
{
    const Cups &cups = Cups::library();
    if (!cups.failure.isEmpty())
        return cups.failure;
    const int job = cups.printFile(queue.toLocal8Bit().constData(), QFile::encodeName(pdfFile).constData(),
                                   title.toUtf8().constData(), 0, nullptr);
    if (job > 0)
        return QString();
    const char *reason = cups.lastErrorString();
    return reason && *reason ? QString::fromUtf8(reason) : QStringLiteral("%1").arg(int(cups.lastError()));
}
