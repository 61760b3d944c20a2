#pragma once

class QWidget;
class TMainForm;

// What the window tells assistive technology and how it meets the desktop's theme: a name for
// every control in the language shown, spoken messages (the status line, the consistency
// warning, the decision), text colours that stay readable on the design's fixed backgrounds
// under any palette, and the desktop's font where it is larger than the design's (windowfont).
namespace Accessibility {

// Call once, right after the form's controls exist and before their sizes are settled.
void describe(TMainForm *form);
// The same for the four later pages, once they are built (describe() does it for pages already
// built).
void describePages(TMainForm *form);

}
