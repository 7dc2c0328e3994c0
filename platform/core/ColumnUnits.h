// What the header line of a sounding file says of its columns' units: the
// quantity and power of ten of the abscissa (first column) and the unit of
// V (third column). One reading for the charts, which label in these units,
// and for the modelling, which turns them into ms and µV/A.
#pragma once

#include <string>
#include <vector>

class ColumnUnits {
public:
    enum class Quantity { Time, Frequency, Period, Other };
    struct Abscissa {
        Quantity quantity = Quantity::Time;
        int power = -3;    // of the file's unit relative to s or Hz: ms is -3
        std::string name;  // the name as written, for Other
    };
    struct Voltage {
        int power = -6;          // relative to V/A (or V): µV/A is -6
        bool perAmpere = true;   // V/A, not volts
    };

    // The header's columns, split at blanks, tabs, commas and semicolons.
    static std::vector<std::string> Columns(const std::string& header);
    // A name's unit in lower case: its last run of letters and slashes (with
    // a micro sign before it read as "u"): "time_ms" gives "ms", "t(us)"
    // "us", "V(mV/A)" "mv/a". begin is where the unit starts in the name, 0
    // when the name is all unit (no unit named).
    static std::string UnitOf(const std::string& name, std::size_t& begin);

    // The first column: "t(s)", "time_ms", "t_us" are times; "freq_Hz",
    // "f" frequencies; "period_s", "T" periods; "t" or "time" alone, or no
    // header, a time in ms as TEM files give it; another name Other.
    static Abscissa AbscissaOf(const std::string& header);
    // The third column's unit: V/A, mV/A, uV/A, nV/A, or V, mV, uV, nV
    // (not normalised by the current); µV/A when it names none.
    static Voltage VoltageOf(const std::string& header);

    // What a TEM model's response (times in ms, V in µV/A) needs from the
    // file: ms per abscissa unit and µV/A per unit of V. False, with why,
    // when the abscissa is a frequency or a period, or V is in volts. A first
    // column named otherwise is taken in ms, as TEM files give it.
    static bool TemScales(const std::string& header, double& msPerUnit, double& microVoltsPerUnit, std::string& why);
};
