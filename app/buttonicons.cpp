#include "app/buttonicons.h"

namespace {

QIcon resourceIcon(const char *name)
{
    return QIcon(QStringLiteral(":/icons/") + QLatin1String(name) + QStringLiteral(".svg"));
}

}

namespace ButtonIcons {

QIcon printer() { return resourceIcon("printer"); }
QIcon help() { return resourceIcon("help"); }
QIcon back() { return resourceIcon("back"); }
QIcon forward() { return resourceIcon("forward"); }
QIcon close() { return resourceIcon("close"); }
QIcon calculate() { return resourceIcon("calculate"); }
QIcon arrowLeft() { return resourceIcon("arrowleft"); }
QIcon arrowRight() { return resourceIcon("arrowright"); }
QIcon overflow() { return resourceIcon("overflow"); }
QIcon program() { return resourceIcon("analyze"); }

}
