// The options that let a layered model drive a sounding's modelled curves:
// the model file and the system settings that win over the sounding's own
// "# tem:" line, and the replacing of the modelled columns by the model's
// response with the misfit it leaves.
#pragma once

#include "SystemOptions.h"

#include "em1d/TemSystem.h"

#include <string>
#include <string_view>
#include <vector>

class OptionScanner;
struct LayeredModel;
struct SoundingTable;

class ForwardOption {
public:
    std::string model;  // --forward MODEL; empty: the file's own modelled columns
    SystemOptions settings;  // --loop-radius, --loop-side, --rx-area, --ramp

    // --forward MODEL and the system's options, in a command's table.
    void AddOptions(OptionScanner& scan);
    // The same options refused by a form of the command that draws no sounding.
    static void RefuseOptions(OptionScanner& scan);
    // The options together: loop settings need --forward, a loop has one size,
    // every value a number the system accepts. False with a one-line message.
    bool Check(std::string& error) const;
    bool Given() const { return !model.empty(); }

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
