#include "platform/questionbox.h"

#include <QApplication>
#include <QMessageBox>

#include <utility>

namespace QuestionBox {

namespace {
Responder &currentResponder()
{
    static Responder responder;
    return responder;
}
}

bool ask(const QString &text, const QString &caption)
{
    if (const Responder &responder = currentResponder())
        return responder(text, caption);

    QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::Yes | QMessageBox::No,
                    QApplication::activeWindow());
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    box.setWindowModality(Qt::ApplicationModal);
    return box.exec() == QMessageBox::Yes;
}

Responder setResponder(Responder responder)
{
    return std::exchange(currentResponder(), std::move(responder));
}

}
