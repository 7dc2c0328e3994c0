#include "sounding/SurveyFile.h"

#include "platform/core/TextNumber.h"
#include "platform/core/AtomicFile.h"
#include "platform/core/CappedFile.h"
#include "platform/core/NumberFormat.h"

#include <string>
#include <unordered_map>

namespace {

const char* const kColumnNames[SurveyFile::kColumns] = {"station",    "abscissa",   "measured R",
                                                        "measured V", "modelled R", "modelled V"};

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

struct Fields {
    std::string_view f[SurveyFile::kColumns];
    int count = 0;
    std::string_view firstSeparator;  // between the first two fields
};

// Splits one line (comment and line end already removed). False with a
// message when a comma has no field on one side of it.
bool split(std::string_view s, Fields& out, std::string& problem)
{
    size_t pos = 0;
    auto skipBlanks = [&] {
        while (pos < s.size() && isBlank(s[pos]))
            ++pos;
    };
    skipBlanks();
    size_t firstEnd = 0;
    while (pos < s.size()) {
        const size_t start = pos;
        while (pos < s.size() && !isBlank(s[pos]) && s[pos] != ',')
            ++pos;
        if (pos == start) {
            problem = "has an empty field (two commas, or a comma first)";
            return false;
        }
        if (out.count == 1)
            out.firstSeparator = s.substr(firstEnd, start - firstEnd);
        if (out.count < SurveyFile::kColumns)
            out.f[out.count] = s.substr(start, pos - start);
        ++out.count;
        firstEnd = out.count == 1 ? pos : firstEnd;
        skipBlanks();
        if (pos < s.size() && s[pos] == ',') {
            ++pos;
            skipBlanks();
            if (pos == s.size()) {
                problem = "ends in a comma";
                return false;
            }
        }
    }
    return true;
}

}  // namespace

bool SurveyFile::Read(const char* path, SurveyTable& out, CString& error)
{
    std::string text;
    if (!CappedFile::ReadAll(path, kMaxBytes, text, error))
        return false;
    return Parse(text, path, out, error);
}

bool SurveyFile::Parse(std::string_view text, const char* name, SurveyTable& out, CString& error)
{
    if (!name)
        name = "(survey)";
    if (text.size() > kMaxBytes) {
        error.Format("%s: larger than %zu MiB, the most this reader takes", name, kMaxBytes >> 20);
        return false;
    }
    SurveyTable t;
    std::unordered_map<std::string, int> seen;  // name -> index in t.stations
    size_t stationStart = 0, stationEnd = 0;    // byte range of the current station's rows
    int totalRows = 0;
    bool firstLine = true, haveRow = false;
    auto closeStation = [&](size_t nextStart) {
        if (t.stations.empty())
            return;
        SurveyStation& s = t.stations.back();
        s.text.assign(text.substr(stationStart, stationEnd - stationStart));
        s.trailer.assign(text.substr(stationEnd, nextStart - stationEnd));
    };

    size_t pos = 0;
    for (int lineNo = 1; pos < text.size(); ++lineNo) {
        const size_t lineStart = pos;
        size_t eol = text.find('\n', pos);
        const size_t next = eol == std::string_view::npos ? text.size() : eol + 1;
        if (eol == std::string_view::npos)
            eol = text.size();
        std::string_view line = text.substr(lineStart, eol - lineStart);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (firstLine && eol < text.size())
            t.newline = eol > lineStart && text[eol - 1] == '\r' ? "\r\n" : "\n";
        firstLine = false;
        pos = next;

        const size_t hash = line.find('#');
        Fields f;
        std::string problem;
        if (!split(line.substr(0, hash), f, problem)) {
            error.Format("%s: line %d %s", name, lineNo, problem.c_str());
            return false;
        }
        if (f.count == 0)
            continue;
        if (f.count != kColumns) {
            error.Format("%s: line %d has %d fields; a survey table has %d (station, abscissa, measured R, "
                         "measured V, modelled R, modelled V)",
                         name, lineNo, f.count, kColumns);
            return false;
        }
        for (const auto& field : f.f) {
            if (field.size() > kMaxTokenChars) {
                error.Format("%s: line %d: \"%s\" is longer than %zu characters, the longest field this reader "
                             "takes",
                             name, lineNo, TextNumber::Quote(field).c_str(), kMaxTokenChars);
                return false;
            }
        }
        float v[kColumns - 1] = {};
        // Before the first row, a line none of whose value fields is a number names the columns.
        bool header = !haveRow && t.header.empty();
        for (int c = 1; header && c < kColumns; ++c)
            header = TextNumber::Read(f.f[c], v[c - 1]) != TextNumber::Result::Ok;
        if (header) {
            t.header.assign(line);
            t.separator.assign(f.firstSeparator);
            continue;
        }
        for (int c = 1; c < kColumns; ++c) {
            const TextNumber::Result r = TextNumber::Read(f.f[c], v[c - 1]);
            if (r != TextNumber::Result::Ok) {
                error.Format("%s: line %d: \"%s\" %s (%s column)", name, lineNo, TextNumber::Quote(f.f[c]).c_str(),
                             TextNumber::Describe(r), kColumnNames[c]);
                return false;
            }
        }
        if (const char* bad = nameProblem(f.f[0])) {
            error.Format("%s: line %d: the station name \"%s\" %s", name, lineNo, TextNumber::Quote(f.f[0]).c_str(),
                         bad);
            return false;
        }
        if (!haveRow) {
            t.lead.assign(text.substr(0, lineStart));
            if (t.header.empty())
                t.separator.assign(f.firstSeparator);
            haveRow = true;
        }
        if (t.stations.empty() || t.stations.back().name.str() != f.f[0]) {
            const std::string key(f.f[0]);
            if (const auto it = seen.find(key); it != seen.end()) {
                const SurveyStation& before = t.stations[static_cast<size_t>(it->second)];
                error.Format("%s: line %d: station %s appears again after station %s (line %d); its rows began on "
                             "line %d, and a station's rows must follow one another",
                             name, lineNo, key.c_str(), t.stations.back().name.GetString(), t.stations.back().firstLine,
                             before.firstLine);
                return false;
            }
            if (t.Stations() >= kMaxStations) {
                error.Format("%s: line %d: more than %d stations, the most this reader takes", name, lineNo,
                             kMaxStations);
                return false;
            }
            closeStation(lineStart);
            seen.emplace(key, t.Stations());
            t.stations.emplace_back();
            t.stations.back().name = CString(key);
            t.stations.back().firstLine = lineNo;
            stationStart = lineStart;
        }
        SoundingTable& s = t.stations.back().table;
        if (s.Rows() >= kMaxStationRows) {
            error.Format("%s: line %d: station %s has more than %d rows, the most a sounding takes", name, lineNo,
                         t.stations.back().name.GetString(), kMaxStationRows);
            return false;
        }
        if (++totalRows > kMaxRows) {
            error.Format("%s: line %d: more than %d rows, the most this reader takes", name, lineNo, kMaxRows);
            return false;
        }
        s.x.Add(v[0]);
        s.r.Add(v[1]);
        s.v.Add(v[2]);
        s.rFwd.Add(v[3]);
        s.vFwd.Add(v[4]);
        stationEnd = next;
    }
    if (t.stations.empty()) {
        error.Format("%s: holds no station rows", name);
        return false;
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
    const std::string& sep = t.separator.empty() ? std::string(" ") : t.separator;
    const std::string& nl = t.newline.empty() ? std::string("\n") : t.newline;
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
        if (d.r.GetSize() != n || d.v.GetSize() != n || d.rFwd.GetSize() != n || d.vFwd.GetSize() != n) {
            error.Format("the five columns of station %s differ in length", s.name.GetString());
            return false;
        }
        // A station after one that ended the file without a line end.
        if (!text.empty() && text.back() != '\n')
            text += nl;
        if (!s.edited && !s.text.empty()) {
            text += s.text;
        } else {
            for (int i = 0; i < n; ++i) {
                text += s.name.str();
                for (const float v : {d.x[i], d.r[i], d.v[i], d.rFwd[i], d.vFwd[i]})
                    text += sep + NumberFormat::Shortest(v);
                text += nl;
            }
        }
        text += s.trailer;
    }
    return AtomicFile::WriteBytes(path, text, error);
}

bool SurveyFile::LooksLikeSurvey(std::string_view text)
{
    size_t pos = 0;
    while (pos < text.size()) {
        size_t eol = text.find('\n', pos);
        if (eol == std::string_view::npos)
            eol = text.size();
        const std::string_view line = text.substr(pos, eol - pos);
        pos = eol + 1;
        if (line.find_first_not_of(" \t\r\v\f") == std::string_view::npos)
            continue;
        if (line.find('#') != std::string_view::npos || line.find(',') != std::string_view::npos)
            return true;
        Fields f;
        std::string problem;
        if (!split(line.back() == '\r' ? line.substr(0, line.size() - 1) : line, f, problem))
            return true;
        float v = 0;
        return f.count == kColumns || TextNumber::Read(f.f[0], v) != TextNumber::Result::Ok;
    }
    return false;
}
