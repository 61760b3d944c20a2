#pragma once

// Alt with a letter is the keyboard's way to a labelled control or a menu, never typing. Qt
// takes a mnemonic that some control answers to as a shortcut before any key press is sent;
// one that nothing answers to (the disabled "Назад" on the title page, a letter no caption
// has) then arrives as an ordinary key press, and a text field or a spin box would type the
// letter into the person's name or count. Such a key press is refused with the bell instead,
// as on the desktop the wizard was designed for.
namespace AltLetters {

// Filters the key presses of the whole application from now on.
void refuseUnanswered();

}
