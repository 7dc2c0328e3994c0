// The measuring system's options shared by the commands that model (the
// modelling command, the render's --forward): loop
// radius or square side, receiver area, turn-off ramp. They win over a
// sounding's own "# tem:" line.
#pragma once

#include "em1d/TemSystem.h"

#include <string>

class OptionScanner;

class SystemOptions {
public:
    // Registers --loop-radius, --loop-side, --rx-area and --ramp.
    void Add(OptionScanner& scanner);

    bool Any() const { return !m_loopRadius.empty() || !m_loopSide.empty() || !m_rxArea.empty() || !m_ramp.empty(); }
    // Both loop sizes given: a bad command line.
    bool Conflicting() const { return !m_loopRadius.empty() && !m_loopSide.empty(); }

    // Sets what was given on system; false with "--option: message" for a
    // value that is not a number.
    bool Apply(em1d::TemSystem& system, std::string& error) const;

private:
    std::string m_loopRadius, m_loopSide, m_rxArea, m_ramp;
};
