// The options that let a layered model drive a sounding's modelled curves:
// the model file and the system settings that win over the sounding's own
// "# tem:" line, and the replacing of the modelled columns by the model's
// response with the misfit it leaves.
#pragma once

#include "em1d/TemSystem.h"

#include <string>
#include <string_view>
#include <vector>

struct LayeredModel;
struct SoundingTable;

class ForwardOption {
public:
    std::string model;  // --forward MODEL; empty: the file's own modelled columns
    std::string loopRadius, loopSide, rxArea, ramp;

    enum class Take { No, Yes, Bad };
    // When args[i] is one of the forward options, takes it and its value
    // (moving i on) and says Yes; Bad with a message when the value is missing.
    Take TakeArg(const std::vector<std::string>& args, std::size_t& i, std::string& error);
    // The options together: loop settings need --forward, a loop has one size,
    // every value a number the system accepts. False with a one-line message.
    bool Check(std::string& error) const;
    bool Given() const { return !model.empty(); }
    static const char* Usage();

    // system as the sounding text's "# tem:" line and then these options set
    // it; false with a message naming the line or option.
    bool System(std::string_view text, const std::string& name, em1d::TemSystem& system, std::string& error) const;

    // Puts the response of earth at the table's abscissa (in ms, or in s
    // when its header says so) into its modelled columns and sets misfit to
    // the RMS misfit of V in percent over the samples its "# mask:" line
    // leaves in (NaN: none left). False with a message naming the file.
    static bool Apply(SoundingTable& table, const LayeredModel& earth, const em1d::TemSystem& system,
                      const std::string& name, double& misfit, std::string& error);
    // "misfit: 3.47 %" (or a line saying no sample could be compared).
    static std::string MisfitLine(double misfit);
};
