// The central-loop TEM response of a layered earth: the step-off dB_z/dt and
// B_z at the loop's centre for 1 A, as the system samples them (turn-off ramp,
// gates), the normalised voltage and the late-time apparent resistivity.
#pragma once

#include "em1d/FourierTransform.h"
#include "em1d/HankelTransform.h"
#include "em1d/LayeredEarth.h"
#include "em1d/TemSystem.h"

#include <span>
#include <vector>

namespace em1d {

class TeReflection;

struct TemResponse {
    std::vector<double> dBzdt;        // T/s for 1 A (negative for a decaying field)
    std::vector<double> bz;           // T for 1 A
    std::vector<double> voltage;      // V/I in µV/A (positive for a decaying field)
    std::vector<double> rhoApparent;  // late-time apparent resistivity, ohm-m (NaN where dB_z/dt is 0)
};

// Which digital filters compute the response.
enum class TemAccuracy {
    // 47-point Hankel J1 (Guptasarma & Singh 1997) and 101-point sine/cosine
    // (Werthmüller 2020), the whole curve from one lagged set of frequencies:
    // within 0.02 % of Reference over 0.01–10 ms and 1–3000 ohm-m.
    Live,
    // 201-point Hankel J1 and 201-point sine/cosine (Key 2012), every time
    // with its own frequencies: some fifty times the work, for checking.
    Reference,
};

class TemForward {
public:
    // Validates the system (ModelError) and prepares its transforms.
    explicit TemForward(TemSystem system, TemAccuracy accuracy = TemAccuracy::Live);

    // The response at the given times after the end of the turn-off, in ms
    // (gate centres where the system has gate widths). Throws ModelError for
    // a time that is not finite or outside kMinTimeMs .. kMaxTimeMs, a gate
    // that starts at or before 0, a count of gate widths other than the count
    // of times, or a resistivity outside kMinResistivity .. kMaxResistivity.
    TemResponse compute(const LayeredEarth& earth, std::span<const double> timesMs) const;

    const TemSystem& system() const { return system_; }

    // The times a response may be asked for (1 ns to 1000 s) and the
    // resistivities it handles (from metals to air-dry rock and ice).
    static constexpr double kMinTimeMs = 1e-6;
    static constexpr double kMaxTimeMs = 1e6;
    static constexpr double kMinResistivity = 1e-8;
    static constexpr double kMaxResistivity = 1e12;

    // The default sampling of a curve: 31 times evenly spaced in the
    // logarithm from 0.01 to 10 ms (ten a decade).
    static std::vector<double> defaultTimesMs();

private:
    std::vector<double> imaginaryHz(const TeReflection& kernel, std::span<const double> omega) const;
    void stepResponse(const LayeredEarth& earth, std::span<const double> timesS, std::vector<double>& dBdt,
                      std::vector<double>& b) const;

    TemSystem system_;
    TemAccuracy accuracy_;
    HankelTransform hankel_;
    FourierTransform fourier_;
};

} // namespace em1d
