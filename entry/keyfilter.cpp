#include "entry/keyfilter.h"

namespace {
constexpr char16_t EnterCharacter = 13;
constexpr char16_t BackspaceCharacter = 8;
}

bool isAcceptedGridCharacter(QChar c)
{
    const char16_t code = c.unicode();
    return (code >= u'0' && code <= u'9') || code == u'/' || code == EnterCharacter
            || code == BackspaceCharacter;
}
