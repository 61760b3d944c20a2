#pragma once

#include <QString>

class QSlider;
class QWidget;

// What Qt's own accessibility leaves out for this program's controls: the spin control as a
// spin button with its value, a slider that reports its value in the unit it stands for, and
// announcements of texts that appear without taking the focus.
namespace AccessibleSupport {

// Registers the interfaces of the program's own controls; call once before any window exists.
void install();

// The slider reports position / scale (a weight 0 to 1 from positions 0 to 1000). Call before
// anything gives the slider a name or a value: its interface is made at the first of these.
void setValueScale(QSlider *slider, double scale);

// Tells assistive technology that source now says text: its description changes and an alert
// goes out, so that a screen reader speaks it although the focus stays where it was.
void announce(QWidget *source, const QString &text);

}
