// A central-loop transient EM system: a circular transmitter loop carrying
// 1 A, a receiver of given effective area at its centre, the current switched
// off along a linear ramp, the receiver sampling at points or over gates.
#pragma once

#include <string_view>
#include <vector>

namespace em1d {

struct TemSystem {
    double loopRadius = 50.0;        // m (a square loop: the circle of equal area, see fromSquareLoop)
    double rxArea = 1.0;             // m², receiver effective area (area × turns)
    double rampUs = 0.0;             // linear turn-off ramp, µs (0: step)
    std::vector<double> gateWidthMs; // empty: point samples; else one width per time, centred on it

    // Limits of what the system may hold (validate refuses anything beyond).
    static constexpr double kMinLoopRadius = 0.01;   // m
    static constexpr double kMaxLoopRadius = 1.0e5;  // m
    static constexpr double kMaxRampUs = 1.0e6;      // µs

    // A square loop of the given side as the circle of the same area
    // (radius side/√π): the field at the centre differs by well under 1 %
    // for the times of a sounding, and the moment is the same.
    static TemSystem fromSquareLoop(double side);

    // Throws ModelError unless the radius lies within the limits, the area is
    // positive and finite, the ramp is finite and between 0 and kMaxRampUs,
    // and every gate width is finite and >= 0.
    void validate() const;

    // Takes the system parameters a sounding or survey file may carry in a
    // comment line "# tem: loop_radius=50 rx_area=100 ramp_us=20" (also
    // loop_side=; keys in any order, each optional). Returns false and
    // changes nothing for any other line. Throws ModelError naming the key
    // for an unknown key, a value that is not a number or out of range.
    bool applyCommentLine(std::string_view line);
};

} // namespace em1d
