#include "ModelReader.h"

#include "em1d/ModelError.h"
#include "platform/core/TextTable.h"

#include <cmath>

std::optional<em1d::LayeredEarth> ModelReader::Read(const std::string& path, std::string& error)
{
    std::string text;
    CString why;
    if (!TextTable::Load(path.c_str(), kMaxBytes, text, why)) {
        error = why.GetString();
        return std::nullopt;
    }
    return Parse(text, path, error);
}

std::optional<em1d::LayeredEarth> ModelReader::Parse(std::string_view text, const std::string& name,
                                                     std::string& error)
{
    TextTable table(text, name, TextTable::Rules{});
    std::vector<double> thickness, resistivity;
    TextTable::Line line;
    int halfSpaceLine = 0;
    while (table.Next(line)) {
        if (halfSpaceLine) {
            table.Fail(line.number, "a layer below the half-space of line %d (its line holds one number, the last)",
                       halfSpaceLine);
            break;
        }
        if (line.Count() > 2) {
            table.Fail(line.number, "%zu numbers; a layer line holds thickness and resistivity", line.Count());
            break;
        }
        if (static_cast<int>(resistivity.size()) >= kMaxLayers) {
            table.Fail(line.number, "more than %d layers", kMaxLayers);
            break;
        }
        double v[2] = {0, 0};
        const char* what[2] = {"thickness", "resistivity"};
        const std::size_t first = line.Count() == 2 ? 0 : 1;
        bool ok = true;
        for (std::size_t k = 0; k < line.Count() && ok; ++k) {
            double& value = v[first + k];
            ok = table.Number(line, k, value, what[first + k]);
            if (ok && !(value > 0 && std::isfinite(value)))
                ok = table.Fail(line.number, "%s %g is not a positive number", what[first + k], value);
        }
        if (!ok)
            break;
        if (line.Count() == 1)
            halfSpaceLine = line.number;
        else
            thickness.push_back(v[0]);
        resistivity.push_back(v[1]);
    }
    if (!table.Failed() && resistivity.empty())
        table.Fail(0, "no layers");
    else if (!table.Failed() && !halfSpaceLine)
        table.Fail(0, "no half-space: the last line holds its resistivity alone");
    if (table.Failed()) {
        error = table.Error().GetString();
        return std::nullopt;
    }
    try {
        return em1d::LayeredEarth(thickness, resistivity);
    } catch (const em1d::ModelError& e) {
        error = name + ": " + e.what();
        return std::nullopt;
    }
}
