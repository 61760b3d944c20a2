// Reading and writing the largest decision file (15 criteria x 10 alternatives): from and to
// bytes, and through the disk as opening and saving do (the save atomic, through QSaveFile).

#include "document/decisionfile.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

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

} // namespace
