#pragma once

#include "document/decision.h"

#include <QDialog>
#include <QHash>

#include <vector>

class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;

// Names the sub-criteria of one criterion: adds, renames and removes them, and takes the list
// off again. A selected sub-criterion opens the same dialog one level down for its own
// sub-criteria. Everything works on the dialog's copy of the tree: an inner level's OK hands its
// list back to the level above, its Cancel drops that level's edits only, and nothing reaches the
// decision before the outermost OK, which makes the whole tree one undoable step. A list outside
// the limits (2..15 sub-criteria, four levels, 50 leaves) is refused in the dialog's own message
// line, and what was typed stays.
class SubcriteriaDialog : public QDialog
{
    Q_OBJECT
public:
    SubcriteriaDialog(Decision *decision, const CriterionPath &path, QWidget *parent = nullptr);

    QStringList names() const;
    QString message() const;
    // What the entry shows: "Сборка ▸ 2" for one with sub-criteria of its own, the name alone.
    QString shownText(int row) const;

public slots:
    void accept() override;

private:
    // Where a criterion of the dialog's copy was in the decision, to keep its leaves' judgements.
    struct Origin
    {
        CriterionPath path; // empty: added in this dialog
        std::vector<Origin> subcriteria;
    };
    struct Entry
    {
        int original = -1; // index in the criterion as the level was opened, -1 for a new one
        CriterionNode node;
        Origin origin;
    };

    // One level down: the sub-criteria of node, a criterion of the level above's copy.
    SubcriteriaDialog(const QStringList &pathNames, const CriterionNode &node, const Origin &origin,
                      int leavesElsewhere, QWidget *parent);
    void build(const CriterionNode &node, const Origin &origin);
    // The criterion as the list stands, its sub-criteria in order with their own.
    CriterionNode edited() const;
    Origin editedOrigin() const;
    int leafCount() const;
    // Why the selected entry cannot get sub-criteria of its own; empty when it can.
    QString nestingRefusal() const;
    // The editor still open gives its text to its entry; the same entry stays selected.
    void commitEditor();
    bool acceptable();
    void showMessage(const QString &text);
    void addSubcriterion();
    void removeSubcriterion();
    void removeAll();
    void openSubcriteria();
    void updateButtons();

    Decision *m_decision = nullptr; // null one level down
    CriterionPath m_path;
    QStringList m_pathNames;
    CriterionNode m_opened;
    int m_leavesElsewhere = 0;
    QHash<const QListWidgetItem *, Entry> m_entries;
    QListWidget *m_list;
    QPushButton *m_add;
    QPushButton *m_remove;
    QPushButton *m_removeAll;
    QPushButton *m_nested;
    QLabel *m_message;
};

// "Качество ▸ 2" for a criterion with two sub-criteria, the name alone for one without.
QString criterionListText(const QString &name, int subcriteria);
