#include "SoundingData.h"

#include "SoundingForward.h"

#include "platform/core/ColumnUnits.h"
#include "platform/core/DataText.h"
#include "platform/core/TextTable.h"

#include <cmath>

bool SoundingData::Read(const std::string& path, std::string& error)
{
    std::string text;
    CString why;
    if (!TextTable::Load(path.c_str(), kMaxBytes, text, why)) {
        error = why.GetString();
        return false;
    }
    return Parse(std::move(text), path, error);
}

bool SoundingData::Parse(std::string text, const std::string& name, std::string& error)
{
    m_name = name;
    m_text = std::move(text);
    m_values.clear();
    m_timesMs.clear();
    TextTable::Rules rules;
    rules.header = true;
    rules.commas = false;  // the rewrite keeps columns apart by blanks only
    TextTable table(m_text, name, rules);
    TextTable::Line line;
    double scale = 1;
    m_microVoltsPerUnit = 1;
    while (table.Next(line)) {
        if (line.header) {
            std::string header;
            for (const auto& f : line.fields)
                header.append(f.text).append(" ");
            std::string why;
            if (!ColumnUnits::TemScales(header, scale, m_microVoltsPerUnit, why)) {
                table.Fail(line.number, "%s", why.c_str());
                break;
            }
            continue;
        }
        if (line.Count() != kColumns) {
            table.Fail(line.number, "%zu numbers; a row holds %d (time, measured R and V, modelled R and V)",
                       line.Count(), kColumns);
            break;
        }
        float row[kColumns];
        bool ok = true;
        for (std::size_t k = 0; k < kColumns && ok; ++k)
            ok = table.Number(line, k, row[k], k == 0 ? "time" : nullptr);
        if (!ok)
            break;
        const double t = row[0] * scale;
        if (!(t > 0)) {
            table.Fail(line.number, "time %g is not after the end of the turn-off (> 0)", static_cast<double>(row[0]));
            break;
        }
        m_values.insert(m_values.end(), row, row + kColumns);
        m_timesMs.push_back(t);
    }
    if (!table.Failed() && m_timesMs.empty())
        table.Fail(0, "no rows");
    if (table.Failed()) {
        error = table.Error().GetString();
        return false;
    }
    return true;
}

bool SoundingData::ApplySystem(em1d::TemSystem& system, std::string& error) const
{
    return SoundingForward::ApplySystem(m_text, m_name, system, error);
}

bool SoundingData::Rewrite(const std::vector<double>& rho, const std::vector<double>& v, std::string& out,
                           std::string& error) const
{
    std::vector<float> values = m_values;
    for (std::size_t r = 0; r < m_timesMs.size(); ++r) {
        const float nr = static_cast<float>(rho[r]), nv = static_cast<float>(v[r] / m_microVoltsPerUnit);
        if (!std::isfinite(nr) || !std::isfinite(nv)) {
            error = m_name + ": the response at " + std::to_string(m_timesMs[r])
                    + " ms cannot be written as a number of the file";
            return false;
        }
        values[r * kColumns + 3] = nr;
        values[r * kColumns + 4] = nv;
    }
    DataText::Rules rules;
    rules.header = true;
    rules.fullPrecision = true;  // a computed response, not a hand edit
    if (!DataText::Rewrite(m_text, rules, values.size(), [&](std::size_t k) { return values[k]; }, out)) {
        error = m_name + ": its rows could not be rewritten (numbers separated by something other than blanks?)";
        return false;
    }
    return true;
}

std::vector<double> SoundingData::Column(int k) const
{
    std::vector<double> out;
    out.reserve(m_timesMs.size());
    const double unit = k == 2 || k == 4 ? m_microVoltsPerUnit : 1.0;
    for (std::size_t r = 0; r < m_timesMs.size(); ++r)
        out.push_back(m_values[r * kColumns + static_cast<std::size_t>(k)] * unit);
    return out;
}
