#pragma once

// The decision as a document: the one place that holds what the person typed. The window shows
// it and sends every edit here as an undoable step; the file, the recovery copy, the group merge
// and the command line read and write it. Nothing here knows a widget.
//
// Judgement texts are kept as typed, with "." as the decimal separator (the file's form), and the
// diagonals hold "1". A name the program gave and the person never typed is kept as a default
// name, so that it is shown in whatever language the program speaks at the time.

#include "document/decisiondocument.h"

#include <QMap>
#include <QObject>
#include <QUndoStack>

enum class NameList { Criteria, Alternatives };

// Where an edit happened, so that the window can show it when the step is undone or redone.
struct EditPlace
{
    // Setting: a setting of the whole decision, shown wherever the person is.
    enum class Kind { Title, Names, Matrix, Subcriteria, Setting };
    Kind kind = Kind::Title;
    NameList list = NameList::Criteria; // Names
    int index = -1;                     // Names: the entry
    int matrix = CriteriaMatrix;        // Matrix: CriteriaMatrix, a leaf or subcriteriaMatrix(k)
    CriterionPath path;                 // Subcriteria: the criterion whose sub-criteria changed,
                                        // or the sub-criterion renamed
    int row = -1;                       // Matrix: the cell of item row over item col, 0-based
    int col = -1;
};

Q_DECLARE_METATYPE(EditPlace)

// One judgement text put into a matrix: item row over item col, 0-based, in the file's form.
struct CellEdit
{
    int row = 0;
    int col = 0;
    QString text;
};

class Decision : public QObject
{
    Q_OBJECT
public:
    explicit Decision(QObject *parent = nullptr);
    ~Decision() override;

    // Everything, with default names in the language of the moment.
    DecisionDocument document() const;
    int criteriaCount() const { return int(m_data.criteria.size()); }
    int alternativesCount() const { return int(m_data.alternatives.size()); }
    QString user() const { return m_data.user; }
    QString name(NameList list, int index) const;
    QStringList names(NameList list) const;
    bool isDefaultName(NameList list, int index) const;
    // "" outside the matrix.
    QString judgement(int matrix, int row, int col) const;
    QList<QStringList> judgements(int matrix) const { return matrixOf(m_data, matrix); }
    // The criteria as a tree; top criteria with default names as name() gives them.
    Hierarchy hierarchy() const;
    int leafCount() const { return m_data.leafCount(); }
    // The order of a matrix (CriteriaMatrix, a leaf, subcriteriaMatrix(k)); 0 for none.
    int matrixOrder(int matrix) const;
    bool allowMissing() const { return m_data.allowMissing; }

    QUndoStack *undoStack() { return &m_stack; }
    const QUndoStack *undoStack() const { return &m_stack; }
    bool isModified() const { return !m_stack.isClean(); }
    void setSaved() { m_stack.setClean(); }
    // What the next Undo and Redo would take back or do again ("суждение «Цена» : «Качество»");
    // empty when there is nothing.
    QString undoText() const;
    QString redoText() const;
    void undo();
    void redo();

    // Edits. Each is one step of the history, and none is pushed when it would change nothing.
    // Typing into one cell or field is one step until finishTyping() (a committed cell, a field
    // that was left).
    void setUser(const QString &user);
    void setName(NameList list, int index, const QString &name);
    // A count change empties what the counts shape: names back to their defaults, every matrix
    // back to its diagonal. Asked for the counts it has, it empties all the same.
    void setCounts(int criteria, int alternatives);
    // cells may hold several edits of one matrix (a judgement and its mirror); the first is the
    // cell the person worked on. typing: a keystroke that later keystrokes into the same cell join.
    void setJudgements(int matrix, const QList<CellEdit> &cells, bool typing = false);
    // The criteria matrix back to its diagonal, as the move forward from the names page does.
    void clearCriteriaJudgements();
    // The criterion at path gets these sub-criteria (2..15 names), one step. Sub-criteria it
    // already has keep their place, their own sub-criteria and judgements, and take the new
    // names; those beyond the new list go. A leaf keeps its alternatives judgements while it is a
    // leaf at the same path; a new leaf starts empty. False, and nothing done, where the tree
    // would break its limits (levels, leaves) or the path names no criterion.
    bool setSubcriteria(const CriterionPath &path, const QStringList &names);
    // The criterion at path gets node's sub-criteria, with their own sub-criteria and matrices, as
    // one step. leafOrigins maps a leaf's new path to the path it had before, so that a leaf
    // moved up by a removal keeps its own alternatives judgements; a leaf not there starts empty.
    bool setSubtree(const CriterionPath &path, const CriterionNode &node,
                    const QMap<CriterionPath, CriterionPath> &leafOrigins);
    // The criterion at path becomes a leaf again, with an empty alternatives matrix.
    bool removeSubcriteria(const CriterionPath &path);
    // A sub-criterion (a path of at least two) renamed.
    void setSubcriterionName(const CriterionPath &path, const QString &name);
    // Missing judgements allowed or not, in every matrix: one step.
    void setAllowMissing(bool allow);
    // Everything replaced, as one step (a group's merged decision put on the screen).
    void replace(const DecisionDocument &document);
    void finishTyping() { ++m_typingSerial; }
    // Everything pushed between these is one step, named and placed by its first edit.
    void beginStep() { m_stack.beginMacro(QString()); }
    void endStep() { m_stack.endMacro(); }

    // Not edits: the document starts over, with an empty history; clean unless it holds work
    // that was never saved (a recovered session).
    void load(const DecisionDocument &document, bool saved = true);
    // The history forgets its steps: what the document holds now is where it starts.
    void clearHistory(bool saved);
    void startNew(int criteria, int alternatives, const QString &user);

signals:
    // Anything the person typed changed (an edit, an undo, a redo, a load).
    void changed();
    // The whole document is another one: counts, names and matrices may all differ.
    void documentReset();
    void userChanged();
    void nameChanged(NameList list, int index);
    void judgementsChanged(int matrix);
    // A sub-criterion's name changed.
    void subcriterionNameChanged(const CriterionPath &path);
    void allowMissingChanged();
    // A step was undone or redone here.
    void editShown(const EditPlace &place);

private:
    friend class DecisionCommand;
    friend class CellsCommand;
    friend class UserCommand;
    friend class NameCommand;
    friend class WholeCommand;
    friend class SubcriterionNameCommand;
    friend class AllowMissingCommand;

    void push(class DecisionCommand *command);
    // The step at index of the stack, or the first edit of a compound step.
    const class DecisionCommand *step(int index) const;
    void putJudgement(int matrix, int row, int col, const QString &text);
    void putWhole(const DecisionDocument &data);
    // leafOrigins, where given, places the alternatives judgements of the leaves under path.
    bool reshape(const Hierarchy &tree, const CriterionPath &path,
                 const QMap<CriterionPath, CriterionPath> *leafOrigins = nullptr);

    // Names the program gave are null strings here.
    DecisionDocument m_data;
    QUndoStack m_stack;
    int m_typingSerial = 0;
};

// The matrix of the given order with "1" on its diagonal and every other cell empty.
QList<QStringList> emptyJudgements(int order);
