// Live modelling in the studio: from a change of the layered model to the
// new modelled curves on screen (31 gates, 10 layers), and the computation
// alone on the worker.
#ifdef TARNEX_BENCH_STUDIO
#include "LiveForward.h"
#include "em1d/TemForward.h"
#include "ModelView.h"
#include "SoundingView.h"
#include "StudioWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cmath>
#include <fstream>

namespace {

constexpr int kGates = 31;
constexpr int kLayers = 10;

LiveForward::Request request()
{
    LiveForward::Request q;
    for (int i = 0; i < kLayers; ++i) {
        q.res.push_back(10.0 * std::pow(10.0, (i % 3)));
        if (i + 1 < kLayers)
            q.thick.push_back(10.0 + 5.0 * i);
    }
    q.timesMs = em1d::TemForward::defaultTimesMs();
    q.measuredV.assign(q.timesMs.size(), 1.0);
    q.measuredR.assign(q.timesMs.size(), 100.0);
    return q;
}

void BM_LiveForwardCompute(benchmark::State& state)
{
    const LiveForward::Request q = request();
    for (auto _ : state)
        benchmark::DoNotOptimize(LiveForward::Compute(q));
}
BENCHMARK(BM_LiveForwardCompute)->Unit(benchmark::kMillisecond);

// A layer's resistivity changed as the layer table or an undo changes it,
// then the event loop runs until the response is drawn, in the log-log view
// that the studio takes for V spanning decades. arrive_ms: until the result
// reaches the window's thread; drawn_ms: until the chart is repainted.
void BM_ModelChangeToCurves(benchmark::State& state)
{
    QTemporaryDir dir;
    const LiveForward::Request q = request();
    {
        std::ofstream s((dir.path() + "/s.dat").toStdString());
        for (std::size_t i = 0; i < q.timesMs.size(); ++i)
            s << q.timesMs[i] << " 100 " << 1000.0 * std::pow(q.timesMs[i], -2.5) << " 1 1\n";
        std::ofstream m((dir.path() + "/m.txt").toStdString());
        for (int i = 0; i < kLayers; ++i)
            (i + 1 < kLayers ? m << q.thick[static_cast<std::size_t>(i)] << ' ' : m) << q.res[static_cast<std::size_t>(i)]
                                                                                   << '\n';
    }
    StudioWindow w;
    w.onError = [](const CString&) {};
    w.OpenSounding((dir.path() + "/s.dat").toUtf8().constData());
    w.OpenModel((dir.path() + "/m.txt").toUtf8().constData());
    w.resize(1280, 720);
    w.show();
    w.Live()->Drain();
    w.SetDisplayModel(2);
    QApplication::processEvents();
    float r = 10;
    double arrive = 0, paint = 0;
    for (auto _ : state) {
        r = r == 10 ? 20 : 10;
        w.Model()->SetValue(EditField::LayerResistivity, 4, r);
        const std::uint64_t serial = w.Live()->LastShown() + 1;
        w.Model()->onEdited();
        QElapsedTimer t;
        t.start();
        while (w.Live()->LastShown() < serial)
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        arrive += t.nsecsElapsed() / 1e6;
        w.Sounding()->repaint();
        paint += t.nsecsElapsed() / 1e6;
    }
    state.counters["arrive_ms"] = arrive / static_cast<double>(state.iterations());
    state.counters["drawn_ms"] = paint / static_cast<double>(state.iterations());
    state.counters["gates"] = kGates;
    state.counters["layers"] = kLayers;
}
BENCHMARK(BM_ModelChangeToCurves)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
#endif
