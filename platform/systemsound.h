#pragma once

// The system's asterisk sound, played after a message about the user's input.
namespace SystemSound {

void playAsterisk();

// How often the sound was played since the last reset, so that tests can hear it.
int asteriskCount();
void resetCount();

}
