// What the render command, the batch and the studio share when a layered
// model drives a sounding's modelled curves: the system a sounding's
// "# tem:" comment line describes, the samples its "# mask:" comment line
// leaves out, the response at the sounding's times, and the misfit between
// measured and modelled values.
#pragma once

#include "em1d/LayeredEarth.h"
#include "em1d/TemSystem.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

class SoundingForward {
public:
    // The modelled apparent resistivity (ohm-m) and voltage (µV/A) a time.
    struct Curves {
        std::vector<double> rho, v;
    };

    // Applies every "# tem:" comment line of text to system, in order (the
    // last one wins). False with "name:line: message" for a bad line; system
    // is then as the lines before it left it.
    static bool ApplySystem(std::string_view text, const std::string& name, em1d::TemSystem& system,
                            std::string& error);
    // The "# tem:" line that states system (radius, receiver area, ramp).
    static std::string SystemLine(const em1d::TemSystem& system);

    // The masked samples of a sounding as its "# mask: 3,7,12" comment line
    // lists them: row numbers counted from 1 among the data rows. Returned
    // 0-based, sorted, without repeats. False with "name:line: message" for
    // a number that is not a whole number from 1 to rows.
    static bool ReadMask(std::string_view text, const std::string& name, int rows, std::vector<int>& masked,
                         std::string& error);
    // "# mask: 3,7,12" for the 0-based rows given (empty for none).
    static std::string MaskLine(const std::vector<int>& masked);
    // text with its "# key:" comment lines replaced by line (dropped when
    // line is empty). The line goes last: a file whose first line is a
    // comment is taken for a survey table by the batch.
    static std::string WithCommentLine(std::string_view text, std::string_view key, const std::string& line);

    // What the model's response (times in ms, V in µV/A) needs from a
    // sounding's header: ms per abscissa unit and µV/A per unit of V (see
    // ColumnUnits::TemScales). False, with why, for a frequency or period
    // abscissa or V in volts.
    struct Scales {
        double msPerUnit = 1;
        double microVoltsPerUnit = 1;
    };
    static bool ScalesOf(const std::string& header, Scales& scales, std::string& why);

    // The earth of a layered model's thicknesses (m) and resistivities (ohm-m).
    static em1d::LayeredEarth Earth(std::span<const float> thick, std::span<const float> res);
    // The response at timesMs; throws em1d::ModelError for a model, time or
    // system the engine refuses.
    static Curves Compute(const em1d::LayeredEarth& earth, const em1d::TemSystem& system,
                          std::span<const double> timesMs);

    // RMS misfit in percent, 100·√(mean(((d − m)/d)²)), over the samples not
    // masked (masked[i] != 0; a short or empty mask masks nothing). Samples
    // whose measured value is 0 or either value is not finite cannot enter
    // and are passed over; NaN when no sample is left.
    static double MisfitPercent(std::span<const double> measured, std::span<const double> modelled,
                                std::span<const char> masked = {});
};
