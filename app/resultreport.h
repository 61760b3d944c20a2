#pragma once

#include "report/reportdata.h"

#include <QString>

struct DecisionDocument;
struct DecisionResults;

// What the print button on the result page hands to the report, made from a document and its
// computed results instead of the window's controls: the local priorities table, the global
// priorities and the decision sentence, in the window's number texts. With sub-criteria the table
// has a row a leaf (its path, its weight, the local priorities) and the weights come as a tree too.
ReportData resultReportData(const DecisionDocument &document, const DecisionResults &results,
                            const QString &dateText);
// Today in the form of the title page's date stamp.
QString reportDateText();
