// Cost and accuracy of the TEM forward calculation: one curve of 31 times
// (0.01–10 ms) for layered earths of 1, 3, 10 and 30 layers, and the largest
// relative difference of the live filters from the 201-point reference.
#include "em1d/TemForward.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// Layers of 5 to 40 m alternating between conductive and resistive rock
// (resistivities within 1–3000 ohm-m) over a half-space.
em1d::LayeredEarth earthOf(int layers)
{
    std::vector<double> h, rho;
    for (int i = 0; i < layers; ++i) {
        rho.push_back(std::pow(10.0, 0.2 + 3.2 * ((i * 7) % 11) / 10.0));
        if (i + 1 < layers)
            h.push_back(5.0 + 35.0 * ((i * 5) % 9) / 8.0);
    }
    return em1d::LayeredEarth(h, rho);
}

void BM_TemCurve31(benchmark::State& state)
{
    const em1d::TemForward tem(em1d::TemSystem{});
    const em1d::LayeredEarth earth = earthOf(static_cast<int>(state.range(0)));
    const std::vector<double> times = em1d::TemForward::defaultTimesMs();
    for (auto _ : state)
        benchmark::DoNotOptimize(tem.compute(earth, times));
}
BENCHMARK(BM_TemCurve31)->Arg(1)->Arg(3)->Arg(10)->Arg(30)->Unit(benchmark::kMicrosecond);

// With a 20 µs ramp and gates 10 % of their time wide: the curve then
// averages the step response over each gate and the ramp.
void BM_TemCurve31RampGates(benchmark::State& state)
{
    em1d::TemSystem sys;
    sys.rampUs = 20;
    const std::vector<double> times = em1d::TemForward::defaultTimesMs();
    for (double t : times)
        sys.gateWidthMs.push_back(0.1 * t);
    const em1d::TemForward tem(sys);
    const em1d::LayeredEarth earth = earthOf(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(tem.compute(earth, times));
}
BENCHMARK(BM_TemCurve31RampGates)->Arg(10)->Unit(benchmark::kMicrosecond);

// Largest |live/reference − 1| of dB/dt over 61 times from 0.01 to 10 ms,
// half-spaces of 1 to 3000 ohm-m and layered earths with contrasts of 3000,
// reported as the counter max_rel_err (the aim: at most 1e-3).
void BM_AccuracyAgainstReference(benchmark::State& state)
{
    std::vector<double> times;
    for (int i = 0; i <= 60; ++i)
        times.push_back(0.01 * std::pow(10.0, i / 20.0));
    std::vector<em1d::LayeredEarth> earths;
    for (double rho : {1.0, 3.0, 10.0, 30.0, 100.0, 300.0, 1000.0, 3000.0})
        earths.push_back(em1d::LayeredEarth::halfSpace(rho));
    earths.emplace_back(std::vector<double>{20}, std::vector<double>{3000, 1});
    earths.emplace_back(std::vector<double>{20}, std::vector<double>{1, 3000});
    earths.emplace_back(std::vector<double>{30, 50}, std::vector<double>{100, 10, 1000});
    earths.push_back(earthOf(10));
    const em1d::TemForward live(em1d::TemSystem{});
    const em1d::TemForward reference(em1d::TemSystem{}, em1d::TemAccuracy::Reference);
    double worst = 0;
    for (auto _ : state) {
        worst = 0;
        for (const auto& earth : earths) {
            const auto a = live.compute(earth, times), b = reference.compute(earth, times);
            for (std::size_t i = 0; i < times.size(); ++i)
                worst = std::max(worst, std::fabs(a.dBzdt[i] / b.dBzdt[i] - 1));
        }
    }
    state.counters["max_rel_err"] = worst;
}
BENCHMARK(BM_AccuracyAgainstReference)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
