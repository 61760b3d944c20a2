#include "analysis/matrixsnapshot.h"

#include "entry/textgrid.h"
#include "platform/stringgrid.h"

namespace {

// A snapshot seen through the data-entry rules' eyes: cell (j + 1, i + 1) is texts[i][j].
class SnapshotGrid : public TextGrid
{
public:
    explicit SnapshotGrid(const MatrixSnapshot &snapshot)
        : m_snapshot(snapshot)
    {
    }
    int colCount() const override { return m_snapshot.n + 1; }
    int rowCount() const override { return m_snapshot.n + 1; }
    QString cellText(int col, int row) const override
    {
        if (row < 1 || col < 1 || row > m_snapshot.texts.size())
            return QString();
        const QStringList &line = m_snapshot.texts.at(row - 1);
        return col <= line.size() ? line.at(col - 1) : QString();
    }
    void setCellText(int, int, const QString &) override {}
    int currentCol() const override { return -1; }
    int currentRow() const override { return -1; }

private:
    const MatrixSnapshot &m_snapshot;
};

}

MatrixSnapshot snapshotOf(const StringGrid &grid, int n)
{
    MatrixSnapshot snapshot;
    snapshot.n = qMax(0, n);
    for (int i = 0; i < snapshot.n; ++i) {
        QStringList line;
        for (int j = 0; j < snapshot.n; ++j)
            line << grid.cell(j + 1, i + 1);
        snapshot.texts << line;
    }
    return snapshot;
}

MatrixReading readMatrix(const MatrixSnapshot &snapshot)
{
    MatrixReading reading;
    const size_t n = size_t(snapshot.n);
    reading.a.assign(n, std::vector<double>(n, 0.0));
    const SnapshotGrid grid(snapshot);
    reading.failure = runValidationPass(grid, snapshot.n,
                                        [&reading](int i, int j, double value) { reading.a[size_t(i)][size_t(j)] = value; });
    if (reading.failure)
        reading.a.clear();
    return reading;
}
