#include "platform/savequestion.h"
#include "platform/programidentity.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include <utility>

namespace SaveQuestion {

namespace {
Responder &currentResponder()
{
    static Responder responder;
    return responder;
}
}

Answer ask(const QString &text)
{
    if (const Responder &responder = currentResponder())
        return responder(text);

    QMessageBox box(QMessageBox::Question, ProgramIdentity::title(), text,
                    QMessageBox::NoButton, QApplication::activeWindow());
    QPushButton *save = box.addButton(QCoreApplication::translate("SaveQuestion", "Сохранить"), QMessageBox::AcceptRole);
    QPushButton *discard = box.addButton(QCoreApplication::translate("SaveQuestion", "Не сохранять"), QMessageBox::DestructiveRole);
    QPushButton *cancel = box.addButton(QCoreApplication::translate("SaveQuestion", "Отмена"), QMessageBox::RejectRole);
    box.setDefaultButton(save);
    box.setEscapeButton(cancel);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
    if (box.clickedButton() == save)
        return Answer::Save;
    if (box.clickedButton() == discard)
        return Answer::Discard;
    return Answer::Cancel;
}

Responder setResponder(Responder responder)
{
    return std::exchange(currentResponder(), std::move(responder));
}

}
