// What one forward call costs in C++: the earth, the system and the response
// of a three-layer model, made afresh each time as a caller from Python or a
// script does. bench/python_calls.py times the same calls through the Python
// module; the difference is the module's overhead.
#include "em1d/LayeredEarth.h"
#include "em1d/MtForward.h"
#include "em1d/TemForward.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

namespace {

std::vector<double> logSpaced(double from, double to, int n)
{
    std::vector<double> v(static_cast<size_t>(n), from);
    for (int i = 1; i < n; ++i)
        v[static_cast<size_t>(i)] = from * std::pow(to / from, i / double(n - 1));
    return v;
}

void BM_TemForwardCall(benchmark::State& state)
{
    const std::vector<double> times = logSpaced(0.01, 10.0, static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const em1d::LayeredEarth earth({30.0, 50.0}, {100.0, 10.0, 1000.0});
        em1d::TemSystem system;
        const em1d::TemResponse r = em1d::TemForward(system).compute(earth, times);
        benchmark::DoNotOptimize(r.voltage.data());
    }
}
BENCHMARK(BM_TemForwardCall)->Arg(1)->Arg(31)->Unit(benchmark::kMicrosecond);

void BM_MtForwardCall(benchmark::State& state)
{
    const std::vector<double> periods = {1.0};
    for (auto _ : state) {
        const em1d::LayeredEarth earth({}, {100.0});
        const em1d::MtResponse r = em1d::MtForward::compute(earth, periods);
        benchmark::DoNotOptimize(r.rhoApparent.data());
    }
}
BENCHMARK(BM_MtForwardCall)->Unit(benchmark::kMicrosecond);

}  // namespace
