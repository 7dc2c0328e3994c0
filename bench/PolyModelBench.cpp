// Reading a polygon model whose ring has thousands of vertices: the check
// that no ring crosses itself dominates, and must grow with the edges, not
// their square.
#include "geometry/PolyModelFile.h"
#include "morvel/TMOD2D.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <string>

namespace {

// One body whose outer ring is a circle of n vertices.
std::string circleModel(int n)
{
    std::string text;
    std::string ring;
    for (int i = 0; i < n; ++i) {
        const double a = 2 * M_PI * i / n;
        text += "vertex " + std::to_string(i + 1) + " " + std::to_string(1000 * std::cos(a)) + " " +
                std::to_string(1000 * std::sin(a) - 2000) + "\n";
        ring += " " + std::to_string(i + 1);
    }
    return text + "body a 10" + ring + " 1\n";
}

void BM_PolyModelRing(benchmark::State& state)
{
    const std::string text = circleModel(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        TMOD2D model;
        CString error;
        benchmark::DoNotOptimize(PolyModelFile::Parse(text.c_str(), "ring.txt", model, error));
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_PolyModelRing)->Arg(500)->Arg(1000)->Arg(5000)->Unit(benchmark::kMillisecond)->Complexity();

}  // namespace
