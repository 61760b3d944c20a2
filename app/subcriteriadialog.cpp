#include "app/subcriteriadialog.h"

#include "platform/accessiblesupport.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

#include <algorithm>
#include <functional>

namespace {

QListWidgetItem *editableItem(const QString &name)
{
    auto *item = new QListWidgetItem(name);
    item->setFlags(item->flags() | Qt::ItemIsEditable);
    return item;
}

int leavesOf(const CriterionNode &node)
{
    int count = 0;
    for (const CriterionNode &sub : node.subcriteria)
        count += leavesOf(sub);
    return node.hasSubcriteria() ? count : 1;
}

// The items keep the bare names, which the editor opens on; only what is drawn counts.
class EntryDelegate : public QStyledItemDelegate
{
public:
    EntryDelegate(std::function<QString(int)> shown, QObject *parent)
        : QStyledItemDelegate(parent), m_shown(std::move(shown))
    {
    }

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        option->text = m_shown(index.row());
    }

private:
    std::function<QString(int)> m_shown;
};

} // namespace

SubcriteriaDialog::SubcriteriaDialog(Decision *decision, const CriterionPath &path, QWidget *parent)
    : QDialog(parent), m_decision(decision), m_path(path)
{
    const Hierarchy tree = decision->hierarchy();
    m_pathNames = tree.pathNames(path);
    if (const CriterionNode *node = tree.node(path))
        m_opened = *node;
    m_leavesElsewhere = tree.leafCount() - leavesOf(m_opened);
    const std::function<Origin(const CriterionNode &, const CriterionPath &)> originOf =
            [&originOf](const CriterionNode &node, const CriterionPath &at) {
                Origin origin{at, {}};
                for (int i = 0; i < node.subcriteria.size(); ++i)
                    origin.subcriteria.push_back(originOf(node.subcriteria.at(i), CriterionPath(at) << i));
                return origin;
            };
    build(m_opened, originOf(m_opened, path));
}

SubcriteriaDialog::SubcriteriaDialog(const QStringList &pathNames, const CriterionNode &node, const Origin &origin,
                                     int leavesElsewhere, QWidget *parent)
    : QDialog(parent), m_pathNames(pathNames), m_opened(node), m_leavesElsewhere(leavesElsewhere)
{
    build(node, origin);
}

void SubcriteriaDialog::build(const CriterionNode &node, const Origin &origin)
{
    setObjectName(QStringLiteral("SubcriteriaDialog"));
    const QString pathText = joinedPath(m_pathNames);
    setWindowTitle(tr("Подкритерии «%1»").arg(pathText));

    auto *heading = new QLabel(tr("Подкритерии критерия «%1» (от %2 до %3):")
                                       .arg(pathText).arg(MinSubcriteria).arg(MaxSubcriteria),
                               this);
    heading->setWordWrap(true);
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("SubcriteriaList"));
    m_list->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                            | QAbstractItemView::AnyKeyPressed);
    m_list->setItemDelegate(new EntryDelegate([this](int row) { return shownText(row); }, m_list));
    heading->setBuddy(m_list);
    // The heading is the list's caption on the screen; a screen reader names the list itself.
    m_list->setAccessibleName(windowTitle());
    for (int i = 0; i < node.subcriteria.size(); ++i) {
        QListWidgetItem *item = editableItem(node.subcriteria.at(i).name);
        const Origin sub = i < int(origin.subcriteria.size()) ? origin.subcriteria.at(size_t(i)) : Origin();
        m_entries.insert(item, Entry{i, node.subcriteria.at(i), sub});
        m_list->addItem(item);
    }
    m_add = new QPushButton(tr("&Добавить"), this);
    m_add->setObjectName(QStringLiteral("AddSubcriterionBtn"));
    m_remove = new QPushButton(tr("&Удалить"), this);
    m_remove->setObjectName(QStringLiteral("RemoveSubcriterionBtn"));
    m_removeAll = new QPushButton(tr("Убрать &все"), this);
    m_removeAll->setObjectName(QStringLiteral("RemoveAllSubcriteriaBtn"));
    m_nested = new QPushButton(tr("&Подкритерии…"), this);
    m_nested->setObjectName(QStringLiteral("NestedSubcriteriaBtn"));
    m_message = new QLabel(this);
    m_message->setObjectName(QStringLiteral("SubcriteriaMessage"));
    m_message->setWordWrap(true);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);

    auto *side = new QVBoxLayout;
    side->addWidget(m_add);
    side->addWidget(m_remove);
    side->addWidget(m_removeAll);
    side->addWidget(m_nested);
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
    connect(m_nested, &QPushButton::clicked, this, &SubcriteriaDialog::openSubcriteria);
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

QString SubcriteriaDialog::shownText(int row) const
{
    const QListWidgetItem *item = m_list->item(row);
    if (!item)
        return QString();
    return criterionListText(item->text(), int(m_entries.value(item).node.subcriteria.size()));
}

CriterionNode SubcriteriaDialog::edited() const
{
    CriterionNode node{m_opened.name, {}, emptyJudgements(m_list->count())};
    QList<int> originals;
    for (int i = 0; i < m_list->count(); ++i) {
        const QListWidgetItem *item = m_list->item(i);
        const Entry entry = m_entries.value(item);
        CriterionNode sub = entry.node;
        sub.name = item->text();
        node.subcriteria.append(sub);
        originals.append(entry.original);
    }
    // Judgements between sub-criteria that stayed stay; a removed one takes its own along.
    for (int r = 0; r < originals.size(); ++r) {
        for (int c = 0; c < originals.size(); ++c) {
            if (r != c && originals.at(r) >= 0 && originals.at(c) >= 0)
                node.judgements[r][c] = m_opened.judgements.value(originals.at(r)).value(originals.at(c));
        }
    }
    return node;
}

SubcriteriaDialog::Origin SubcriteriaDialog::editedOrigin() const
{
    Origin origin;
    for (int i = 0; i < m_list->count(); ++i)
        origin.subcriteria.push_back(m_entries.value(m_list->item(i)).origin);
    return origin;
}

int SubcriteriaDialog::leafCount() const
{
    int count = 0;
    for (int i = 0; i < m_list->count(); ++i)
        count += leavesOf(m_entries.value(m_list->item(i)).node);
    return m_leavesElsewhere + std::max(count, 1);
}

QString SubcriteriaDialog::nestingRefusal() const
{
    if (m_pathNames.size() + 1 >= MaxCriteriaLevels)
        return tr("Критериев может быть не больше %1 уровней").arg(MaxCriteriaLevels);
    const QListWidgetItem *item = m_list->currentItem();
    // Two sub-criteria in place of a leaf make one leaf more.
    if (item && !m_entries.value(item).node.hasSubcriteria() && leafCount() + 1 > MaxLeaves)
        return tr("Критериев без подкритериев может быть не больше %1").arg(MaxLeaves);
    return QString();
}

void SubcriteriaDialog::commitEditor()
{
    const int row = m_list->currentRow();
    m_list->setCurrentItem(nullptr);
    m_list->setCurrentRow(row);
}

void SubcriteriaDialog::addSubcriterion()
{
    if (!m_add->isEnabled())
        return;
    // An open editor's text is the item's before another item comes.
    m_list->setCurrentItem(nullptr);
    QListWidgetItem *item = editableItem(tr("Подкритерий %1").arg(m_list->count() + 1));
    m_entries.insert(item, Entry{-1, CriterionNode{item->text(), {}, {}}, Origin()});
    m_list->addItem(item);
    m_list->setCurrentRow(m_list->count() - 1);
    m_list->setFocus();
    m_list->editItem(m_list->currentItem());
    updateButtons();
}

void SubcriteriaDialog::removeSubcriterion()
{
    QListWidgetItem *item = m_list->takeItem(m_list->currentRow());
    m_entries.remove(item);
    delete item;
    updateButtons();
}

void SubcriteriaDialog::removeAll()
{
    m_entries.clear();
    m_list->clear();
    updateButtons();
}

void SubcriteriaDialog::openSubcriteria()
{
    commitEditor();
    QListWidgetItem *item = m_list->currentItem();
    if (!item || !nestingRefusal().isEmpty())
        return;
    const Entry entry = m_entries.value(item);
    CriterionNode node = entry.node;
    node.name = item->text();
    auto *inner = new SubcriteriaDialog(QStringList(m_pathNames) << node.name, node, entry.origin,
                                        leafCount() - leavesOf(entry.node), this);
    inner->setAttribute(Qt::WA_DeleteOnClose);
    connect(inner, &QDialog::accepted, this, [this, inner, item] {
        if (!m_entries.contains(item))
            return;
        Entry &changed = m_entries[item];
        const CriterionNode node = inner->edited();
        changed.node.subcriteria = node.subcriteria;
        changed.node.judgements = node.judgements;
        changed.origin.subcriteria = inner->editedOrigin().subcriteria;
        item->setData(Qt::AccessibleTextRole, shownText(m_list->row(item)));
        m_list->viewport()->update();
        updateButtons();
    });
    inner->open();
}

void SubcriteriaDialog::updateButtons()
{
    const bool leavesFull = m_list->count() > 0 && leafCount() + 1 > MaxLeaves;
    m_add->setEnabled(m_list->count() < MaxSubcriteria && !leavesFull);
    m_add->setToolTip(leavesFull ? tr("Критериев без подкритериев может быть не больше %1").arg(MaxLeaves) : QString());
    m_remove->setEnabled(m_list->currentRow() >= 0);
    m_removeAll->setEnabled(m_list->count() > 0);
    const QString refusal = nestingRefusal();
    m_nested->setEnabled(m_list->currentRow() >= 0 && refusal.isEmpty());
    m_nested->setToolTip(refusal);
}

void SubcriteriaDialog::showMessage(const QString &text)
{
    m_message->setText(text);
    // Said at once: the person pressed OK and hears why nothing closed.
    AccessibleSupport::announce(m_message, text);
}

bool SubcriteriaDialog::acceptable()
{
    // The editor still open holds the last name typed.
    commitEditor();
    if (!m_list->count())
        return true;
    if (m_list->count() < MinSubcriteria) {
        showMessage(tr("Подкритериев должно быть от %1 до %2").arg(MinSubcriteria).arg(MaxSubcriteria));
        return false;
    }
    if (m_pathNames.size() >= MaxCriteriaLevels) {
        showMessage(tr("Критериев может быть не больше %1 уровней").arg(MaxCriteriaLevels));
        return false;
    }
    if (leafCount() > MaxLeaves) {
        showMessage(tr("Критериев без подкритериев может быть не больше %1").arg(MaxLeaves));
        return false;
    }
    return true;
}

void SubcriteriaDialog::accept()
{
    if (!acceptable())
        return;
    if (!m_decision) {
        QDialog::accept();
        return;
    }
    // The tree is a copy: it lives as long as the node taken from it.
    const Hierarchy tree = m_decision->hierarchy();
    const CriterionNode *node = tree.node(m_path);
    if (!node) {
        QDialog::reject();
        return;
    }
    if (!m_list->count()) {
        if (node->hasSubcriteria())
            m_decision->removeSubcriteria(m_path);
        QDialog::accept();
        return;
    }
    QMap<CriterionPath, CriterionPath> leafOrigins;
    const std::function<void(const CriterionNode &, const Origin &, const CriterionPath &)> collect =
            [&](const CriterionNode &at, const Origin &origin, const CriterionPath &path) {
                if (!at.hasSubcriteria()) {
                    if (!origin.path.isEmpty())
                        leafOrigins.insert(path, origin.path);
                    return;
                }
                for (int i = 0; i < at.subcriteria.size(); ++i) {
                    const Origin sub = i < int(origin.subcriteria.size()) ? origin.subcriteria.at(size_t(i)) : Origin();
                    collect(at.subcriteria.at(i), sub, CriterionPath(path) << i);
                }
            };
    const CriterionNode changed = edited();
    collect(changed, editedOrigin(), m_path);
    if (!m_decision->setSubtree(m_path, changed, leafOrigins)) {
        showMessage(tr("Критериев без подкритериев может быть не больше %1").arg(MaxLeaves));
        return;
    }
    QDialog::accept();
}

QString criterionListText(const QString &name, int subcriteria)
{
    return subcriteria > 0 ? QStringLiteral("%1 ▸ %2").arg(name).arg(subcriteria) : name;
}
