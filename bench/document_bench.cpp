// Reading and writing the largest decision file (15 criteria x 10 alternatives): from and to
// bytes, and through the disk as opening and saving do (the save atomic, through QSaveFile).
// Editing the largest decision: one committed judgement with its undo step and the scheduling of
// the recovery copy, and what 10,000 steps of history hold in memory.

#include "app/recoverycopy.h"
#include "document/decision.h"
#include "document/decisionfile.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <malloc.h>

namespace {

const char *const ScaleTexts[] = {"1", "2", "3", "5", "7", "9", "1/2", "1/3", "1/5", "1/7", "1/9", "2.5", "1/1.5"};
constexpr int ScaleSize = 13;

QList<QStringList> matrix(int n, int shift)
{
    QList<QStringList> cells(n, QStringList(n, QStringLiteral("1")));
    for (int i = 0; i < n; ++i) {
        for (int j = i + 1; j < n; ++j) {
            const QString text = QString::fromLatin1(ScaleTexts[(i * 7 + j * 3 + shift) % ScaleSize]);
            cells[i][j] = text;
            cells[j][i] = text.startsWith(QLatin1String("1/")) ? text.mid(2) : QStringLiteral("1/") + text;
        }
    }
    return cells;
}

DecisionDocument largestDecision()
{
    DecisionDocument document;
    document.user = QStringLiteral("Иванов И.И.");
    for (int i = 0; i < 15; ++i)
        document.criteria << QStringLiteral("Критерий номер %1").arg(i + 1);
    for (int k = 0; k < 10; ++k)
        document.alternatives << QStringLiteral("Альтернатива %1").arg(k + 1);
    document.criteriaJudgements = matrix(15, 0);
    for (int c = 0; c < 15; ++c)
        document.alternativesJudgements << matrix(10, c + 1);
    return document;
}

void WriteDecision15x10(benchmark::State &state)
{
    const DecisionDocument document = largestDecision();
    for (auto _ : state)
        benchmark::DoNotOptimize(writeDecision(document));
}
BENCHMARK(WriteDecision15x10)->Unit(benchmark::kMicrosecond);

void ReadDecision15x10(benchmark::State &state)
{
    const QByteArray bytes = writeDecision(largestDecision());
    for (auto _ : state)
        benchmark::DoNotOptimize(readDecision(bytes));
}
BENCHMARK(ReadDecision15x10)->Unit(benchmark::kMicrosecond);

void SaveDecisionFile15x10(benchmark::State &state)
{
    const DecisionDocument document = largestDecision();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("decision.ahp"));
    QString error;
    for (auto _ : state) {
        if (!saveDecisionFile(path, document, &error))
            state.SkipWithError(error.toUtf8().constData());
    }
}
BENCHMARK(SaveDecisionFile15x10)->Unit(benchmark::kMicrosecond);

void ReadDecisionFile15x10(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("decision.ahp"));
    QString error;
    saveDecisionFile(path, largestDecision(), &error);
    for (auto _ : state)
        benchmark::DoNotOptimize(readDecisionFile(path));
}
BENCHMARK(ReadDecisionFile15x10)->Unit(benchmark::kMicrosecond);

// A judgement and its mirror into the largest decision, as a committed cell puts them: the undo
// step, and the recovery copy's timer started by the change (target: under 1 ms).
void EditJudgement15x10(benchmark::State &state)
{
    Decision decision;
    decision.load(largestDecision());
    RecoveryCopy recovery(&decision);
    int step = 0;
    for (auto _ : state) {
        const int c = step % 15;
        const int i = step % 9;
        // Every 45 steps the same cells come round again, with another value.
        const QString text = QString::number((step / 45) % 8 + 2);
        decision.setJudgements(c, {{i, i + 1, text}, {i + 1, i, QStringLiteral("1/") + text}});
        decision.finishTyping();
        ++step;
    }
    // The copy is never written: the timer has no event loop to fire in.
    recovery.remove();
}
BENCHMARK(EditJudgement15x10)->Unit(benchmark::kMicrosecond);

// Memory that 10,000 steps of history take on the largest decision (target: under 10 MB).
void History10000Steps15x10(benchmark::State &state)
{
    for (auto _ : state) {
        Decision decision;
        decision.load(largestDecision());
        const size_t before = mallinfo2().uordblks;
        for (int step = 0; step < 10000; ++step) {
            const int c = step % 15;
            const int i = step % 9;
            // Every 45 steps the same cells come round again, with another value.
        const QString text = QString::number((step / 45) % 8 + 2);
            decision.setJudgements(c, {{i, i + 1, text}, {i + 1, i, QStringLiteral("1/") + text}});
            decision.finishTyping();
        }
        state.counters["MB"] = double(mallinfo2().uordblks - before) / (1024.0 * 1024.0);
        state.counters["steps"] = decision.undoStack()->count();
    }
}
BENCHMARK(History10000Steps15x10)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
