#pragma once

#include <QString>

#include <functional>

// The question before unsaved work would go away: Сохранить / Не сохранять / Отмена.
namespace SaveQuestion {

enum class Answer { Save, Discard, Cancel };

// A modal box over the active window; Escape and closing the box cancel.
Answer ask(const QString &text);

// Tests answer instead of a person; an empty responder brings the box back. Returns the
// previous responder.
using Responder = std::function<Answer(const QString &text)>;
Responder setResponder(Responder responder);

}
