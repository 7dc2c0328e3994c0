#include "em1d/DigitalFilter.h"

#include "em1d/FilterTables.h"
#include "em1d/ModelError.h"

#include <cmath>
#include <map>

namespace em1d {

const DigitalFilter& DigitalFilter::named(const std::string& name)
{
    // Built once from the compiled tables and kept: filters are shared by
    // every forward calculation of the process.
    static const std::map<std::string, DigitalFilter> filters = [] {
        std::map<std::string, DigitalFilter> all;
        for (int t = 0; t < tables::kTableCount; ++t) {
            const tables::Table& table = tables::kTables[t];
            DigitalFilter f;
            f.name_ = table.name;
            f.weights_.resize(table.columns - 1);
            for (int r = 0; r < table.rows; ++r) {
                const double* row = table.values + static_cast<std::size_t>(r) * table.columns;
                f.base_.push_back(row[0]);
                for (int c = 1; c < table.columns; ++c)
                    f.weights_[c - 1].push_back(row[c]);
            }
            f.logSpacing_ = std::log(f.base_.back() / f.base_.front()) / (table.rows - 1);
            all.emplace(f.name_, std::move(f));
        }
        return all;
    }();
    const auto it = filters.find(name);
    if (it == filters.end())
        throw ModelError("no digital filter named '" + name + "'");
    return it->second;
}

} // namespace em1d
