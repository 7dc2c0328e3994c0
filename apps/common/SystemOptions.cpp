#include "SystemOptions.h"

#include "OptionScanner.h"

#include "platform/core/TextNumber.h"

namespace {

bool number(const std::string& text, const char* what, double& v, std::string& error)
{
    const TextNumber::Result r = TextNumber::Read(text, v);
    if (r == TextNumber::Result::Ok)
        return true;
    error = std::string(what) + ": " + TextNumber::Quote(text) + " " + TextNumber::Describe(r);
    return false;
}

} // namespace

void SystemOptions::Add(OptionScanner& s)
{
    s.Text("--loop-radius", "M", "transmitter loop radius in m (default 50)", m_loopRadius);
    s.Text("--loop-side", "M", "side of a square loop in m (the circle of equal area is modelled)", m_loopSide);
    s.Text("--rx-area", "M2", "receiver effective area in m2, area times turns (default 1)", m_rxArea);
    s.Text("--ramp", "US", "linear turn-off ramp in microseconds (default 0: a step)", m_ramp);
}

bool SystemOptions::Apply(em1d::TemSystem& system, std::string& error) const
{
    const struct {
        const std::string& text;
        const char* name;
        double* target;
    } numbers[] = {{m_loopRadius, "--loop-radius", &system.loopRadius},
                   {m_rxArea, "--rx-area", &system.rxArea},
                   {m_ramp, "--ramp", &system.rampUs}};
    for (const auto& n : numbers)
        if (!n.text.empty() && !number(n.text, n.name, *n.target, error))
            return false;
    if (!m_loopSide.empty()) {
        double side = 0;
        if (!number(m_loopSide, "--loop-side", side, error))
            return false;
        system.loopRadius = em1d::TemSystem::fromSquareLoop(side).loopRadius;
    }
    return true;
}
