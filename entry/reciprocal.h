#pragma once

#include <QString>

// The text that belongs in the transposed cell of a comparison grid when `text` is typed into
// a cell. A whole number x gives "1/x" and "1/x" gives x (at most 10 characters of it); any
// other fraction a/b gives its exact reciprocal b/a.
//
// A null QString means "leave the transposed cell as it is": the input is empty, or a
// fraction with an empty part or more than one bar ("5/", "/5", "1/", "1/2/3"). Mirroring
// such a text would only spread the typo into a cell the user did not touch.
QString reciprocalText(const QString &text);
