// Inversion of one TEM sounding of 31 gates (0.01 to 10 ms) of an H-type
// earth (100/10/1000 Ω·m, 30 and 50 m) with 3 % seeded noise: the few-layer
// inversion from a start made from the data, and the smooth 30-layer one.
// Threads(2) gives the rate of a survey run on two cores (items per second
// are soundings per second over both threads).
#include "em1d/OccamInversion.h"
#include "em1d/TemForward.h"
#include "em1d/TemInversion.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <random>

namespace {

em1d::TemObservations sounding(unsigned seed)
{
    std::vector<double> t;
    for (int i = 0; i < 31; ++i)
        t.push_back(0.01 * std::pow(1000.0, i / 30.0));
    std::vector<double> v = em1d::TemForward(em1d::TemSystem{})
                                .compute(em1d::LayeredEarth({30.0, 50.0}, {100.0, 10.0, 1000.0}), t)
                                .voltage;
    std::mt19937 rng(seed);
    std::normal_distribution<double> noise(0.0, 0.03);
    for (double& x : v)
        x *= 1.0 + noise(rng);
    return em1d::TemObservations(t, v, {}, 3.0);
}

// Inverts the same sounding over and over; the counters are each thread's
// figures averaged, not summed, when several run at once.
template <class Inversion>
void Measure(benchmark::State& state, const Inversion& inv, const char* stepsName)
{
    const em1d::TemObservations data = sounding(7 + static_cast<unsigned>(state.thread_index()));
    int iterations = 0;
    double misfit = 0;
    for (auto _ : state) {
        const auto r = inv.run(data);
        iterations = r.iterations;
        misfit = r.misfitPercent;
        benchmark::DoNotOptimize(r.resistivity.data());
    }
    state.SetItemsProcessed(state.iterations());
    state.counters[stepsName] = benchmark::Counter(iterations, benchmark::Counter::kAvgThreads);
    state.counters["misfit_pct"] = benchmark::Counter(misfit, benchmark::Counter::kAvgThreads);
}

void BM_FewLayer3(benchmark::State& state)
{
    em1d::TemInversion inv(em1d::TemSystem{});
    inv.setLayers(3);
    Measure(state, inv, "lm_steps");
}
BENCHMARK(BM_FewLayer3)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_FewLayer3)->Unit(benchmark::kMillisecond)->UseRealTime()->Threads(2);

void BM_Smooth30(benchmark::State& state)
{
    Measure(state, em1d::OccamInversion(em1d::TemSystem{}), "occam_steps");
}
BENCHMARK(BM_Smooth30)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
BENCHMARK(BM_Smooth30)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5)->Threads(2);

} // namespace

BENCHMARK_MAIN();
