#pragma once

#include <QString>

// Who the program is to the platform: the names its settings are filed under, and the title
// that its messages and help window carry.
namespace ProgramIdentity {

inline const QString OrganizationName = QStringLiteral("Orvasta");
inline const QString ApplicationName = QStringLiteral("Analyse");

// Not the toolkit's application display name: some platforms append that to the caption of
// every window, and a caption such as the print question's must read exactly as given.
QString title();
void setTitle(const QString &title);

}
