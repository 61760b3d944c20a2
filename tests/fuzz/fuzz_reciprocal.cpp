// reciprocalText and the two mirroring passes on any text: the text that comes back after two
// mirrorings, and that a text with no reciprocal never empties or changes another cell.

#include "fuzz_grid.h"
#include "fuzz_input.h"

#include "entry/gridediting.h"
#include "entry/reciprocal.h"
#include "model/judgement.h"

#include <cmath>

namespace {

const QChar Bar = QLatin1Char('/');
const QString One = QStringLiteral("1");
const QString OneOver = QStringLiteral("1/");
constexpr int KeptDivisor = 10;

bool sameValue(const QString &a, const QString &b)
{
    const ParsedJudgement pa = parseJudgement(a, QLocale::c());
    const ParsedJudgement pb = parseJudgement(b, QLocale::c());
    if (pa.invalid || pb.invalid)
        return pa.invalid == pb.invalid;
    return pa.value == pb.value || std::fabs(pa.value - pb.value) <= 1e-15 * std::fabs(pa.value);
}

void checkTwice(const QString &text)
{
    const QString once = reciprocalText(text);
    // Null means "leave the other cell alone"; a mirrored text is never empty.
    FUZZ_CHECK(once.isNull() || !once.isEmpty());
    if (once.isNull())
        return;
    const QString twice = reciprocalText(once);
    FUZZ_CHECK(!twice.isNull());

    const qsizetype bar = text.indexOf(Bar);
    if (bar < 0) {
        // A whole number x: "1/x", and back to x while x is short enough to be carried over.
        FUZZ_CHECK(once == (text == One ? One : OneOver + text));
        if (text.size() <= KeptDivisor)
            FUZZ_CHECK(twice == text);
    } else if (text.startsWith(OneOver)) {
        const QString divisor = text.mid(2);
        FUZZ_CHECK(once == divisor.left(KeptDivisor));
        // "1/1" comes back as "1": the same value in its shortest text.
        if (divisor.size() <= KeptDivisor)
            FUZZ_CHECK(twice == text || (divisor == One && twice == One));
    } else {
        // a/b: its exact reciprocal b/a, and back to a/b; "a/1" goes to "1/a" and so comes
        // back as a, cut like every "1/x".
        const QString numerator = text.left(bar);
        const QString divisor = text.mid(bar + 1);
        FUZZ_CHECK(once == divisor + Bar + numerator);
        if (divisor == One) {
            FUZZ_CHECK(twice == numerator.left(KeptDivisor));
            if (numerator.size() <= KeptDivisor)
                FUZZ_CHECK(sameValue(twice, text));
        } else {
            FUZZ_CHECK(twice == text);
        }
    }
}

// The typed cell sits at (col, row) of an n-item grid whose partner cell holds `partner`.
void checkMirroring(const QString &text, const QString &partner, int n, int col, int row)
{
    const bool hasReciprocal = !reciprocalText(text).isNull();

    FuzzGrid grid(n);
    grid.setCellText(col, row, text);
    grid.setCellText(row, col, partner);
    grid.setCurrent(col, row);
    mirrorCell(grid);
    FUZZ_CHECK(grid.outsideAccesses() == 0);
    FUZZ_CHECK(grid.cellText(col, row) == text);
    FUZZ_CHECK(grid.cellText(row, col) == (hasReciprocal ? reciprocalText(text) : partner));

    // A pass: a text without a reciprocal, or "0", is never mirrored; the pair ends as if the
    // cell had been empty, except that the text stays where nothing overwrites it.
    FuzzGrid passGrid(n);
    passGrid.setCellText(col, row, text);
    passGrid.setCellText(row, col, partner);
    mirrorAll(passGrid);
    FUZZ_CHECK(passGrid.outsideAccesses() == 0);
    if (!hasReciprocal || text == QStringLiteral("0")) {
        FuzzGrid emptyGrid(n);
        emptyGrid.setCellText(row, col, partner);
        mirrorAll(emptyGrid);
        FUZZ_CHECK(passGrid.cellText(row, col) == emptyGrid.cellText(row, col));
        const QString left = emptyGrid.cellText(col, row);
        FUZZ_CHECK(passGrid.cellText(col, row) == (left.isEmpty() ? text : left));
    }
    // Nothing outside the pair is written.
    for (int r = 0; r < passGrid.rowCount(); ++r)
        for (int c = 0; c < passGrid.colCount(); ++c)
            if (!((c == col && r == row) || (c == row && r == col)))
                FUZZ_CHECK(passGrid.cellText(c, r).isNull());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const uint8_t shape = size > 0 ? data[0] : 0;
    const FuzzInput input = fuzzInput(data, size);

    // The text and, after a line break, the text of the other cell of its pair.
    const qsizetype lineBreak = input.text.indexOf(QLatin1Char('\n'));
    const QString text = lineBreak < 0 ? input.text : input.text.left(lineBreak);
    const QString partner = lineBreak < 0 ? QString() : input.text.mid(lineBreak + 1);

    checkTwice(text);
    checkTwice(partner);

    const int n = 3 + shape % 13;
    const int col = 1 + (shape >> 2) % n;
    int row = 1 + (shape >> 4) % n;
    if (row == col)
        row = row % n + 1;
    checkMirroring(text, partner, n, col, row);
    return 0;
}
