#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

// Above the criteria grid of a decision with sub-criteria: which matrix the grid shows (the top
// criteria or the sub-criteria of one criterion, by its path) and the arrows between them. A
// decision without sub-criteria never shows it.
class CriteriaMatrixBar : public QWidget
{
    Q_OBJECT
public:
    explicit CriteriaMatrixBar(QWidget *parent);

    QPushButton *priorButton() const { return m_prior; }
    QPushButton *nextButton() const { return m_next; }
    // path: the criterion whose sub-criteria the grid shows; empty for the top criteria.
    void showMatrix(const QString &path, bool first, bool last);
    void showTranslatedTexts();

private:
    QLabel *m_label;
    QLineEdit *m_name;
    QPushButton *m_prior;
    QPushButton *m_next;
    QString m_path;
};
