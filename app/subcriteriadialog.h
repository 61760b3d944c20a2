#pragma once

#include "document/decision.h"

#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;

// Names the sub-criteria of one criterion: adds, renames and removes them, and takes the list
// off again. Nothing reaches the decision before OK; then the whole list is one undoable step.
// A list outside the limits (2..15 sub-criteria, four levels, 50 leaves) is refused in the
// dialog's own message line, and what was typed stays.
class SubcriteriaDialog : public QDialog
{
    Q_OBJECT
public:
    SubcriteriaDialog(Decision *decision, const CriterionPath &path, QWidget *parent = nullptr);

    QStringList names() const;
    QString message() const;

public slots:
    void accept() override;

private:
    void addSubcriterion();
    void removeSubcriterion();
    void removeAll();
    void updateButtons();

    Decision *m_decision;
    CriterionPath m_path;
    QListWidget *m_list;
    QPushButton *m_add;
    QPushButton *m_remove;
    QPushButton *m_removeAll;
    QLabel *m_message;
};

// "Качество ▸ 2" for a criterion with two sub-criteria, the name alone for one without.
QString criterionListText(const QString &name, int subcriteria);
