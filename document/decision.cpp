#include "document/decision.h"

#include "model/decisionmodel.h"

#include <QCoreApplication>

#include <algorithm>

namespace {
const QString Diagonal = QStringLiteral("1");

enum CommandId { CellTypingId = 1, UserTypingId };

QString translated(const char *text)
{
    return QCoreApplication::translate("Decision", text);
}

QStringList &namesOf(DecisionDocument &data, NameList list)
{
    return list == NameList::Criteria ? data.criteria : data.alternatives;
}

const QStringList &namesOf(const DecisionDocument &data, NameList list)
{
    return list == NameList::Criteria ? data.criteria : data.alternatives;
}

QString defaultName(NameList list, int index)
{
    return list == NameList::Criteria ? defaultCriterionName(index) : defaultAlternativeName(index);
}

DecisionDocument emptyDocument(int criteria, int alternatives, const QString &user)
{
    DecisionDocument data;
    data.user = user;
    for (int i = 0; i < criteria; ++i)
        data.criteria << QString();
    for (int k = 0; k < alternatives; ++k)
        data.alternatives << QString();
    data.criteriaJudgements = emptyJudgements(criteria);
    for (int c = 0; c < criteria; ++c)
        data.alternativesJudgements << emptyJudgements(alternatives);
    return data;
}

// The criterion at a path of at least two inside the document, or its sub-criteria's matrix.
CriterionNode *nodeIn(DecisionDocument &data, const CriterionPath &path)
{
    if (path.size() < 2 || path.first() < 0 || path.first() >= data.subcriteria.size())
        return nullptr;
    QList<CriterionNode> *level = &data.subcriteria[path.first()].criteria;
    CriterionNode *node = nullptr;
    for (qsizetype d = 1; d < path.size(); ++d) {
        const int i = path.at(d);
        if (i < 0 || i >= level->size())
            return nullptr;
        node = &(*level)[i];
        level = &node->subcriteria;
    }
    return node;
}

QList<QStringList> *subcriteriaCells(DecisionDocument &data, int matrix)
{
    const CriterionPath path = data.hierarchy().subcriteriaPlaces().value(subcriteriaIndexOf(matrix)).path;
    if (path.isEmpty() || path.first() >= data.subcriteria.size())
        return nullptr;
    if (path.size() == 1)
        return &data.subcriteria[path.first()].judgements;
    CriterionNode *node = nodeIn(data, path);
    return node ? &node->judgements : nullptr;
}

// Same criteria at the same places with the same names, whatever their judgements.
bool sameTree(const QList<CriterionNode> &a, const QList<CriterionNode> &b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (a.at(i).name != b.at(i).name || !sameTree(a.at(i).subcriteria, b.at(i).subcriteria))
            return false;
    }
    return true;
}
} // namespace

QList<QStringList> emptyJudgements(int order)
{
    QList<QStringList> matrix;
    for (int i = 0; i < order; ++i) {
        QStringList row;
        for (int j = 0; j < order; ++j)
            row << (i == j ? Diagonal : QString());
        matrix << row;
    }
    return matrix;
}

// ---- the steps of the history -------------------------------------------------------------

class DecisionCommand : public QUndoCommand
{
public:
    DecisionCommand(Decision *decision, const EditPlace &place)
        : m_decision(decision), m_place(place), m_serial(decision->m_typingSerial)
    {
    }
    // What the step did, in the language of the moment and with the names of the moment.
    virtual QString describe() const = 0;
    const EditPlace &place() const { return m_place; }

protected:
    // Only typing that goes on where it started joins the step before.
    bool mayJoin(const DecisionCommand *other) const
    {
        return other->m_decision == m_decision && other->m_serial == m_serial
               && m_decision->m_typingSerial == m_serial;
    }

    Decision *m_decision;
    EditPlace m_place;
    int m_serial;
};

class CellsCommand : public DecisionCommand
{
public:
    struct Change
    {
        int row, col;
        QString before, after;
    };
    CellsCommand(Decision *decision, int matrix, const CellEdit &anchor, const QList<Change> &changes, bool typing)
        : DecisionCommand(decision, matrixPlace(matrix, anchor)), m_changes(changes), m_typing(typing)
    {
    }
    int id() const override { return m_typing ? CellTypingId : -1; }
    void redo() override { apply(false); }
    void undo() override { apply(true); }
    bool mergeWith(const QUndoCommand *other) override
    {
        const auto *next = static_cast<const CellsCommand *>(other);
        if (!mayJoin(next) || next->m_place.matrix != m_place.matrix || next->m_place.row != m_place.row
            || next->m_place.col != m_place.col)
            return false;
        for (const Change &change : next->m_changes) {
            auto same = std::find_if(m_changes.begin(), m_changes.end(),
                                     [&change](const Change &c) { return c.row == change.row && c.col == change.col; });
            if (same == m_changes.end())
                m_changes.append(change);
            else
                same->after = change.after;
        }
        // Typing that ends where it began changed nothing: the step goes.
        m_changes.removeIf([](const Change &c) { return c.before == c.after; });
        setObsolete(m_changes.isEmpty());
        return true;
    }
    QString describe() const override
    {
        if (isSubcriteriaMatrix(m_place.matrix)) {
            const QStringList names = matrixItems(m_decision->m_data, m_place.matrix);
            return QCoreApplication::translate("Decision", "суждение «%1» : «%2»")
                    .arg(names.value(m_place.row), names.value(m_place.col));
        }
        const NameList list = m_place.matrix == CriteriaMatrix ? NameList::Criteria : NameList::Alternatives;
        return QCoreApplication::translate("Decision", "суждение «%1» : «%2»")
                .arg(m_decision->name(list, m_place.row), m_decision->name(list, m_place.col));
    }

private:
    static EditPlace matrixPlace(int matrix, const CellEdit &first)
    {
        EditPlace place;
        place.kind = EditPlace::Kind::Matrix;
        place.matrix = matrix;
        place.row = first.row;
        place.col = first.col;
        return place;
    }
    void apply(bool back)
    {
        for (const Change &change : m_changes)
            m_decision->putJudgement(m_place.matrix, change.row, change.col, back ? change.before : change.after);
        emit m_decision->judgementsChanged(m_place.matrix);
    }

    QList<Change> m_changes;
    bool m_typing;
};

class UserCommand : public DecisionCommand
{
public:
    UserCommand(Decision *decision, const QString &before, const QString &after)
        : DecisionCommand(decision, EditPlace()), m_before(before), m_after(after)
    {
    }
    int id() const override { return UserTypingId; }
    void redo() override { apply(m_after); }
    void undo() override { apply(m_before); }
    bool mergeWith(const QUndoCommand *other) override
    {
        const auto *next = static_cast<const UserCommand *>(other);
        if (!mayJoin(next))
            return false;
        m_after = next->m_after;
        setObsolete(m_after == m_before);
        return true;
    }
    QString describe() const override { return QCoreApplication::translate("Decision", "имя пользователя"); }

private:
    void apply(const QString &user)
    {
        m_decision->m_data.user = user;
        emit m_decision->userChanged();
    }

    QString m_before, m_after;
};

class NameCommand : public DecisionCommand
{
public:
    NameCommand(Decision *decision, NameList list, int index, const QString &before, const QString &after)
        : DecisionCommand(decision, namePlace(list, index)), m_before(before), m_after(after)
    {
    }
    void redo() override { apply(m_after); }
    void undo() override { apply(m_before); }
    QString describe() const override
    {
        return m_place.list == NameList::Criteria ? QCoreApplication::translate("Decision", "название критерия «%1»").arg(m_decision->name(m_place.list, m_place.index))
                                                  : QCoreApplication::translate("Decision", "название альтернативы «%1»").arg(m_decision->name(m_place.list, m_place.index));
    }

private:
    static EditPlace namePlace(NameList list, int index)
    {
        EditPlace place;
        place.kind = EditPlace::Kind::Names;
        place.list = list;
        place.index = index;
        return place;
    }
    void apply(const QString &name)
    {
        QStringList &names = namesOf(m_decision->m_data, m_place.list);
        if (m_place.index >= 0 && m_place.index < names.size())
            names[m_place.index] = name;
        emit m_decision->nameChanged(m_place.list, m_place.index);
    }

    QString m_before, m_after;
};

class WholeCommand : public DecisionCommand
{
public:
    WholeCommand(Decision *decision, const EditPlace &place, const DecisionDocument &before,
                 const DecisionDocument &after, const char *what)
        : DecisionCommand(decision, place), m_before(before), m_after(after), m_what(what)
    {
    }
    void redo() override { m_decision->putWhole(m_after); }
    void undo() override { m_decision->putWhole(m_before); }
    QString describe() const override { return translated(m_what); }

protected:
    // Both copies share their unchanged parts with the document and with each other.
    DecisionDocument m_before, m_after;
    const char *m_what;
};

class SubcriteriaCommand : public WholeCommand
{
public:
    SubcriteriaCommand(Decision *decision, const EditPlace &place, const DecisionDocument &before,
                       const DecisionDocument &after)
        : WholeCommand(decision, place, before, after, nullptr)
    {
    }
    QString describe() const override
    {
        return QCoreApplication::translate("Decision", "подкритерии «%1»")
                .arg(m_decision->hierarchy().pathText(m_place.path));
    }
};

class SubcriterionNameCommand : public DecisionCommand
{
public:
    SubcriterionNameCommand(Decision *decision, const CriterionPath &path, const QString &before, const QString &after)
        : DecisionCommand(decision, namePlace(path)), m_before(before), m_after(after)
    {
    }
    void redo() override { apply(m_after); }
    void undo() override { apply(m_before); }
    QString describe() const override
    {
        return QCoreApplication::translate("Decision", "название подкритерия «%1»")
                .arg(m_decision->hierarchy().pathText(m_place.path));
    }

private:
    static EditPlace namePlace(const CriterionPath &path)
    {
        EditPlace place;
        place.kind = EditPlace::Kind::Subcriteria;
        place.path = path;
        return place;
    }
    void apply(const QString &name)
    {
        if (CriterionNode *node = nodeIn(m_decision->m_data, m_place.path))
            node->name = name;
        emit m_decision->subcriterionNameChanged(m_place.path);
    }

    QString m_before, m_after;
};

class AllowMissingCommand : public DecisionCommand
{
public:
    AllowMissingCommand(Decision *decision, bool after)
        : DecisionCommand(decision, settingPlace()), m_after(after)
    {
    }
    void redo() override { apply(m_after); }
    void undo() override { apply(!m_after); }
    QString describe() const override
    {
        return QCoreApplication::translate("Decision", "пропуски сравнений");
    }

private:
    static EditPlace settingPlace()
    {
        EditPlace place;
        place.kind = EditPlace::Kind::Setting;
        return place;
    }
    void apply(bool allow)
    {
        m_decision->m_data.allowMissing = allow;
        emit m_decision->allowMissingChanged();
    }

    bool m_after;
};

// ---- the document -------------------------------------------------------------------------

Decision::Decision(QObject *parent)
    : QObject(parent)
{
    m_data = emptyDocument(InitialCount, InitialCount, QString());
    m_stack.setClean();
    connect(&m_stack, &QUndoStack::indexChanged, this, &Decision::changed);
}

Decision::~Decision()
{
    // The steps refer to this document; they go before its data does.
    m_stack.clear();
}

DecisionDocument Decision::document() const
{
    DecisionDocument document = m_data;
    for (NameList list : {NameList::Criteria, NameList::Alternatives}) {
        QStringList &names = namesOf(document, list);
        for (int i = 0; i < names.size(); ++i) {
            if (names.at(i).isNull())
                names[i] = defaultName(list, i);
        }
    }
    return document;
}

QString Decision::name(NameList list, int index) const
{
    const QStringList &names = namesOf(m_data, list);
    if (index < 0 || index >= names.size())
        return QString();
    const QString &name = names.at(index);
    return name.isNull() ? defaultName(list, index) : name;
}

QStringList Decision::names(NameList list) const
{
    QStringList result;
    for (int i = 0; i < namesOf(m_data, list).size(); ++i)
        result << name(list, i);
    return result;
}

bool Decision::isDefaultName(NameList list, int index) const
{
    const QStringList &names = namesOf(m_data, list);
    return index >= 0 && index < names.size() && names.at(index).isNull();
}

Hierarchy Decision::hierarchy() const
{
    Hierarchy tree = m_data.hierarchy();
    for (int i = 0; i < tree.criteria.size(); ++i)
        tree.criteria[i].name = name(NameList::Criteria, i);
    return tree;
}

int Decision::matrixOrder(int matrix) const
{
    if (matrix == CriteriaMatrix)
        return criteriaCount();
    if (isSubcriteriaMatrix(matrix))
        return int(matrixItems(m_data, matrix).size());
    return matrix < leafCount() ? alternativesCount() : 0;
}

QString Decision::judgement(int matrix, int row, int col) const
{
    return judgements(matrix).value(row).value(col);
}

const DecisionCommand *Decision::step(int index) const
{
    const QUndoCommand *command = m_stack.command(index);
    while (command && !dynamic_cast<const DecisionCommand *>(command))
        command = command->childCount() > 0 ? command->child(0) : nullptr;
    return static_cast<const DecisionCommand *>(command);
}

QString Decision::undoText() const
{
    const DecisionCommand *command = step(m_stack.index() - 1);
    return command ? command->describe() : QString();
}

QString Decision::redoText() const
{
    const DecisionCommand *command = step(m_stack.index());
    return command ? command->describe() : QString();
}

void Decision::undo()
{
    finishTyping();
    const DecisionCommand *command = step(m_stack.index() - 1);
    if (!command || m_stack.index() <= 0)
        return;
    const EditPlace place = command->place();
    m_stack.undo();
    emit editShown(place);
}

void Decision::redo()
{
    finishTyping();
    const DecisionCommand *command = step(m_stack.index());
    if (!command)
        return;
    const EditPlace place = command->place();
    m_stack.redo();
    emit editShown(place);
}

void Decision::push(DecisionCommand *command)
{
    // Pushing runs redo(), which puts the change in and tells the window.
    m_stack.push(command);
}

void Decision::setUser(const QString &user)
{
    if (user == m_data.user)
        return;
    push(new UserCommand(this, m_data.user, user));
}

void Decision::setName(NameList list, int index, const QString &name)
{
    const QStringList &names = namesOf(m_data, list);
    if (index < 0 || index >= names.size() || name == this->name(list, index))
        return;
    push(new NameCommand(this, list, index, names.at(index), name));
}

void Decision::setCounts(int criteria, int alternatives)
{
    // A press of the spin arrows empties the session even where the count stays (at a limit).
    DecisionDocument empty = emptyDocument(criteria, alternatives, m_data.user);
    // A setting of the decision, not something typed into it.
    empty.allowMissing = m_data.allowMissing;
    if (m_data == empty)
        return;
    push(new WholeCommand(this, EditPlace(), m_data, empty,
                          QT_TRANSLATE_NOOP("Decision", "число критериев и альтернатив")));
}

void Decision::setJudgements(int matrix, const QList<CellEdit> &cells, bool typing)
{
    const int order = matrixOrder(matrix);
    if (order == 0)
        return;
    QList<CellsCommand::Change> changes;
    for (const CellEdit &cell : cells) {
        if (cell.row < 0 || cell.col < 0 || cell.row >= order || cell.col >= order || cell.row == cell.col)
            continue;
        const QString before = judgement(matrix, cell.row, cell.col);
        if (before != cell.text)
            changes.append({cell.row, cell.col, before, cell.text});
    }
    if (changes.isEmpty())
        return;
    push(new CellsCommand(this, matrix, cells.first(), changes, typing));
}

void Decision::clearCriteriaJudgements()
{
    if (m_data.criteriaJudgements == emptyJudgements(criteriaCount()))
        return;
    DecisionDocument after = m_data;
    after.criteriaJudgements = emptyJudgements(criteriaCount());
    // Undone, the judgements are shown where they are typed.
    EditPlace place;
    place.kind = EditPlace::Kind::Matrix;
    place.row = 0;
    place.col = 1;
    push(new WholeCommand(this, place, m_data, after, QT_TRANSLATE_NOOP("Decision", "очистка матрицы критериев")));
}

bool Decision::setSubcriteria(const CriterionPath &path, const QStringList &names)
{
    if (names.size() < MinSubcriteria || names.size() > MaxSubcriteria || path.size() >= MaxCriteriaLevels)
        return false;
    Hierarchy tree = m_data.hierarchy();
    CriterionNode *node = tree.node(path);
    if (!node)
        return false;
    const int kept = int(std::min(node->subcriteria.size(), names.size()));
    QList<CriterionNode> subcriteria = node->subcriteria.mid(0, kept);
    for (int i = 0; i < names.size(); ++i) {
        if (i < kept)
            subcriteria[i].name = names.at(i);
        else
            subcriteria.append(CriterionNode{names.at(i), {}, {}});
    }
    QList<QStringList> judgements = emptyJudgements(int(names.size()));
    for (int r = 0; r < kept; ++r) {
        for (int c = 0; c < kept; ++c)
            judgements[r][c] = node->judgements.value(r).value(c, r == c ? Diagonal : QString());
    }
    node->subcriteria = subcriteria;
    node->judgements = judgements;
    return reshape(tree, path);
}

namespace {

bool wellShaped(const CriterionNode &node)
{
    const qsizetype n = node.subcriteria.size();
    if (n == 0)
        return node.judgements.isEmpty();
    if (n < MinSubcriteria || n > MaxSubcriteria || node.judgements.size() != n)
        return false;
    for (const QStringList &row : node.judgements) {
        if (row.size() != n)
            return false;
    }
    return std::all_of(node.subcriteria.cbegin(), node.subcriteria.cend(), wellShaped);
}

} // namespace

bool Decision::setSubtree(const CriterionPath &path, const CriterionNode &node,
                          const QMap<CriterionPath, CriterionPath> &leafOrigins)
{
    if (!node.hasSubcriteria() || !wellShaped(node) || path.size() >= MaxCriteriaLevels)
        return false;
    Hierarchy tree = m_data.hierarchy();
    CriterionNode *target = tree.node(path);
    if (!target)
        return false;
    target->subcriteria = node.subcriteria;
    target->judgements = node.judgements;
    return reshape(tree, path, &leafOrigins);
}

bool Decision::removeSubcriteria(const CriterionPath &path)
{
    Hierarchy tree = m_data.hierarchy();
    CriterionNode *node = tree.node(path);
    if (!node || !node->hasSubcriteria())
        return false;
    node->subcriteria.clear();
    node->judgements.clear();
    return reshape(tree, path);
}

void Decision::setSubcriterionName(const CriterionPath &path, const QString &name)
{
    const CriterionNode *node = nodeIn(m_data, path);
    if (!node || node->name == name)
        return;
    push(new SubcriterionNameCommand(this, path, node->name, name));
}

bool Decision::reshape(const Hierarchy &tree, const CriterionPath &path,
                       const QMap<CriterionPath, CriterionPath> *leafOrigins)
{
    if (tree.levels() > MaxCriteriaLevels || tree.leafCount() > MaxLeaves)
        return false;
    const Hierarchy before = m_data.hierarchy();
    DecisionDocument after = m_data;
    after.setHierarchy(tree);
    // A leaf's alternatives judgements stay with it while it stays a leaf where it was.
    after.alternativesJudgements.clear();
    for (const TreePlace &leaf : tree.leaves()) {
        const bool moved = leafOrigins && leaf.path.size() > path.size() && leaf.path.mid(0, path.size()) == path;
        const int old = before.leafIndex(moved ? leafOrigins->value(leaf.path) : leaf.path);
        after.alternativesJudgements.append(old >= 0 ? m_data.alternativesJudgements.value(old, emptyJudgements(alternativesCount()))
                                                     : emptyJudgements(alternativesCount()));
    }
    if (after == m_data)
        return true;
    EditPlace place;
    place.kind = EditPlace::Kind::Subcriteria;
    place.path = path;
    push(new SubcriteriaCommand(this, place, m_data, after));
    return true;
}

void Decision::setAllowMissing(bool allow)
{
    if (allow == m_data.allowMissing)
        return;
    push(new AllowMissingCommand(this, allow));
}

void Decision::replace(const DecisionDocument &document)
{
    push(new WholeCommand(this, EditPlace(), m_data, document, QT_TRANSLATE_NOOP("Decision", "решение группы")));
}

void Decision::load(const DecisionDocument &document, bool saved)
{
    m_stack.clear();
    finishTyping();
    m_data = document;
    if (saved)
        m_stack.setClean();
    else
        m_stack.resetClean();
    emit documentReset();
    emit changed();
}

void Decision::clearHistory(bool saved)
{
    m_stack.clear();
    finishTyping();
    if (saved)
        m_stack.setClean();
    else
        m_stack.resetClean();
}

void Decision::startNew(int criteria, int alternatives, const QString &user)
{
    load(emptyDocument(criteria, alternatives, user));
}

void Decision::putJudgement(int matrix, int row, int col, const QString &text)
{
    QList<QStringList> *cells = nullptr;
    if (matrix == CriteriaMatrix)
        cells = &m_data.criteriaJudgements;
    else if (isSubcriteriaMatrix(matrix))
        cells = subcriteriaCells(m_data, matrix);
    else if (matrix >= 0 && matrix < m_data.alternativesJudgements.size())
        cells = &m_data.alternativesJudgements[matrix];
    if (cells && row >= 0 && row < cells->size() && col >= 0 && col < (*cells)[row].size())
        (*cells)[row][col] = text;
}

void Decision::putWhole(const DecisionDocument &data)
{
    // Where only judgements differ, only their matrices are shown again.
    const Hierarchy treeBefore = m_data.hierarchy();
    const Hierarchy treeAfter = data.hierarchy();
    const bool sameShape = data.criteria == m_data.criteria && data.alternatives == m_data.alternatives
                           && data.user == m_data.user
                           && data.alternativesJudgements.size() == m_data.alternativesJudgements.size()
                           && sameTree(treeBefore.criteria, treeAfter.criteria);
    const DecisionDocument before = m_data;
    m_data = data;
    if (before.allowMissing != data.allowMissing)
        emit allowMissingChanged();
    if (!sameShape) {
        emit documentReset();
        return;
    }
    if (before.criteriaJudgements != data.criteriaJudgements)
        emit judgementsChanged(CriteriaMatrix);
    for (int k = 0; k < treeAfter.subcriteriaPlaces().size(); ++k) {
        if (matrixOf(before, subcriteriaMatrix(k)) != matrixOf(data, subcriteriaMatrix(k)))
            emit judgementsChanged(subcriteriaMatrix(k));
    }
    for (int c = 0; c < data.alternativesJudgements.size(); ++c) {
        if (before.alternativesJudgements.at(c) != data.alternativesJudgements.at(c))
            emit judgementsChanged(c);
    }
}
