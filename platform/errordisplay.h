#pragma once

#include <QString>

#include <functional>

// The one place where a failure of the platform reaches the person: a modal error box.
namespace ErrorDisplay {

// A critical message box over the active window, titled with the application's name.
void show(const QString &message);

// Tests capture the messages instead of a box; an empty sink restores the box.
using Sink = std::function<void(const QString &)>;
Sink setSink(Sink sink);

// Runs one event handler's body. A PlatformError or std::exception escaping it is shown with its
// own message, anything else with an empty one. Returns false when something escaped.
bool guarded(const std::function<void()> &body);

}
