#include "systemsound.h"

#include <QApplication>

namespace SystemSound {

namespace {
int playedCount = 0;
}

void playAsterisk()
{
    ++playedCount;
    QApplication::beep();
}

int asteriskCount()
{
    return playedCount;
}

void resetCount()
{
    playedCount = 0;
}

}
