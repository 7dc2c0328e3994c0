#pragma once

#include <atomic>
#include <functional>
#include <vector>

namespace em1d {

// One step of an inversion as a host shows it: the model after the step and
// its fit so far.
struct InversionProgress {
    int iteration = 0;
    double misfitPercent = 0.0;
    double chiRms = 0.0;
    const std::vector<double>* resistivity = nullptr;
    const std::vector<double>* thickness = nullptr;
};

// How a host steers a running inversion: an iteration cap, a flag it may set
// from another thread to stop at the next step (the best model so far is
// returned, marked cancelled), and a callback after every accepted step,
// called on the inverting thread.
struct InversionControl {
    int maxIterations = 40;
    const std::atomic<bool>* cancel = nullptr;
    std::function<void(const InversionProgress&)> progress;

    bool cancelled() const { return cancel && cancel->load(std::memory_order_relaxed); }
};

} // namespace em1d
