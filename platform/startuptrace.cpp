#include "platform/startuptrace.h"

#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QWidget>

#include <cstdio>

namespace {

struct Clock
{
    QElapsedTimer sinceMain;
    qint64 previousNs = 0;
    bool on = false;
};

Clock &traceClock()
{
    static Clock instance;
    return instance;
}

class FirstPaintWatch : public QObject
{
public:
    FirstPaintWatch(QObject *parent, const char *step) : QObject(parent), m_step(step) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            StartupTrace::mark(m_step);
            const QStringList libraries = StartupTrace::loadedLibraries();
            fprintf(stderr, "startup: %lld shared libraries loaded\n", static_cast<long long>(libraries.size()));
            if (qgetenv("ANALYZE_STARTUP_TRACE") == "libraries") {
                for (const QString &library : libraries)
                    fprintf(stderr, "startup:   %s\n", qPrintable(library));
            }
            fflush(stderr);
            watched->removeEventFilter(this);
            deleteLater();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    const char *m_step;
};

// Resident memory in kilobytes, from the kernel's own count.
long long residentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

} // namespace

void StartupTrace::start()
{
    Clock &c = traceClock();
    c.on = qEnvironmentVariableIsSet("ANALYZE_STARTUP_TRACE");
    c.sinceMain.start();
    c.previousNs = 0;
}

bool StartupTrace::enabled()
{
    return traceClock().on;
}

void StartupTrace::mark(const char *step)
{
    Clock &c = traceClock();
    if (!c.on || !c.sinceMain.isValid())
        return;
    const qint64 now = c.sinceMain.nsecsElapsed();
    fprintf(stderr, "startup: %8.2f ms  (+%7.2f)  %6.1f MB  %s\n", double(now) / 1e6, double(now - c.previousNs) / 1e6,
            double(residentKb()) / 1024, step);
    fflush(stderr);
    c.previousNs = now;
}

void StartupTrace::watchFirstPaint(QWidget *window, const char *step)
{
    if (enabled())
        window->installEventFilter(new FirstPaintWatch(window, step));
}

QStringList StartupTrace::loadedLibraries()
{
    QStringList libraries;
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly))
        return libraries;
    // Each line: address, permissions, offset, device, inode, then the path of a mapped file.
    for (const QByteArray &line : maps.readAll().split('\n')) {
        const int slash = line.indexOf('/');
        if (slash < 0)
            continue;
        const QString path = QString::fromLocal8Bit(line.mid(slash));
        if (path.contains(QLatin1String(".so")) && !libraries.contains(path))
            libraries << path;
    }
    return libraries;
}
