// A sounding file as the modelling command uses it: the times of its rows,
// the system its "# tem:" comment describes, and the same text with the two
// modelled columns replaced, everything else kept as written.
#pragma once

#include "em1d/TemSystem.h"

#include <string>
#include <vector>

class SoundingData {
public:
    static constexpr std::size_t kMaxBytes = 64 * 1024 * 1024;
    static constexpr int kColumns = 5;  // time, measured R, measured V, modelled R, modelled V

    // Reads path: rows of five numbers, '#' comments, an optional header
    // line naming the columns. The abscissa is a time in ms, or in the unit
    // the header names for it (t(s), time_us, ...); V in µV/A, or in the
    // unit the header names (V(V/A), V_nV/A, ...). False, with
    // "path:line: message", when the file cannot be read or breaks a rule
    // (a frequency or a period for abscissa, V in volts).
    bool Read(const std::string& path, std::string& error);
    bool Parse(std::string text, const std::string& name, std::string& error);

    // Column k (0 time as written, 1 measured R, 2 measured V, 3 modelled R,
    // 4 modelled V) of every row; V in µV/A whatever the file's unit.
    std::vector<double> Column(int k) const;
    // The times of the rows, in ms.
    const std::vector<double>& TimesMs() const { return m_timesMs; }
    // system with what the file's "# tem:" line sets (the last one wins);
    // false with "name:line: message" for a bad line.
    bool ApplySystem(em1d::TemSystem& system, std::string& error) const;
    // The text with every row's modelled R and V (µV/A, written in the
    // file's unit) replaced; false with a message when a value cannot be
    // written.
    bool Rewrite(const std::vector<double>& rho, const std::vector<double>& v, std::string& out,
                 std::string& error) const;

private:
    std::string m_name;
    std::string m_text;
    std::vector<float> m_values;  // every number as read, row by row
    std::vector<double> m_timesMs;
    double m_microVoltsPerUnit = 1;  // the file's unit of V in µV/A
};
