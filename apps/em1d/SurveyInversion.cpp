#include "SurveyInversion.h"

#include "BatchProgress.h"
#include "ShardTable.h"
#include "SoundingData.h"
#include "SoundingForward.h"
#include "StationNames.h"

#include "em1d/InversionError.h"
#include "em1d/ModelError.h"
#include "em1d/OccamInversion.h"
#include "em1d/TemInversion.h"
#include "platform/core/AtomicFile.h"
#include "platform/core/TextTable.h"

#include <algorithm>
#include <atomic>
#include <charconv>
#include <cmath>
#include <csignal>
#include <filesystem>
#include <limits>
#include <map>
#include <mutex>
#include <optional>
#include <thread>
#include <chrono>
#include <cstdio>

namespace fs = std::filesystem;

namespace {

std::atomic<bool> g_stop{false};
static_assert(std::atomic<bool>::is_always_lock_free);

// The first Ctrl+C lets the stations being inverted stop at their next step
// and starts no more; a second one ends the process at once (every file is
// written atomically, so none is left half written).
void onSignal(int) { g_stop.store(true); }

void catchStop()
{
    struct sigaction sa = {};
    sa.sa_handler = onSignal;
    sa.sa_flags = SA_RESETHAND;
    sigemptyset(&sa.sa_mask);
    sigaction(SIGINT, &sa, nullptr);
    sigaction(SIGTERM, &sa, nullptr);
}

constexpr std::size_t kMaxSurveyBytes = 256u * 1024 * 1024;

// digits 0: the shortest text that reads back as the same number.
std::string num(double v, int digits = 6)
{
    char buf[32];
    const auto r = digits > 0 ? std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, digits)
                              : std::to_chars(buf, buf + sizeof buf, v);
    return std::string(buf, r.ptr);
}

struct Station {
    std::string name;
    std::optional<double> x;
    std::vector<double> timesMs, voltage;
    std::string error;   // why it cannot be read
    em1d::TemSystem system;
};

// A survey table: a header naming station, time_ms (or time_s) and
// v_measured, x_m optional; rows of one station together or not.
bool readTable(const std::string& path, const SurveyInversion::Settings& s, std::vector<Station>& stations,
               std::string& error)
{
    std::string text;
    CString why;
    if (!TextTable::Load(path.c_str(), kMaxSurveyBytes, text, why)) {
        error = why.GetString();
        return false;
    }
    em1d::TemSystem system;
    if (!SoundingForward::ApplySystem(text, path, system, error) || !s.system.Apply(system, error))
        return false;
    TextTable::Rules rules;
    rules.header = true;
    TextTable table(text, path, rules);
    TextTable::Line line;
    std::optional<std::size_t> cStation, cX, cTime, cV;
    double scale = 1;
    std::map<std::string, std::size_t, std::less<>> index;
    while (table.Next(line)) {
        if (line.header) {
            for (std::size_t k = 0; k < line.Count(); ++k) {
                const std::string_view f = line.fields[k].text;
                if (f == "station") cStation = k;
                else if (f == "x_m") cX = k;
                else if (f == "time_ms") cTime = k;
                else if (f == "time_s") { cTime = k; scale = 1000; }
                else if (f == "v_measured") cV = k;
            }
            if (!cStation || !cTime || !cV) {
                table.Fail(line.number, "the header names no station, time_ms and v_measured columns");
                break;
            }
            continue;
        }
        if (!cStation) {
            table.Fail(line.number, "a row before the header naming the columns");
            break;
        }
        const std::size_t need = std::max({*cStation, *cTime, *cV, cX.value_or(0)}) + 1;
        if (line.Count() < need) {
            table.Fail(line.number, "%zu fields; the header needs %zu", line.Count(), need);
            break;
        }
        const std::string name(line.fields[*cStation].text);
        auto [it, added] = index.try_emplace(name, stations.size());
        if (added) {
            stations.push_back({});
            stations.back().name = name;
            stations.back().system = system;
        }
        Station& st = stations[it->second];
        double t = 0, v = 0, x = 0;
        if (!table.Number(line, *cTime, t, "time") || !table.Number(line, *cV, v, "v_measured")
            || (cX && !table.Number(line, *cX, x, "x_m")))
            break;
        st.timesMs.push_back(t * scale);
        st.voltage.push_back(v);
        if (cX)
            st.x = x;
    }
    if (table.Failed()) {
        error = table.Error().GetString();
        return false;
    }
    if (stations.empty()) {
        error = path + ": no stations";
        return false;
    }
    return true;
}

bool readFolder(const std::string& path, const SurveyInversion::Settings& s, std::vector<Station>& stations,
                std::string& error)
{
    std::vector<fs::path> files;
    std::error_code ec;
    for (const auto& e : fs::directory_iterator(path, ec))
        if (e.is_regular_file())
            files.push_back(e.path());
    if (ec) {
        error = path + ": " + ec.message();
        return false;
    }
    std::sort(files.begin(), files.end());
    for (const fs::path& f : files) {
        Station st;
        st.name = f.stem().string();
        SoundingData d;
        std::string message;
        if (!d.Read(f.string(), message) || !d.ApplySystem(st.system, message) || !s.system.Apply(st.system, message))
            st.error = message;
        else {
            st.timesMs = d.TimesMs();
            st.voltage = d.Column(2);
        }
        stations.push_back(std::move(st));
    }
    if (stations.empty()) {
        error = path + ": no sounding files";
        return false;
    }
    return true;
}

struct Outcome {
    bool ok = false;
    std::string error;
    std::vector<double> thickness, resistivity;
    double misfit = 0, doi = 0;
};

Outcome invert(const Station& st, const SurveyInversion::Settings& s)
{
    Outcome o;
    if (!st.error.empty()) {
        o.error = st.error;
        return o;
    }
    try {
        const em1d::TemObservations data(st.timesMs, st.voltage, {}, s.noisePercent);
        // Both inversions report the model, misfit and depth alike.
        const auto take = [&o](const auto& r) {
            if (r.cancelled)
                return;
            o.thickness = r.thickness;
            o.resistivity = r.resistivity;
            o.misfit = r.misfitPercent;
            o.doi = r.depthOfInvestigation;
            o.ok = true;
        };
        if (s.smooth) {
            em1d::OccamInversion inv(st.system);
            inv.control().cancel = &g_stop;
            take(inv.run(data));
        } else {
            em1d::TemInversion inv(st.system);
            inv.setLayers(s.layers);
            inv.fix(s.fix);
            inv.control().cancel = &g_stop;
            take(inv.run(data));
        }
    } catch (const std::invalid_argument& e) {   // InversionError, ModelError
        o.error = e.what();
    }
    return o;
}

std::string modelText(const Station& st, const Outcome& o)
{
    std::string t = "# Layered model of station " + st.name + " inverted by tarnex-em1d: misfit " + num(o.misfit, 4)
                    + " %, depth of investigation " + num(o.doi, 4) + " m\n# thickness_m resistivity_ohmm\n";
    for (std::size_t j = 0; j < o.resistivity.size(); ++j)
        t += (j < o.thickness.size() ? num(o.thickness[j]) + "  " : std::string()) + num(o.resistivity[j]) + "\n";
    return t;
}

} // namespace

int SurveyInversion::Run(const Settings& s)
{
    const auto say = [](const std::string& m) { std::fprintf(stderr, "tarnex-em1d invert: %s\n", m.c_str()); };
    std::vector<Station> stations;
    std::string error;
    std::error_code ec;
    const bool folder = fs::is_directory(s.input, ec);
    if (!(folder ? readFolder(s.input, s, stations, error) : readTable(s.input, s, stations, error))) {
        say(error);
        return kExitNothing;
    }
    fs::create_directories(s.outdir, ec);
    if (ec || !fs::is_directory(s.outdir, ec)) {
        say(s.outdir + ": cannot make the output folder");
        return kExitNothing;
    }
    std::vector<std::string> names;
    for (const Station& st : stations)
        names.push_back(st.name);
    const std::vector<std::string> files = StationNames::Assign(names);

    const auto start = std::chrono::steady_clock::now();
    g_stop.store(false);
    catchStop();
    // This run's stations: all, or every shards-th from shard-1, so that
    // every shard gets a like share of every line.
    std::vector<std::size_t> mine;
    const std::size_t every = s.shards > 0 ? static_cast<std::size_t>(s.shards) : 1;
    for (std::size_t i = s.shards > 0 ? static_cast<std::size_t>(s.shard - 1) : 0; i < stations.size(); i += every)
        mine.push_back(i);
    const std::string where =
        s.shards > 0 ? " (shard " + std::to_string(s.shard) + "/" + std::to_string(s.shards) + ")" : std::string();
    const std::size_t n = mine.size();
    std::size_t jobs = s.jobs > 0 ? static_cast<std::size_t>(s.jobs) : std::max(1u, std::thread::hardware_concurrency());
    jobs = std::max<std::size_t>(1, std::min(jobs, n));
    BatchProgress progress(n, BatchProgress::ModeFor(s.quiet), stderr, "tarnex-em1d", "stations");
    std::vector<Outcome> outcomes(n);
    std::atomic<std::size_t> next{0};
    const auto work = [&] {
        while (!g_stop.load()) {
            const std::size_t m = next.fetch_add(1);
            if (m >= n)
                break;
            const std::size_t i = mine[m];
            Outcome o = invert(stations[i], s);
            if (o.ok) {
                CString why;
                if (!AtomicFile::WriteBytes((fs::path(s.outdir) / (files[i] + ".model.txt")).c_str(),
                                            modelText(stations[i], o), why)) {
                    o.ok = false;
                    o.error = why.GetString();
                }
            }
            if (!o.ok && !o.error.empty())
                progress.Say("tarnex-em1d invert: station " + stations[i].name + ": " + o.error);
            outcomes[m] = std::move(o);
            progress.Done();
        }
    };
    std::vector<std::thread> threads;
    for (std::size_t k = 1; k < jobs; ++k)
        threads.emplace_back(work);
    work();
    for (std::thread& t : threads)
        t.join();
    progress.Finish();
    if (g_stop.load()) {
        say("interrupted; the stations' model files written so far are complete");
        return kExitInterrupted;
    }

    // The whole survey's table and section; a shard leaves its stations'
    // models for the stitch instead, whether or not it inverted any, so
    // that the stitch knows it ran.
    std::size_t done = 0;
    std::vector<Column> columns;
    ShardTable table;
    for (std::size_t m = 0; m < n; ++m) {
        const std::size_t i = mine[m];
        Outcome& o = outcomes[m];
        if (!o.ok) {
            table.failures.push_back({i, "station " + stations[i].name + ": " + o.error});
            continue;
        }
        ++done;
        const double x = stations[i].x ? *stations[i].x : static_cast<double>(i) * s.spacing;
        columns.push_back({stations[i].name, x, std::move(o.thickness), std::move(o.resistivity), o.doi, o.misfit});
        table.rows.push_back({i, columns.back()});
    }
    if (s.shards > 0) {
        table.shard = s.shard;
        table.shards = s.shards;
        table.stations = stations.size();
        table.spacing = s.spacing;
        CString why;
        if (!AtomicFile::WriteBytes((fs::path(s.outdir) / ShardTable::FileName(s.shard, s.shards)).c_str(),
                                    table.Text(), why)) {
            say(why.GetString());
            return kExitNothing;
        }
    } else if (done > 0 && !WriteSurvey(s.outdir, columns, s.spacing, error)) {
        say(error);
        return kExitNothing;
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (!s.quiet)
        std::fprintf(stderr, "tarnex-em1d invert: %zu of %zu stations%s inverted in %.1f s (%.1f a second), %zu failed\n",
                     done, n, where.c_str(), seconds, seconds > 0 ? static_cast<double>(done) / seconds : 0.0,
                     n - done);
    return done == n ? 0 : done == 0 ? kExitNothing : kExitSomeFailed;
}

std::string SurveyInversion::TableHeader(std::size_t most)
{
    std::string h = "station,x_m";
    for (std::size_t j = 0; j < most; ++j)
        h += ",rho" + std::to_string(j + 1) + "_ohmm" + (j + 1 < most ? ",h" + std::to_string(j + 1) + "_m" : "");
    return h + ",misfit_pct,doi_m";
}

std::string SurveyInversion::TableRow(const Column& c, std::size_t most, bool exact)
{
    const auto text = [exact](double v, int digits) { return exact ? num(v, 0) : num(v, digits); };
    std::string row = c.name + "," + text(c.x, 6);
    for (std::size_t j = 0; j < most; ++j) {
        row += "," + (j < c.resistivity.size() ? text(c.resistivity[j], 6) : std::string());
        if (j + 1 < most)
            row += "," + (j < c.thickness.size() ? text(c.thickness[j], 6) : std::string());
    }
    return row + "," + text(c.misfit, 4) + "," + text(c.depth, 5);
}

bool SurveyInversion::WriteSurvey(const std::string& outdir, const std::vector<Column>& columns, double spacing,
                                  std::string& error)
{
    std::size_t most = 0;
    for (const Column& c : columns)
        most = std::max(most, c.resistivity.size());
    std::string csv = TableHeader(most) + "\n";
    for (const Column& c : columns)
        csv += TableRow(c, most, false) + "\n";
    std::vector<std::pair<std::string, std::string>> outputs{{"models.csv", csv}};
    const std::vector<Line> lines = Lines(columns, spacing);
    std::vector<Column> endToEnd;
    for (const Line& l : lines)
        endToEnd.insert(endToEnd.end(), l.columns.begin(), l.columns.end());
    outputs.emplace_back("section-model.txt", Section(endToEnd, spacing));
    // Each survey line also on its own, at the stations' own positions.
    if (lines.size() > 1)
        for (const Line& l : lines) {
            std::vector<Column> own = l.columns;
            for (Column& c : own)
                c.x -= l.shift;
            outputs.emplace_back("section-" + StationNames::Safe(l.name) + ".txt", Section(std::move(own), spacing));
        }
    CString why;
    for (const auto& [file, text] : outputs)
        if (!AtomicFile::WriteBytes((fs::path(outdir) / file).c_str(), text, why)) {
            error = why.GetString();
            return false;
        }
    return true;
}

bool SurveyInversion::IsSurvey(const std::string& path)
{
    std::error_code ec;
    if (fs::is_directory(path, ec))
        return true;
    std::string text;
    CString why;
    if (!TextTable::Load(path.c_str(), kMaxSurveyBytes, text, why))
        return false;
    TextTable::Rules rules;
    rules.header = true;
    TextTable table(text, path, rules);
    TextTable::Line line;
    return table.Next(line) && line.header && line.fields.front().text == "station";
}

std::vector<SurveyInversion::Line> SurveyInversion::Lines(const std::vector<Column>& columns, double spacing)
{
    // A station's line is its name before the first dash ("L01-003"), as
    // the batch render names it; names without one make one line.
    const auto lineOf = [](const std::string& name) {
        const std::size_t dash = name.find('-');
        return dash == std::string::npos || dash == 0 || dash + 1 >= name.size() ? std::string() : name.substr(0, dash);
    };
    std::vector<Line> lines;
    for (const Column& c : columns) {
        const std::string name = lineOf(c.name);
        auto it = std::find_if(lines.begin(), lines.end(), [&](const Line& l) { return l.name == name; });
        if (it == lines.end()) {
            lines.push_back({name, {}, 0});
            it = lines.end() - 1;
        }
        it->columns.push_back(c);
    }
    // Lines whose positions overlap (each measured from its own start) are
    // laid end to end, two station spacings apart, so that no column hides
    // another in the one section.
    double end = -std::numeric_limits<double>::infinity();
    for (Line& l : lines) {
        const auto [lo, hi] = std::minmax_element(l.columns.begin(), l.columns.end(),
                                                  [](const Column& a, const Column& b) { return a.x < b.x; });
        const double step = l.columns.size() > 1 ? (hi->x - lo->x) / static_cast<double>(l.columns.size() - 1) : 0;
        const double gap = 2 * (step > 0 ? step : spacing), first = lo->x, last = hi->x;
        if (first < end + gap)
            l.shift = end + gap - first;
        for (Column& c : l.columns)
            c.x += l.shift;
        end = last + l.shift;
    }
    return lines;
}

std::string SurveyInversion::Section(std::vector<Column> columns, double spacing)
{
    std::stable_sort(columns.begin(), columns.end(), [](const Column& a, const Column& b) { return a.x < b.x; });
    const std::size_t n = columns.size();
    std::vector<double> edge(n + 1);
    for (std::size_t i = 1; i < n; ++i)
        edge[i] = 0.5 * (columns[i - 1].x + columns[i].x);
    const double firstHalf = n > 1 ? 0.5 * (columns[1].x - columns[0].x) : 0.5 * spacing;
    const double lastHalf = n > 1 ? 0.5 * (columns[n - 1].x - columns[n - 2].x) : 0.5 * spacing;
    edge[0] = columns.front().x - (firstHalf > 0 ? firstHalf : 0.5 * spacing);
    edge[n] = columns.back().x + (lastHalf > 0 ? lastHalf : 0.5 * spacing);
    // Each column's interface depths down to its depth, the surface and the depth itself.
    std::vector<std::vector<double>> depths(n);
    for (std::size_t i = 0; i < n; ++i) {
        double z = 0;
        depths[i].push_back(0);
        for (double h : columns[i].thickness) {
            z += h;
            if (z >= columns[i].depth)
                break;
            depths[i].push_back(z);
        }
        depths[i].push_back(columns[i].depth);
    }
    std::map<std::pair<double, double>, int> ids;
    std::string vertices, bodies;
    const auto vertex = [&](double x, double z) {
        auto [it, added] = ids.try_emplace({x, z}, static_cast<int>(ids.size()) + 1);
        if (added)
            vertices += "vertex " + std::to_string(it->second) + " " + num(x, 10) + " " + num(-z, 10) + "\n";
        return it->second;
    };
    for (std::size_t i = 0; i < n; ++i) {
        const double xl = edge[i], xr = edge[i + 1];
        if (!(xr > xl))
            continue;   // a station at the position of the one before: its column has no width
        for (std::size_t j = 0; j + 1 < depths[i].size(); ++j) {
            const double top = depths[i][j], bottom = depths[i][j + 1];
            if (!(bottom > top))
                continue;
            // Corners clockwise from the top left; on each side the
            // neighbour's interfaces between top and bottom.
            std::vector<int> ring{vertex(xl, top), vertex(xr, top)};
            if (i + 1 < n)
                for (double z : depths[i + 1])
                    if (z > top && z < bottom)
                        ring.push_back(vertex(xr, z));
            ring.push_back(vertex(xr, bottom));
            ring.push_back(vertex(xl, bottom));
            if (i > 0)
                for (auto it = depths[i - 1].rbegin(); it != depths[i - 1].rend(); ++it)
                    if (*it > top && *it < bottom)
                        ring.push_back(vertex(xl, *it));
            ring.push_back(ring.front());
            const std::size_t layer = std::min(j, columns[i].resistivity.size() - 1);
            bodies += "body " + StationNames::Safe(columns[i].name) + "-" + std::to_string(j + 1) + " "
                      + num(columns[i].resistivity[layer]);
            for (int id : ring)
                bodies += " " + std::to_string(id);
            bodies += "\n";
        }
    }
    return "# Layered models of a survey stitched into a section by tarnex-em1d invert: each station a\n"
           "# column from midpoint to midpoint, its layers down to its depth of investigation.\n"
           + vertices + bodies;
}
