#pragma once

// The main window's controls, from two Designer forms: the window itself with its title page,
// button row and status line (mainform.ui), and the four later pages (wizardpages.ui). A window
// made to show itself quickly builds the later pages only when they are first needed; until
// then their members are null (TMainForm::pagesBuilt()), as long as the struct is made with
// new Ui::TMainForm(), which sets them to null.

#include "ui_mainform.h"
#include "ui_wizardpages.h"

namespace Ui {
class TMainForm : public Ui_MainFrame, public Ui_WizardPages
{
};
}
