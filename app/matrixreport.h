#pragma once

struct ReportData;
class StringGrid;

// The printed comparison matrix of a decision that lets pairs be left out: each pair left out
// prints its estimate, as the grid shows it, in italics, and a note under the sheet says what
// the italics mean and how many judgements were given. n is the matrix's order; with the setting
// off nothing is added.
void addMatrixEstimates(ReportData &data, const StringGrid &grid, int n, bool allowMissing);
