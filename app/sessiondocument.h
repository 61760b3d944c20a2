#pragma once

#include "document/decisiondocument.h"

class TMainForm;

// The window's session as a decision document, and back.
namespace SessionDocument {

// What the window holds now: the counts of the spin controls, the names of the lists (a name
// being typed over one included), the criteria matrix of ChoiceTab, the alternatives matrices
// of the model's stores with the one CompTab shows, the user name. A session that the next
// step forward will reset holds only its counts and user name.
DecisionDocument capture(const TMainForm &form);

// Puts the document into the window as the person would: counts on the title page, names on the
// names page, the judgements into the grid and the stores, then forward page by page until a
// check refuses or the result page is shown. The document must have been checked.
void restore(TMainForm &form, const DecisionDocument &document);

// Back to the title page of a fresh start: counts of the design, the remembered user name.
void startNew(TMainForm &form);

// The document with every name the program gave, in any language the program speaks, as its
// Russian source: a session shown in another language compares equal to itself, since a
// switch of language is not an edit.
DecisionDocument comparable(DecisionDocument document);

}
