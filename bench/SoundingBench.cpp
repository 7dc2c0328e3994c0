// Costs of the sounding chart: the mapping run, a whole render onto a raster
// image, PNG encoding of that image for comparison, and a drag step in the
// studio's view.
#include "platform/gdi/CImageDC.h"
#include "platform/gdi/PngWriter.h"
#include "sounding/CDrawRPCurve.h"
#include "sounding/DrawSoundingChart.h"
#include "sounding/SoundingFile.h"

#include <QDir>
#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <benchmark/benchmark.h>

#ifdef TARNEX_BENCH_STUDIO
#include "SoundingView.h"
#endif

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

struct Sounding {
    CArray<float, float&> x, r, v, rf, vf;
};

// A smooth three-layer-like response over four decades of abscissa.
Sounding makeSounding(int n)
{
    Sounding s;
    for (int i = 0; i < n; ++i) {
        float x = std::pow(10.0f, 4.0f * static_cast<float>(i) / static_cast<float>(std::max(1, n - 1)));
        const float t = std::log10(x);
        float r = 100.0f + 80.0f * std::sin(t * 1.3f) + 3.0f * std::sin(i * 7.1f);
        float v = 60.0f + 40.0f * std::cos(t * 0.9f) + 2.0f * std::cos(i * 5.3f);
        float rf = 100.0f + 80.0f * std::sin(t * 1.3f);
        float vf = 60.0f + 40.0f * std::cos(t * 0.9f);
        s.x.Add(x);
        s.r.Add(r);
        s.v.Add(v);
        s.rf.Add(rf);
        s.vf.Add(vf);
    }
    return s;
}

#ifdef TARNEX_BENCH_STUDIO
// Counts the paint events a widget receives.
class PaintCounter : public QObject {
public:
    int count = 0;

protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::Paint)
            ++count;
        return QObject::eventFilter(o, e);
    }
};

void sendMouse(QWidget* w, QEvent::Type type, QPoint at)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent e(type, QPointF(at), QPointF(w->mapToGlobal(at)), button, held, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}
#endif

constexpr int kDpi = 150;
// The chart at 150 dpi fits this page with its margins.
constexpr int kWidth = 1100, kHeight = 720;

void BM_MappingRun(benchmark::State& state)
{
    Sounding s = makeSounding(static_cast<int>(state.range(0)));
    CDrawRPCurve chart;
    for (auto _ : state) {
        chart.GetData(s.x, s.r, s.v, s.rf, s.vf);
        benchmark::DoNotOptimize(chart.m_RPoints.GetData());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_MappingRun)->Arg(23)->Arg(1000)->Arg(100000)->Unit(benchmark::kMicrosecond);

void BM_FullRender(benchmark::State& state)
{
    Sounding s = makeSounding(static_cast<int>(state.range(0)));
    CDrawRPCurve chart;
    chart.GetData(s.x, s.r, s.v, s.rf, s.vf);
    CImageDC dc(kWidth, kHeight, kDpi);
    dc.SetViewportOrg(60, 0);
    for (auto _ : state) {
        DrawSoundingChart(chart, &dc);
        benchmark::DoNotOptimize(dc.Image().constBits());
    }
}
BENCHMARK(BM_FullRender)->Arg(23)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

// Encoding the rendered chart alone, as tarnex-render writes it: a
// re-render should cost at most twice this.
void BM_EncodePng(benchmark::State& state)
{
    Sounding s = makeSounding(23);
    CDrawRPCurve chart;
    chart.GetData(s.x, s.r, s.v, s.rf, s.vf);
    CImageDC dc(kWidth, kHeight, kDpi);
    dc.SetViewportOrg(60, 0);
    DrawSoundingChart(chart, &dc);
    const QImage img = dc.Image();
    const std::string path = (QDir::tempPath() + QStringLiteral("/tarnex-bench.png")).toStdString();
    for (auto _ : state)
        benchmark::DoNotOptimize(PngWriter::Write(img, path.c_str()));
    std::remove(path.c_str());
}
BENCHMARK(BM_EncodePng)->Unit(benchmark::kMillisecond);

// The studio's sounding view, shown at the benchmarks' size, holding n
// synthetic samples.
void showSounding(SoundingView& view, int n)
{
    const Sounding s = makeSounding(n);
    SoundingTable table;
    table.x = s.x;
    table.r = s.r;
    table.v = s.v;
    table.rFwd = s.rf;
    table.vFwd = s.vf;
    view.SetSounding(table);
    view.resize(kWidth, kHeight);
    view.show();
}

#ifdef TARNEX_BENCH_STUDIO
// One step of a drag in the studio's sounding view, shown offscreen at the
// page size above: the hit test, the pointer's move as the mouse event the
// view receives, and the repaint that move asks for, run by the event loop
// as on screen. The pick itself happens once, on the press before the loop.
void BM_DragStep(benchmark::State& state)
{
    const int n = static_cast<int>(state.range(0));
    SoundingView view;
    showSounding(view, n);
    PaintCounter paints;
    view.installEventFilter(&paints);
    QApplication::processEvents();
    CDrawRPCurve& chart = view.Chart();
    const int picked = n / 2;
    const QPoint home = view.ToWidget(chart.m_RPoints[picked]);
    sendMouse(&view, QEvent::MouseButtonPress, home);
    QApplication::processEvents();
    const int selCurve = chart.m_nSelCurve, selIndex = chart.m_nSelIndex;
    int k = 0;
    paints.count = 0;
    for (auto _ : state) {
        // The press's hit test, costed on every step but kept from changing
        // the pick: with markers this dense a later sample would win it.
        tagPOINT at = chart.m_RPoints[selIndex];
        chart.DefineInRect(at);
        chart.m_nSelCurve = selCurve;
        chart.m_nSelIndex = selIndex;
        sendMouse(&view, QEvent::MouseMove, home + QPoint(0, -(++k % 60)));
        QApplication::processEvents();
    }
    sendMouse(&view, QEvent::MouseButtonRelease, home);
    state.counters["paints/step"] = static_cast<double>(paints.count) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_DragStep)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// The start of a drag in the same view: the press, the first move and its
// repaint, which draws the whole chart once more to keep what will not move.
void BM_DragStart(benchmark::State& state)
{
    const int n = static_cast<int>(state.range(0));
    SoundingView view;
    showSounding(view, n);
    QApplication::processEvents();
    const QPoint home = view.ToWidget(view.Chart().m_RPoints[n / 2]);
    for (auto _ : state) {
        sendMouse(&view, QEvent::MouseButtonPress, home);
        sendMouse(&view, QEvent::MouseMove, home + QPoint(0, -10));
        QApplication::processEvents();
        state.PauseTiming();
        sendMouse(&view, QEvent::MouseButtonRelease, home);
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_DragStart)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
#endif

}  // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
