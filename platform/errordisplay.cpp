#include "errordisplay.h"

#include "platformerror.h"
#include "programidentity.h"

#include <QApplication>
#include <QMessageBox>

#include <exception>
#include <utility>

namespace ErrorDisplay {

namespace {
Sink &currentSink()
{
    static Sink sink;
    return sink;
}
}

void show(const QString &message)
{
    if (const Sink &sink = currentSink()) {
        sink(message);
        return;
    }
    QMessageBox::critical(QApplication::activeWindow(), ProgramIdentity::title(),
                          message);
}

Sink setSink(Sink sink)
{
    return std::exchange(currentSink(), std::move(sink));
}

bool guarded(const std::function<void()> &body)
{
    try {
        body();
        return true;
    } catch (const PlatformError &error) {
        show(error.message());
    } catch (const std::exception &error) {
        show(QString::fromUtf8(error.what()));
    } catch (...) {
        show(QString());
    }
    return false;
}

}
