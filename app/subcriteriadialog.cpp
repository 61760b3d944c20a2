#include "app/subcriteriadialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QListWidgetItem *editableItem(const QString &name)
{
    auto *item = new QListWidgetItem(name);
    item->setFlags(item->flags() | Qt::ItemIsEditable);
    return item;
}

} // namespace

SubcriteriaDialog::SubcriteriaDialog(Decision *decision, const CriterionPath &path, QWidget *parent)
    : QDialog(parent), m_decision(decision), m_path(path)
{
    setObjectName(QStringLiteral("SubcriteriaDialog"));
    const Hierarchy tree = decision->hierarchy();
    setWindowTitle(tr("Подкритерии «%1»").arg(tree.pathText(path)));

    auto *heading = new QLabel(tr("Подкритерии критерия «%1» (от %2 до %3):")
                                       .arg(tree.pathText(path)).arg(MinSubcriteria).arg(MaxSubcriteria),
                               this);
    heading->setWordWrap(true);
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("SubcriteriaList"));
    m_list->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                            | QAbstractItemView::AnyKeyPressed);
    heading->setBuddy(m_list);
    if (const CriterionNode *node = tree.node(path)) {
        for (const CriterionNode &sub : node->subcriteria)
            m_list->addItem(editableItem(sub.name));
    }
    m_add = new QPushButton(tr("&Добавить"), this);
    m_add->setObjectName(QStringLiteral("AddSubcriterionBtn"));
    m_remove = new QPushButton(tr("&Удалить"), this);
    m_remove->setObjectName(QStringLiteral("RemoveSubcriterionBtn"));
    m_removeAll = new QPushButton(tr("Убрать &все"), this);
    m_removeAll->setObjectName(QStringLiteral("RemoveAllSubcriteriaBtn"));
    m_message = new QLabel(this);
    m_message->setObjectName(QStringLiteral("SubcriteriaMessage"));
    m_message->setWordWrap(true);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);

    auto *side = new QVBoxLayout;
    side->addWidget(m_add);
    side->addWidget(m_remove);
    side->addWidget(m_removeAll);
    side->addStretch();
    auto *middle = new QHBoxLayout;
    middle->addWidget(m_list);
    middle->addLayout(side);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addLayout(middle);
    layout->addWidget(m_message);
    layout->addWidget(buttons);

    connect(m_add, &QPushButton::clicked, this, &SubcriteriaDialog::addSubcriterion);
    connect(m_remove, &QPushButton::clicked, this, &SubcriteriaDialog::removeSubcriterion);
    connect(m_removeAll, &QPushButton::clicked, this, &SubcriteriaDialog::removeAll);
    connect(m_list, &QListWidget::currentRowChanged, this, &SubcriteriaDialog::updateButtons);
    connect(buttons, &QDialogButtonBox::accepted, this, &SubcriteriaDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &SubcriteriaDialog::reject);
    updateButtons();
}

QStringList SubcriteriaDialog::names() const
{
    QStringList result;
    for (int i = 0; i < m_list->count(); ++i)
        result << m_list->item(i)->text();
    return result;
}

QString SubcriteriaDialog::message() const
{
    return m_message->text();
}

void SubcriteriaDialog::addSubcriterion()
{
    if (m_list->count() >= MaxSubcriteria)
        return;
    // An open editor's text is the item's before another item comes.
    m_list->setCurrentItem(nullptr);
    m_list->addItem(editableItem(tr("Подкритерий %1").arg(m_list->count() + 1)));
    m_list->setCurrentRow(m_list->count() - 1);
    m_list->setFocus();
    m_list->editItem(m_list->currentItem());
    updateButtons();
}

void SubcriteriaDialog::removeSubcriterion()
{
    delete m_list->takeItem(m_list->currentRow());
    updateButtons();
}

void SubcriteriaDialog::removeAll()
{
    m_list->clear();
    updateButtons();
}

void SubcriteriaDialog::updateButtons()
{
    m_add->setEnabled(m_list->count() < MaxSubcriteria);
    m_remove->setEnabled(m_list->currentRow() >= 0);
    m_removeAll->setEnabled(m_list->count() > 0);
}

void SubcriteriaDialog::accept()
{
    // The editor still open holds the last name typed.
    m_list->setCurrentItem(nullptr);
    const QStringList list = names();
    // The tree is a copy: it lives as long as the node taken from it.
    const Hierarchy tree = m_decision->hierarchy();
    const CriterionNode *node = tree.node(m_path);
    if (!node) {
        QDialog::reject();
        return;
    }
    if (list.isEmpty()) {
        if (node->hasSubcriteria())
            m_decision->removeSubcriteria(m_path);
        QDialog::accept();
        return;
    }
    if (list.size() < MinSubcriteria) {
        m_message->setText(tr("Подкритериев должно быть от %1 до %2").arg(MinSubcriteria).arg(MaxSubcriteria));
        return;
    }
    if (m_path.size() >= MaxCriteriaLevels) {
        m_message->setText(tr("Критериев может быть не больше %1 уровней").arg(MaxCriteriaLevels));
        return;
    }
    if (!m_decision->setSubcriteria(m_path, list)) {
        m_message->setText(tr("Критериев без подкритериев может быть не больше %1").arg(MaxLeaves));
        return;
    }
    QDialog::accept();
}

QString criterionListText(const QString &name, int subcriteria)
{
    return subcriteria > 0 ? QStringLiteral("%1 ▸ %2").arg(name).arg(subcriteria) : name;
}
