#pragma once

#include <QListWidget>

// A list of names whose current entry the program moves while the person types elsewhere (the
// next name after Enter in the editor beside it). Qt's list tells assistive technology that the
// new entry has the focus whatever widget has it; this one says so only when it has the focus.
class NameListBox : public QListWidget
{
    Q_OBJECT
public:
    explicit NameListBox(QWidget *parent = nullptr);

protected:
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
};
