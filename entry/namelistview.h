#pragma once

#include <QString>

// A name list and its one-line editor, as the name-editing rules see them.
class NameListView
{
public:
    virtual ~NameListView() = default;
    virtual int entryCount() const = 0;
    virtual int currentEntry() const = 0;
    virtual void setCurrentEntry(int index) = 0;
    virtual QString entryText(int index) const = 0;
    virtual void setEntryText(int index, const QString &text) = 0;
};

class NameEditorView
{
public:
    virtual ~NameEditorView() = default;
    virtual QString text() const = 0;
    // Putting a text into the editor clears its modified flag.
    virtual void setText(const QString &text) = 0;
    virtual bool isModified() const = 0;
};
