#include "app/criteriamatrixbar.h"

#include "app/buttonicons.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

CriteriaMatrixBar::CriteriaMatrixBar(QWidget *parent)
    : QWidget(parent)
    , m_label(new QLabel(this))
    , m_name(new QLineEdit(this))
    , m_prior(new QPushButton(this))
    , m_next(new QPushButton(this))
{
    setObjectName(QStringLiteral("CriteriaMatrixBar"));
    m_name->setObjectName(QStringLiteral("CriteriaMatrixName"));
    m_name->setReadOnly(true);
    m_prior->setObjectName(QStringLiteral("PriorCriteriaMatrixBtn"));
    m_next->setObjectName(QStringLiteral("NextCriteriaMatrixBtn"));
    m_prior->setIcon(ButtonIcons::arrowLeft());
    m_next->setIcon(ButtonIcons::arrowRight());
    m_label->setBuddy(m_name);
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(8, 4, 8, 4);
    row->addWidget(m_label);
    row->addWidget(m_name, 1);
    // The arrows keep the size of the alternatives page's; the bar's room goes to the path.
    for (QPushButton *arrow : {m_prior, m_next}) {
        arrow->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        row->addWidget(arrow);
    }
    row->addStretch(0);
    showTranslatedTexts();
    setVisible(false);
}

void CriteriaMatrixBar::showMatrix(const QString &path, bool first, bool last)
{
    m_path = path;
    m_prior->setEnabled(!first);
    m_next->setEnabled(!last);
    showTranslatedTexts();
}

void CriteriaMatrixBar::showTranslatedTexts()
{
    m_label->setText(m_path.isEmpty() ? tr("Критерии верхнего уровня") : tr("Подкритерии критерия:"));
    m_name->setVisible(!m_path.isEmpty());
    m_name->setText(m_path);
    m_name->setCursorPosition(0);
    m_name->setToolTip(m_path);
    m_prior->setToolTip(tr("Предыдущая матрица критериев"));
    m_next->setToolTip(tr("Следующая матрица критериев"));
    m_prior->setAccessibleName(m_prior->toolTip());
    m_next->setAccessibleName(m_next->toolTip());
    m_name->setAccessibleName(tr("Критерий, подкритерии которого сравниваются"));
}
