#include "entry/namelisting.h"

#include "entry/namelistview.h"

namespace {
bool hasCurrentEntry(const NameListView &list)
{
    const int k = list.currentEntry();
    return k >= 0 && k < list.entryCount();
}
}

void showEntry(const NameListView &list, NameEditorView &editor)
{
    if (hasCurrentEntry(list))
        editor.setText(list.entryText(list.currentEntry()));
}

void commitName(NameListView &list, NameEditorView &editor)
{
    if (!editor.isModified() || !hasCurrentEntry(list))
        return;
    const int k = list.currentEntry();
    const QString name = editor.text();
    if (name.isEmpty())
        editor.setText(list.entryText(k));
    else
        list.setEntryText(k, name);
}

void enterName(NameListView &list, NameEditorView &editor)
{
    commitName(list, editor);
    // Without a current entry the commit kept nothing, so showing another entry would throw
    // away what was typed.
    if (!hasCurrentEntry(list))
        return;
    const int k = list.currentEntry();
    if (k < list.entryCount() - 1)
        list.setCurrentEntry(k + 1);
    showEntry(list, editor);
}
