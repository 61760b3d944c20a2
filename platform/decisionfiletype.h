#pragma once

// The type of decision files as the desktop knows it: installed with the program as a
// shared-mime-info package, so file managers open such files with the program and the window's
// file dialogs can filter by it (QFileDialog::setMimeTypeFilters).
namespace DecisionFileType {
inline constexpr char MimeType[] = "application/x-analyze-decision";
inline constexpr char Suffix[] = "ahp";
}
