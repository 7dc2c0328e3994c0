#include "platform/core/ColumnUnits.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace {

std::string lower(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

bool unitLetter(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '/'; }

}  // namespace

std::vector<std::string> ColumnUnits::Columns(const std::string& header)
{
    std::vector<std::string> out;
    std::string cur;
    for (char c : header) {
        if (c == ' ' || c == '\t' || c == ',' || c == ';' || c == '\r' || c == '\n') {
            if (!cur.empty())
                out.push_back(cur);
            cur.clear();
        } else {
            cur += c;
        }
    }
    if (!cur.empty())
        out.push_back(cur);
    return out;
}

std::string ColumnUnits::UnitOf(const std::string& name, std::size_t& begin)
{
    const std::string low = lower(name);
    std::size_t end = low.size();
    while (end > 0 && !unitLetter(low[end - 1]))
        --end;
    begin = end;
    while (begin > 0 && unitLetter(low[begin - 1]))
        --begin;
    std::string unit = low.substr(begin, end - begin);
    // The micro sign (µ U+00B5) or the Greek mu (μ U+03BC) before the unit.
    for (const char* micro : {"\xc2\xb5", "\xce\xbc"})
        if (begin >= 2 && low.compare(begin - 2, 2, micro) == 0) {
            unit = "u" + unit;
            begin -= 2;
        }
    return unit;
}

ColumnUnits::Abscissa ColumnUnits::AbscissaOf(const std::string& header)
{
    Abscissa a;
    const std::vector<std::string> cols = Columns(header);
    if (cols.empty())
        return a;
    const std::string& name = cols[0];
    std::size_t begin = 0;
    const std::string unit = UnitOf(name, begin);
    const std::string low = lower(name);
    const bool hasUnit = begin > 0;
    // A period is named so, or "T" in upper case (a lone "t" is time).
    const bool period = low.rfind("per", 0) == 0 ||
                        (name[0] == 'T' && (name.size() == 1 || !std::isalpha(static_cast<unsigned char>(name[1]))));
    const bool frequency = low.rfind("f", 0) == 0;
    if (hasUnit && (unit == "s" || unit == "ms" || unit == "us" || unit == "ns")) {
        a.quantity = period ? Quantity::Period : Quantity::Time;
        a.power = unit == "s" ? 0 : unit == "ms" ? -3 : unit == "us" ? -6 : -9;
        return a;
    }
    if (hasUnit && (unit == "hz" || unit == "khz")) {
        a.quantity = Quantity::Frequency;
        a.power = unit == "hz" ? 0 : 3;
        return a;
    }
    if (!hasUnit && period) {
        a.quantity = Quantity::Period;
        a.power = 0;
        return a;
    }
    if (!hasUnit && frequency) {
        a.quantity = Quantity::Frequency;
        a.power = 0;
        return a;
    }
    if (!hasUnit && (low == "t" || low.rfind("time", 0) == 0))
        return a;  // time, in milliseconds as TEM files give it
    a.quantity = Quantity::Other;
    a.power = 0;
    a.name = name;
    return a;
}

ColumnUnits::Voltage ColumnUnits::VoltageOf(const std::string& header)
{
    Voltage v;
    const std::vector<std::string> cols = Columns(header);
    if (cols.size() < 3)
        return v;
    std::size_t begin = 0;
    const std::string unit = UnitOf(cols[2], begin);
    if (begin == 0)
        return v;
    static const struct {
        const char* unit;
        int power;
        bool perAmpere;
    } kUnits[] = {{"v/a", 0, true}, {"mv/a", -3, true}, {"uv/a", -6, true}, {"nv/a", -9, true},
                  {"v", 0, false},  {"mv", -3, false},  {"uv", -6, false},  {"nv", -9, false}};
    for (const auto& k : kUnits)
        if (unit == k.unit) {
            v.power = k.power;
            v.perAmpere = k.perAmpere;
        }
    return v;
}

bool ColumnUnits::TemScales(const std::string& header, double& msPerUnit, double& microVoltsPerUnit, std::string& why)
{
    const Abscissa a = AbscissaOf(header);
    if (a.quantity == Quantity::Frequency || a.quantity == Quantity::Period) {
        why = std::string("the abscissa is a ") + (a.quantity == Quantity::Frequency ? "frequency" : "period") +
              ", not a time after turn-off: a TEM model's response needs times";
        return false;
    }
    const Voltage v = VoltageOf(header);
    if (!v.perAmpere) {
        why = "V is in volts, not normalised by the transmitter current: a TEM model's response is in V/A";
        return false;
    }
    msPerUnit = a.quantity == Quantity::Time ? std::pow(10.0, a.power + 3) : 1.0;
    microVoltsPerUnit = std::pow(10.0, v.power + 6);
    return true;
}
