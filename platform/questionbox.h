#pragma once

#include <QString>

#include <functional>

// The program's one question to the person: a modal Yes/No box.
namespace QuestionBox {

// A modal box over the active window with a question icon and the buttons Yes (default) and
// No (also Escape and closing the box). True only when the person chooses Yes.
bool ask(const QString &text, const QString &caption);

// Tests answer instead of a person; an empty responder brings the box back. Returns the
// previous responder.
using Responder = std::function<bool(const QString &text, const QString &caption)>;
Responder setResponder(Responder responder);

}
