#pragma once

class NameListView;
class NameEditorView;

// Renaming the entries of a name list through its one-line editor. The same three operations
// serve the criteria and the alternatives. With no current entry they change nothing.

// The current entry's name goes into the editor.
void showEntry(const NameListView &list, NameEditorView &editor);

// A typed name replaces the current entry's; an emptied editor gets the old name back.
void commitName(NameListView &list, NameEditorView &editor);

// Enter in the editor: commit, move to the next entry (the last one stays), show it.
void enterName(NameListView &list, NameEditorView &editor);
