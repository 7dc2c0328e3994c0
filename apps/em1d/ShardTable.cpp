#include "ShardTable.h"

#include "platform/core/TextNumber.h"
#include "platform/core/TextTable.h"

#include <algorithm>
#include <charconv>

namespace {

// The shortest text that reads back as the same double: the stitch rounds
// and stitches the very numbers the shard's inversion found.
std::string exact(double v)
{
    char buf[32];
    const auto r = std::to_chars(buf, buf + sizeof buf, v);
    return std::string(buf, r.ptr);
}

// A whole number of decimal digits alone, no sign, no leading zero.
template <typename T>
bool whole(std::string_view s, T& out)
{
    if (s.empty() || (s.size() > 1 && s[0] == '0'))
        return false;
    const auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), out);
    return ec == std::errc() && ptr == s.data() + s.size();
}

std::vector<std::string_view> split(std::string_view line, char at)
{
    std::vector<std::string_view> out;
    for (std::size_t from = 0;;) {
        const std::size_t to = line.find(at, from);
        out.push_back(line.substr(from, to == std::string_view::npos ? std::string_view::npos : to - from));
        if (to == std::string_view::npos)
            return out;
        from = to + 1;
    }
}

const char* const kShardNote = "# shard: ";
const char* const kFailedNote = "# failed: ";

} // namespace

std::string ShardTable::FileName(int shard, int shards)
{
    return "models-" + std::to_string(shard) + "-of-" + std::to_string(shards) + ".csv";
}

bool ShardTable::ParseFileName(const std::string& name, int& shard, int& shards)
{
    const std::string_view s(name);
    const std::size_t of = s.find("-of-");
    if (s.rfind("models-", 0) != 0 || of == std::string_view::npos || s.size() < 4
        || s.substr(s.size() - 4) != ".csv" || of + 4 > s.size() - 4)
        return false;
    return whole(s.substr(7, of - 7), shard) && whole(s.substr(of + 4, s.size() - 4 - of - 4), shards) && shard >= 1
           && shards >= 1;
}

std::string ShardTable::Text() const
{
    std::size_t most = 0;
    for (const Row& r : rows)
        most = std::max(most, r.model.resistivity.size());
    std::string t = "# Models of shard " + std::to_string(shard) + " of " + std::to_string(shards)
                    + " of a survey inverted by tarnex-em1d, at full precision;\n"
                      "# \"tarnex-em1d stitch OUTDIR\" joins the shards' tables into models.csv and the section.\n";
    t += kShardNote + std::to_string(shard) + "/" + std::to_string(shards) + " stations=" + std::to_string(stations)
         + " spacing_m=" + exact(spacing) + "\n";
    for (const Failure& f : failures) {
        std::string message = f.message;
        std::replace(message.begin(), message.end(), '\n', ' ');
        t += kFailedNote + std::to_string(f.index) + " " + message + "\n";
    }
    t += SurveyInversion::TableHeader(most) + ",index\n";
    for (const Row& r : rows)
        t += SurveyInversion::TableRow(r.model, most, true) + "," + std::to_string(r.index) + "\n";
    return t;
}

bool ShardTable::Read(const std::string& path, std::string& error)
{
    std::string text;
    CString why;
    if (!TextTable::Load(path.c_str(), kMaxBytes, text, why)) {
        error = why.GetString();
        return false;
    }
    const auto fail = [&](int line, const std::string& message) {
        error = path + (line > 0 ? ":" + std::to_string(line) : std::string()) + ": " + message;
        return false;
    };
    rows.clear();
    failures.clear();
    bool noted = false;
    std::string header;
    std::size_t columns = 0, most = 0;
    std::vector<std::size_t> seen;
    int number = 0;
    for (std::string_view line : split(text, '\n')) {
        ++number;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (line.empty())
            continue;
        if (line.rfind(kShardNote, 0) == 0) {
            // "# shard: K/N stations=S spacing_m=M"
            const std::vector<std::string_view> w = split(line.substr(std::string_view(kShardNote).size()), ' ');
            const std::size_t slash = w[0].find('/');
            if (w.size() != 3 || slash == std::string_view::npos || !whole(w[0].substr(0, slash), shard)
                || !whole(w[0].substr(slash + 1), shards) || w[1].rfind("stations=", 0) != 0
                || !whole(w[1].substr(9), stations) || w[2].rfind("spacing_m=", 0) != 0
                || TextNumber::Read(w[2].substr(10), spacing) != TextNumber::Result::Ok || !(spacing > 0))
                return fail(number, "not a shard's note \"# shard: K/N stations=S spacing_m=M\"");
            noted = true;
            continue;
        }
        if (line.rfind(kFailedNote, 0) == 0) {
            const std::string_view rest = line.substr(std::string_view(kFailedNote).size());
            const std::size_t blank = rest.find(' ');
            Failure f;
            if (blank == std::string_view::npos || !whole(rest.substr(0, blank), f.index))
                return fail(number, "not a failed station's note \"# failed: INDEX station NAME: why\"");
            f.message = std::string(rest.substr(blank + 1));
            seen.push_back(f.index);
            failures.push_back(std::move(f));
            continue;
        }
        if (line[0] == '#')
            continue;
        const std::vector<std::string_view> fields = split(line, ',');
        if (header.empty()) {
            // station,x_m, then rho and h of up to most layers, misfit_pct,doi_m,index
            most = fields.size() >= 5 ? (fields.size() - 4) / 2 : 0;
            header = SurveyInversion::TableHeader(most) + ",index";
            if (line != header)
                return fail(number, "the header is not that of a shard's table of models (" + header + ")");
            columns = fields.size();
            continue;
        }
        if (fields.size() < columns)
            return fail(number, std::to_string(fields.size()) + " fields; the header names "
                                    + std::to_string(columns));
        // A station's name may hold commas (a sounding file's name): the
        // fields beyond the header's count belong to it.
        const std::size_t extra = fields.size() - columns;
        Row r;
        r.model.name = std::string(line.substr(0, static_cast<std::size_t>(fields[extra].data() + fields[extra].size()
                                                                           - line.data())));
        const auto value = [&](std::size_t k, double& v, const char* what) {
            const std::string_view f = fields[extra + k];
            const TextNumber::Result res = TextNumber::Read(f, v);
            if (res != TextNumber::Result::Ok)
                return fail(number, "\"" + TextNumber::Quote(f) + "\" " + TextNumber::Describe(res) + " (" + what + ")");
            return true;
        };
        if (!value(1, r.model.x, "x_m") || !value(columns - 3, r.model.misfit, "misfit_pct")
            || !value(columns - 2, r.model.depth, "doi_m"))
            return false;
        if (!whole(fields[extra + columns - 1], r.index))
            return fail(number, "\"" + TextNumber::Quote(fields[extra + columns - 1]) + "\" is not a station's index");
        // A model of fewer layers than the table's most leaves the rest of its fields empty.
        bool ended = false;
        for (std::size_t j = 0; j < most; ++j) {
            const std::size_t rho = 2 + 2 * j, h = rho + 1;
            ended = ended || fields[extra + rho].empty();
            if (ended) {
                if (!fields[extra + rho].empty() || (j + 1 < most && !fields[extra + h].empty()))
                    return fail(number, "a layer after the model's half-space");
                continue;
            }
            double v = 0;
            if (!value(rho, v, "resistivity"))
                return false;
            r.model.resistivity.push_back(v);
            if (j + 1 < most && !fields[extra + h].empty()) {
                if (!value(h, v, "thickness"))
                    return false;
                r.model.thickness.push_back(v);
            }
        }
        const auto positive = [](const std::vector<double>& vs) {
            return std::all_of(vs.begin(), vs.end(), [](double v) { return v > 0; });
        };
        if (r.model.resistivity.empty() || r.model.thickness.size() + 1 != r.model.resistivity.size()
            || !positive(r.model.resistivity) || !positive(r.model.thickness) || !(r.model.depth > 0))
            return fail(number, "not a layered model: positive thicknesses, one fewer than the positive "
                                "resistivities, and a positive depth");
        seen.push_back(r.index);
        rows.push_back(std::move(r));
    }
    if (!noted)
        return fail(0, "no \"# shard: K/N stations=S spacing_m=M\" note: not a shard's table of tarnex-em1d invert");
    if (header.empty())
        return fail(0, "no header line");
    if (shard < 1 || shard > shards)
        return fail(0, "shard " + std::to_string(shard) + " of " + std::to_string(shards) + " does not exist");
    // Every station of this shard once, inverted or failed, and no other.
    std::sort(seen.begin(), seen.end());
    const std::size_t k = static_cast<std::size_t>(shard - 1), n = static_cast<std::size_t>(shards);
    const std::size_t mine = stations > k ? (stations - k + n - 1) / n : 0;
    for (std::size_t i = 0; i < seen.size(); ++i)
        if (seen[i] != k + i * n)
            return fail(0, "station " + std::to_string(seen[i]) + " is listed twice or is not this shard's");
    if (seen.size() != mine)
        return fail(0, std::to_string(seen.size()) + " of the shard's " + std::to_string(mine)
                           + " stations listed: the table is not whole");
    std::sort(rows.begin(), rows.end(), [](const Row& a, const Row& b) { return a.index < b.index; });
    std::sort(failures.begin(), failures.end(), [](const Failure& a, const Failure& b) { return a.index < b.index; });
    return true;
}
