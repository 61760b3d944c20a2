#include "platform/programidentity.h"

namespace ProgramIdentity {

namespace {
QString &storedTitle()
{
    static QString title;
    return title;
}
}

QString title()
{
    return storedTitle();
}

void setTitle(const QString &title)
{
    storedTitle() = title;
}

}
