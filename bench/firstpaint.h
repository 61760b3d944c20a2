#pragma once

// Start-up measurement shared by the program and the bare window: once the first window has
// been painted, prints the milliseconds since launch and ends the process.
//
// Launch is the moment startup_launch took just before it started this process, handed over
// in ANALYZE_LAUNCH_NS (CLOCK_MONOTONIC); without it, the process's start time from
// /proc/self/stat, which the kernel keeps only in clock ticks.

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <unistd.h>

namespace FirstPaint {

inline qint64 nowNs()
{
    timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return qint64(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

inline qint64 launchNs()
{
    bool ok = false;
    const qint64 handed = qEnvironmentVariable("ANALYZE_LAUNCH_NS").toLongLong(&ok);
    if (ok)
        return handed;
    QFile stat(QStringLiteral("/proc/self/stat"));
    if (!stat.open(QIODevice::ReadOnly))
        return nowNs();
    const QByteArray line = stat.readAll();
    // Field 22, counted after the command name in parentheses, which may hold blanks.
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    const qint64 ticks = fields.value(19).toLongLong();
    timespec boot;
    clock_gettime(CLOCK_BOOTTIME, &boot);
    const qint64 sinceBootNs = qint64(boot.tv_sec) * 1000000000 + boot.tv_nsec;
    const qint64 startSinceBootNs = ticks * (1000000000 / sysconf(_SC_CLK_TCK));
    return nowNs() - (sinceBootNs - startSinceBootNs);
}

class Probe : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (!m_seen && event->type() == QEvent::Paint && watched->isWidgetType()
                && static_cast<QWidget *>(watched)->isWindow()) {
            m_seen = true;
            // Measured once this round of painting has been flushed to the screen.
            QTimer::singleShot(0, this, [] {
                const double ms = double(nowNs() - launchNs()) / 1e6;
                printf("%.2f\n", ms);
                fflush(stdout);
                _exit(0);
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_seen = false;
};

inline void install()
{
    QCoreApplication::instance()->installEventFilter(new Probe(QCoreApplication::instance()));
}

} // namespace FirstPaint
