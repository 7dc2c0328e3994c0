#include "StitchCommand.h"

#include "OptionScanner.h"
#include "ShardTable.h"
#include "SurveyInversion.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <set>

namespace fs = std::filesystem;

namespace {

// "2, 5 and 7", at most the first ten named.
std::string listed(const std::vector<int>& items)
{
    constexpr std::size_t kNamed = 10;
    std::string t;
    const std::size_t shown = std::min(items.size(), kNamed);
    for (std::size_t i = 0; i < shown; ++i)
        t += (i == 0 ? "" : i + 1 == shown && shown == items.size() ? " and " : ", ") + std::to_string(items[i]);
    if (items.size() > shown)
        t += " and " + std::to_string(items.size() - shown) + " more";
    return t;
}

} // namespace

int StitchCommand::Run(const std::vector<std::string>& args, std::string& out, std::string& err)
{
    std::string outdir;
    bool quiet = false;
    OptionScanner s("tarnex-em1d stitch OUTDIR [--quiet]",
                    "Joins the tables models-K-of-N.csv that \"tarnex-em1d invert SURVEY -o OUTDIR --shard K/N\"\n"
                    "left in OUTDIR, one a shard, into models.csv, section-model.txt and section-LINE.txt,\n"
                    "the same files one run of the whole survey writes. All N shards must be there.");
    s.Flag("--quiet", "no summary (errors still)", quiet);
    s.Operands([&](const std::string& operand, std::string& error) {
        if (!outdir.empty()) {
            error = "one OUTDIR at a time ('" + operand + "' is a second)";
            return false;
        }
        outdir = operand;
        return true;
    });
    s.Epilogue("Exit status: 0 every station stitched, 1 some stations had failed in their shard (each\n"
               "named; the others are stitched), 2 bad command line, 3 nothing stitched (a shard's table\n"
               "missing or unreadable, tables of different runs, no station inverted).");
    if (int status = 0; !s.ParseOrAnswer(args, "tarnex-em1d stitch", out, err, status))
        return status;
    if (outdir.empty()) {
        err = "tarnex-em1d stitch: no OUTDIR given (see --help)\n";
        return OptionScanner::kExitBadCommandLine;
    }
    const auto refuse = [&](const std::string& m) {
        err += "tarnex-em1d stitch: " + m + "\n";
        return SurveyInversion::kExitNothing;
    };

    // The shards' tables by their count of shards: more than one count is
    // what two runs left in one folder.
    std::map<int, std::set<int>> found;
    std::error_code ec;
    for (const auto& e : fs::directory_iterator(outdir, ec)) {
        int k = 0, n = 0;
        if (ShardTable::ParseFileName(e.path().filename().string(), k, n) && k <= n)
            found[n].insert(k);
    }
    if (ec)
        return refuse(outdir + ": " + ec.message());
    if (found.empty())
        return refuse(outdir + ": no models-K-of-N.csv of a sharded \"tarnex-em1d invert\" here");
    if (found.size() > 1) {
        std::vector<int> counts;
        for (const auto& f : found)
            counts.push_back(f.first);
        return refuse(outdir + ": tables of runs in " + listed(counts)
                      + " shards; stitch one run's: remove the others' models-K-of-N.csv");
    }
    const int shards = found.begin()->first;
    std::vector<int> missing;
    for (int k = 1; k <= shards; ++k)
        if (!found.begin()->second.count(k))
            missing.push_back(k);
    if (!missing.empty())
        return refuse(outdir + ": shard" + (missing.size() > 1 ? "s " : " ") + listed(missing) + " of "
                      + std::to_string(shards) + " missing (" + ShardTable::FileName(missing.front(), shards)
                      + (missing.size() > 1 ? ", ..." : "") + "); run " + (missing.size() > 1 ? "them" : "it")
                      + " to the end first");

    // Station i is shard (i mod N)'s: taking the tables' rows by their
    // index puts the stations back in the survey's order, and the numbers
    // are the shards' own to the last bit, so the files are those one whole
    // run would write.
    std::vector<SurveyInversion::Column> columns;
    std::vector<std::pair<std::size_t, std::string>> failures;
    std::size_t stations = 0;
    double spacing = 0;
    std::vector<std::pair<std::size_t, SurveyInversion::Column>> rows;
    for (int k = 1; k <= shards; ++k) {
        const std::string path = (fs::path(outdir) / ShardTable::FileName(k, shards)).string();
        ShardTable t;
        std::string error;
        if (!t.Read(path, error))
            return refuse(error);
        if (t.shard != k || t.shards != shards)
            return refuse(path + ": the table of shard " + std::to_string(t.shard) + "/" + std::to_string(t.shards)
                          + " under another shard's name");
        if (k == 1) {
            stations = t.stations;
            spacing = t.spacing;
        } else if (t.stations != stations || t.spacing != spacing)
            return refuse(path + ": another run than shard 1's (its survey's stations or spacing differ)");
        for (ShardTable::Row& r : t.rows)
            rows.emplace_back(r.index, std::move(r.model));
        for (ShardTable::Failure& f : t.failures)
            failures.emplace_back(f.index, std::move(f.message));
    }
    std::sort(rows.begin(), rows.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::sort(failures.begin(), failures.end());
    for (auto& r : rows)
        columns.push_back(std::move(r.second));
    for (const auto& f : failures)
        err += "tarnex-em1d stitch: " + f.second + "\n";
    if (columns.empty())
        return refuse("no station of the " + std::to_string(stations) + " was inverted: nothing to stitch");
    if (std::string error; !SurveyInversion::WriteSurvey(outdir, columns, spacing, error))
        return refuse(error);
    if (!quiet)
        err += "tarnex-em1d stitch: " + std::to_string(columns.size()) + " of " + std::to_string(stations)
               + " stations from " + std::to_string(shards) + " shards into models.csv and the section, "
               + std::to_string(failures.size()) + " failed\n";
    return failures.empty() ? OptionScanner::kExitOk : SurveyInversion::kExitSomeFailed;
}
