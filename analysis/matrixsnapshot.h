#pragma once

#include "entry/validationpass.h"

#include <QList>
#include <QStringList>

#include <optional>
#include <vector>

class StringGrid;

// The judgement texts of an n x n comparison grid, read once: texts[i][j] is item i over item j.
// Kept to tell whether the matrix on the screen changed since it was last explained.
struct MatrixSnapshot
{
    int n = 0;
    QList<QStringList> texts;

    bool operator==(const MatrixSnapshot &other) const { return n == other.n && texts == other.texts; }
    bool operator!=(const MatrixSnapshot &other) const { return !(*this == other); }
};

MatrixSnapshot snapshotOf(const StringGrid &grid, int n);

// The numbers of a snapshot, or the first cell that is not a judgement (as a grid cell).
struct MatrixReading
{
    std::vector<std::vector<double>> a;
    std::optional<ValidationFailure> failure;
};

MatrixReading readMatrix(const MatrixSnapshot &snapshot);
