#pragma once

#include <QString>

#include <functional>
#include <optional>

class TextGrid;

// The first cell of a matrix that is not a valid judgement, as a grid cell, with its message.
struct ValidationFailure
{
    int col;
    int row;
    QString message;
};

// Checks the n x n judgements of a comparison grid row by row; item i over item j is the text
// of cell (j + 1, i + 1). Each valid value goes to onValue(i, j, value) before the next cell is
// read, and the pass stops at the first bad cell. Returns std::nullopt when every cell is valid.
// Showing the failure is the window's business.
std::optional<ValidationFailure> runValidationPass(const TextGrid &grid, int n,
        const std::function<void(int i, int j, double value)> &onValue);
