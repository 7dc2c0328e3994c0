#include "sounding/SurveyFile.h"

#include "platform/core/AtomicFile.h"
#include "platform/core/DataText.h"
#include "platform/core/NumberFormat.h"
#include "platform/core/TextNumber.h"
#include "platform/core/TextTable.h"

#include <cmath>
#include <string>
#include <strings.h>
#include <unordered_map>

namespace {

const char* const kValueNames[5] = {"abscissa", "measured R", "measured V", "modelled R", "modelled V"};

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f'; }

// Whether a station name can be written into a row and read back as itself.
const char* nameProblem(std::string_view name)
{
    if (name.empty())
        return "is empty";
    if (name.size() > SurveyFile::kMaxNameBytes)
        return "is longer than 64 bytes";
    for (char ch : name) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < 0x20 || c == 0x7f)
            return "holds a control byte";
        if (isBlank(ch) || ch == ',' || ch == '#')
            return "holds a blank, comma or '#'";
    }
    return nullptr;
}

TextTable::Rules tableRules()
{
    TextTable::Rules r;
    r.header = true;
    r.headerField = 1;  // the station's name leads every row
    r.maxFieldChars = SurveyFile::kMaxTokenChars;
    return r;
}

bool namesPosition(std::string_view field) { return field.size() == 3 && strncasecmp(field.data(), "x_m", 3) == 0; }

// How many fields a row holds, said for a message.
std::string layoutOf(bool positions)
{
    return positions ? "station, x_m, then abscissa, measured R, measured V and, where modelled, modelled R and "
                       "modelled V"
                     : "station, then abscissa, measured R, measured V and, where modelled, modelled R and modelled V";
}

}  // namespace

bool SurveyFile::Read(const char* path, SurveyTable& out, CString& error)
{
    std::string text;
    if (!TextTable::Load(path, kMaxBytes, text, error))
        return false;
    return Parse(text, path, out, error);
}

bool SurveyFile::Parse(std::string_view text, const char* name, SurveyTable& out, CString& error)
{
    TextTable table(text, name ? name : "(survey)", tableRules());
    const auto failed = [&] {
        error = table.Error();
        return false;
    };
    if (text.size() > kMaxBytes) {
        table.Fail(0, "larger than %zu MiB, the most this reader takes", kMaxBytes >> 20);
        return failed();
    }
    SurveyTable t;
    std::unordered_map<std::string, int> seen;  // name -> index in t.stations
    size_t stationStart = 0, stationEnd = 0;    // byte range of the current station's rows
    int totalRows = 0;
    size_t fields = 0;  // every row's count, once known
    auto closeStation = [&](size_t nextStart) {
        if (t.stations.empty())
            return;
        SurveyStation& s = t.stations.back();
        s.text.assign(text.substr(stationStart, stationEnd - stationStart));
        s.trailer.assign(text.substr(stationEnd, nextStart - stationEnd));
    };
    // The line end of the first line, whatever it holds.
    if (const size_t eol = text.find('\n'); eol != std::string_view::npos)
        t.newline = eol > 0 && text[eol - 1] == '\r' ? "\r\n" : "\n";

    TextTable::Line line;
    while (table.Next(line)) {
        const std::string_view separator =
            line.Count() > 1 ? text.substr(line.fields[0].pos + line.fields[0].text.size(),
                                           line.fields[1].pos - line.fields[0].pos - line.fields[0].text.size())
                             : std::string_view(" ");
        if (line.header) {
            t.header.assign(table.Header());
            t.separator.assign(separator);
            t.positions = line.Count() > 1 && namesPosition(line.fields[1].text);
            fields = line.Count();
            const size_t values = fields - (t.positions ? 2 : 1);
            if (values != 5 && values != 3) {
                table.Fail(line.number, "the header names %zu columns; a survey table has %s", fields,
                           layoutOf(t.positions).c_str());
                return failed();
            }
            t.columns = static_cast<int>(values);
            continue;
        }
        const size_t lead = t.positions ? 2 : 1;
        if (fields == 0) {
            fields = line.Count();
            if (fields != 6 && fields != 4) {
                table.Fail(line.number, "has %zu fields; a survey table has 6 (station, abscissa, measured R, "
                                        "measured V, modelled R, modelled V) or 4 (station and the measured three)",
                           fields);
                return failed();
            }
            t.columns = static_cast<int>(fields - 1);
        } else if (line.Count() != fields) {
            table.Fail(line.number, "has %zu fields where the %s above has %zu (%s)", line.Count(),
                       t.header.empty() ? "first row" : "header", fields, layoutOf(t.positions).c_str());
            return failed();
        }
        float v[5] = {};
        double x = std::nan("");
        if (t.positions && !table.Number(line, 1, x, "x_m"))
            return failed();
        for (size_t c = lead; c < fields; ++c)
            if (!table.Number(line, c, v[c - lead], kValueNames[c - lead]))
                return failed();
        const std::string_view stationName = line.fields[0].text;
        if (const char* bad = nameProblem(stationName)) {
            table.Fail(line.number, "the station name \"%s\" %s", TextNumber::Quote(stationName).c_str(), bad);
            return failed();
        }
        if (totalRows == 0) {
            t.lead.assign(text.substr(0, line.start));
            if (t.header.empty())
                t.separator.assign(separator);
        }
        if (t.stations.empty() || t.stations.back().name.str() != stationName) {
            const std::string key(stationName);
            if (const auto it = seen.find(key); it != seen.end()) {
                const SurveyStation& before = t.stations[static_cast<size_t>(it->second)];
                table.Fail(line.number,
                           "station %s appears again after station %s (line %d); its rows began on line %d, and a "
                           "station's rows must follow one another",
                           key.c_str(), t.stations.back().name.GetString(), t.stations.back().firstLine,
                           before.firstLine);
                return failed();
            }
            if (t.Stations() >= kMaxStations) {
                table.Fail(line.number, "more than %d stations, the most this reader takes", kMaxStations);
                return failed();
            }
            closeStation(line.start);
            seen.emplace(key, t.Stations());
            t.stations.emplace_back();
            SurveyStation& s = t.stations.back();
            s.name = CString(key);
            s.firstLine = line.number;
            s.x = x;
            s.table.columns = t.columns;
            stationStart = line.start;
        }
        SoundingTable& s = t.stations.back().table;
        if (s.Rows() >= kMaxStationRows) {
            table.Fail(line.number, "station %s has more than %d rows, the most a sounding takes",
                       t.stations.back().name.GetString(), kMaxStationRows);
            return failed();
        }
        if (++totalRows > kMaxRows) {
            table.Fail(line.number, "more than %d rows, the most this reader takes", kMaxRows);
            return failed();
        }
        CArray<float, float&>* columns[5] = {&s.x, &s.r, &s.v, &s.rFwd, &s.vFwd};
        for (int c = 0; c < t.columns; ++c)
            columns[c]->Add(v[c]);
        stationEnd = line.next;
    }
    if (table.Failed())
        return failed();
    if (t.stations.empty()) {
        table.Fail(0, ReaderMessage::Id::NoStationRows);
        return failed();
    }
    closeStation(text.size());
    out = std::move(t);
    return true;
}

bool SurveyFile::Write(const char* path, const SurveyTable& t, CString& error)
{
    if (t.stations.empty()) {
        error = "the survey holds no stations";
        return false;
    }
    const int columns = t.columns == 3 ? 3 : 5;
    const std::string& sep = t.separator.empty() ? std::string(" ") : t.separator;
    const std::string& nl = t.newline.empty() ? std::string("\n") : t.newline;
    DataText::Rules rules;
    rules.leadingFields = t.positions ? 2 : 1;
    std::unordered_map<std::string, int> names;
    std::string text = t.lead;
    for (const SurveyStation& s : t.stations) {
        if (const char* bad = nameProblem(s.name.str())) {
            error.Format("the station name \"%s\" %s", TextNumber::Quote(s.name.str()).c_str(), bad);
            return false;
        }
        if (!names.emplace(s.name.str(), 0).second) {
            error.Format("two stations are named %s", s.name.GetString());
            return false;
        }
        const SoundingTable& d = s.table;
        const int n = d.Rows();
        if (n == 0) {
            error.Format("station %s has no rows", s.name.GetString());
            return false;
        }
        const CArray<float, float&>* c[5] = {&d.x, &d.r, &d.v, &d.rFwd, &d.vFwd};
        for (int k = 1; k < columns; ++k)
            if (c[k]->GetSize() != n) {
                error.Format("the columns of station %s differ in length", s.name.GetString());
                return false;
            }
        if (s.edited) {
            for (int i = 0; i < n; ++i)
                for (int k = 0; k < columns; ++k)
                    if (const float v = (*c[k])[i]; !std::isfinite(v) || (v != 0 && std::fabs(v) < 1.17549435e-38f)) {
                        error.Format("station %s, row %d: the %s value %g cannot be read back", s.name.GetString(),
                                     i + 1, kValueNames[k], static_cast<double>(v));
                        return false;
                    }
        }
        // A station after one that ended the file without a line end.
        if (!text.empty() && text.back() != '\n')
            text += nl;
        std::string rows;
        if (!s.edited && !s.text.empty()) {
            text += s.text;
        } else if (!s.text.empty() &&
                   DataText::Rewrite(s.text, rules, static_cast<size_t>(n) * static_cast<size_t>(columns),
                                     [&](size_t k) {
                                         const auto cols = static_cast<size_t>(columns);
                                         return (*c[k % cols])[static_cast<int>(k / cols)];
                                     },
                                     rows)) {
            text += rows;
        } else {
            const double x = s.x;
            for (int i = 0; i < n; ++i) {
                text += s.name.str();
                if (t.positions)
                    text += sep + (std::isfinite(x) ? NumberFormat::Shortest(x) : std::string("0"));
                for (int k = 0; k < columns; ++k)
                    text += sep + NumberFormat::Shortest((*c[k])[i]);
                text += nl;
            }
        }
        text += s.trailer;
    }
    return AtomicFile::WriteBytes(path, text, error);
}

bool SurveyFile::LooksLikeSurvey(std::string_view text)
{
    TextTable table(text, "", tableRules());
    TextTable::Line line;
    while (table.Next(line)) {
        if (line.header) {
            // A header naming a position column, or the columns of a survey.
            if (line.Count() > 1 && namesPosition(line.fields[1].text))
                return true;
            continue;
        }
        // A lone word first is a sounding's header, not a station.
        if (line.Count() == 1 && table.Header().empty() && !TextTable::LooksNumeric(line.fields[0].text))
            continue;
        // A row whose first field is a name, not a number, leads with its
        // station; a sounding row is numbers only, three or five of them.
        if (!TextTable::LooksNumeric(line.fields[0].text))
            return true;
        const size_t n = line.Count();
        return !table.Header().empty() && (n == 4 || n == 6);
    }
    // Nothing read (or a line refused): the sounding reader names the fault.
    return false;
}
