// One step of a weight slider in the sensitivity window of the largest decision (15 criteria,
// 10 alternatives): the weights rescaled, the other sliders, the stacked bars, the ranking and
// the threshold table updated, and the window painted. A step must fit in one frame (16 ms).

#include "analysis/sensitivitywindow.h"
#include "app/application.h"

#include <QApplication>
#include <QSlider>

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

constexpr int Criteria = 15;
constexpr int Alternatives = 10;

// Weights and local priorities that differ from criterion to criterion, so that the ranking
// and the thresholds really move as the slider does.
SensitivityData largestDecision()
{
    SensitivityData data;
    double weightSum = 0.0;
    for (int i = 0; i < Criteria; ++i) {
        data.criteria << QStringLiteral("Критерий %1").arg(i + 1);
        data.weights.push_back(1.0 + (i * 7) % 5);
        weightSum += data.weights.back();
        std::vector<double> local;
        double sum = 0.0;
        for (int j = 0; j < Alternatives; ++j) {
            local.push_back(1.0 + std::fmod(i * 3.7 + j * 5.3, 9.0));
            sum += local.back();
        }
        for (double &v : local)
            v /= sum;
        data.localPriorities.push_back(local);
    }
    for (double &w : data.weights)
        w /= weightSum;
    for (int j = 0; j < Alternatives; ++j)
        data.alternatives << QStringLiteral("Альтернатива %1").arg(j + 1);
    return data;
}

void SliderStep15x10(benchmark::State &state)
{
    SensitivityWindow window(largestDecision());
    window.show();
    QApplication::processEvents();
    auto *slider = window.findChild<QSlider *>(QStringLiteral("weightSlider1"));
    int step = 0;
    for (auto _ : state) {
        // Back and forth over a tenth of the range, one step at a time, as a dragged slider goes.
        slider->setValue(20 + (step++ % 100));
        window.repaint();
        QApplication::processEvents();
    }
}
BENCHMARK(SliderStep15x10)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    prepareApplication(app);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
