#include "app/recoverycopy.h"

#include "document/decision.h"
#include "platform/errordisplay.h"
#include "platform/platformerror.h"

namespace {
// A change reaches the recovery copy within this time (and so well within two seconds).
constexpr int RecoveryDelay = 1000;
}

RecoveryCopy::RecoveryCopy(Decision *decision, QObject *parent)
    : QObject(parent)
    , m_decision(decision)
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(RecoveryDelay);
    connect(&m_timer, &QTimer::timeout, this, [this] { ErrorDisplay::guarded([this] { writeNow(); }); });
    connect(decision, &Decision::changed, this, [this] {
        if (!m_timer.isActive())
            m_timer.start();
    });
}

void RecoveryCopy::writeNow()
{
    m_timer.stop();
    if (!m_decision->isModified()) {
        // Nothing that the file (or a fresh start) does not hold already.
        m_file.remove();
        return;
    }
    QString error;
    if (m_file.write(m_decision->document(), m_sessionFile, &error)) {
        m_failed = false;
    } else if (!m_failed) {
        // Said once; the next change tries again without repeating the box every second.
        m_failed = true;
        throw PlatformError(error);
    }
}

void RecoveryCopy::remove()
{
    m_timer.stop();
    m_file.remove();
}
