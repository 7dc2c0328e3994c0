// Costs of the sounding chart: the mapping run, a whole render onto a raster
// image, and PNG encoding of that image for comparison.
#include "platform/gdi/CImageDC.h"
#include "platform/gdi/PngWriter.h"
#include "sounding/CDrawRPCurve.h"
#include "sounding/DrawSoundingChart.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <benchmark/benchmark.h>

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

// One step of a drag as the studio runs it: the hit test on the press, the
// move to the pointer, and a redraw of the whole chart.
void BM_DragStep(benchmark::State& state)
{
    const int n = static_cast<int>(state.range(0));
    Sounding s = makeSounding(n);
    CDrawRPCurve chart;
    chart.GetData(s.x, s.r, s.v, s.rf, s.vf);
    CImageDC dc(kWidth, kHeight, kDpi);
    dc.SetViewportOrg(60, 0);
    const int picked = n / 2;
    const CPoint home = chart.m_RPoints[picked];
    int k = 0;
    for (auto _ : state) {
        chart.m_RPoints[picked] = home;  // the point stays where the press can find it
        chart.m_RRects[picked] = CRect(home.x - 60, home.y + 60, home.x + 60, home.y - 60);
        tagPOINT press = home;
        chart.DefineInRect(press);
        tagPOINT to{home.x, home.y + 10 * (++k % 50)};
        benchmark::DoNotOptimize(chart.IsMoveChange(to));
        DrawSoundingChart(chart, &dc);
        chart.m_nSelCurve = 0;
    }
}
BENCHMARK(BM_DragStep)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
