#include "profile/ProfileFile.h"

#include "platform/core/TextNumber.h"
#include "platform/core/CappedFile.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstring>

namespace {

struct Field {
    std::string text;
    int column;  // 1-based character column in the line
};

std::vector<Field> split(const std::string& line)
{
    std::vector<Field> out;
    size_t i = 0;
    while (i < line.size()) {
        const char c = line[i];
        if (c == ' ' || c == '\t' || c == ',' || c == '\r' || c == '\v' || c == '\f') {
            ++i;
            continue;
        }
        size_t j = i;
        while (j < line.size() && line[j] != ' ' && line[j] != '\t' && line[j] != ',' && line[j] != '\r' &&
               line[j] != '\v' && line[j] != '\f')
            ++j;
        out.push_back({line.substr(i, j - i), static_cast<int>(i) + 1});
        i = j;
    }
    return out;
}

// The whole token as one finite number, the same in every locale.
bool toDouble(const std::string& s, double& out)
{
    const char* b = s.data();
    const char* e = b + s.size();
    if (b != e && *b == '+')
        ++b;
    double v = 0;
    const auto [p, ec] = std::from_chars(b, e, v);
    if (ec != std::errc() || p != e || !std::isfinite(v))
        return false;
    out = v;
    return true;
}

}  // namespace

bool ProfileFile::Parse(const std::string& text, const char* name, ProfileTable& out, CString& error)
{
    if (!name)
        name = "(profiles)";
    if (text.find('\0') != std::string::npos) {
        error.Format("%s: not a text file", name);
        return false;
    }
    ProfileTable t;
    int columns = 0;
    bool seenLine = false;
    size_t from = 0;
    int lineNo = 0;
    while (from <= text.size()) {
        const size_t nl = text.find('\n', from);
        std::string line = text.substr(from, nl == std::string::npos ? std::string::npos : nl - from);
        from = nl == std::string::npos ? text.size() + 1 : nl + 1;
        ++lineNo;
        if (const size_t hash = line.find('#'); hash != std::string::npos)
            line.resize(hash);
        const std::vector<Field> f = split(line);
        if (f.empty())
            continue;
        double first = 0;
        if (!seenLine && !toDouble(f[0].text, first)) {
            // A header: the names of the columns.
            seenLine = true;
            if (f.size() < 2) {
                error.Format("%s:%d: column %d: a header needs the position's name and at least one profile's",
                             name, lineNo, f[0].column);
                return false;
            }
            if (f.size() > static_cast<size_t>(kMaxProfiles) + 1) {
                error.Format("%s:%d: column %d: more than %d profiles", name, lineNo, f[kMaxProfiles + 1].column,
                             kMaxProfiles);
                return false;
            }
            for (const Field& n : f) {
                if (n.text.size() > static_cast<size_t>(kMaxNameBytes)) {
                    error.Format("%s:%d: column %d: a name is longer than %d bytes", name, lineNo, n.column,
                                 kMaxNameBytes);
                    return false;
                }
            }
            columns = static_cast<int>(f.size());
            t.positionName = f[0].text;
            for (size_t k = 1; k < f.size(); ++k)
                t.names.push_back(f[k].text);
            t.values.resize(f.size() - 1);
            continue;
        }
        seenLine = true;
        if (columns == 0) {
            if (f.size() < 2) {
                error.Format("%s:%d: column %d: a row needs the position and at least one profile's value", name,
                             lineNo, f[0].column);
                return false;
            }
            if (f.size() > static_cast<size_t>(kMaxProfiles) + 1) {
                error.Format("%s:%d: column %d: more than %d profiles", name, lineNo, f[kMaxProfiles + 1].column,
                             kMaxProfiles);
                return false;
            }
            columns = static_cast<int>(f.size());
            t.values.resize(f.size() - 1);
        }
        if (static_cast<int>(f.size()) < columns) {
            const int at = f.back().column + static_cast<int>(f.back().text.size());
            error.Format("%s:%d: column %d: short row: %d numbers where %d are expected", name, lineNo, at,
                         static_cast<int>(f.size()), columns);
            return false;
        }
        if (static_cast<int>(f.size()) > columns) {
            error.Format("%s:%d: column %d: long row: %d numbers where %d are expected", name, lineNo,
                         f[static_cast<size_t>(columns)].column, static_cast<int>(f.size()), columns);
            return false;
        }
        if (t.Stations() >= kMaxRows) {
            error.Format("%s:%d: more than %d rows", name, lineNo, kMaxRows);
            return false;
        }
        std::vector<double> row(f.size());
        for (size_t k = 0; k < f.size(); ++k) {
            if (!toDouble(f[k].text, row[k])) {
                error.Format("%s:%d: column %d: \"%s\" is not a number", name, lineNo, f[k].column,
                             TextNumber::Quote(f[k].text).c_str());
                return false;
            }
        }
        t.x.push_back(row[0]);
        for (size_t k = 1; k < row.size(); ++k)
            t.values[k - 1].push_back(row[k]);
    }
    if (t.Stations() == 0) {
        error.Format("%s: no data: the file holds no rows of numbers", name);
        return false;
    }
    for (int k = static_cast<int>(t.names.size()); k < t.Profiles(); ++k)
        t.names.push_back("剖面 " + std::to_string(k + 1));
    out = std::move(t);
    return true;
}

bool ProfileFile::Read(const char* path, ProfileTable& out, CString& error)
{
    std::string text;
    if (!CappedFile::ReadAll(path, static_cast<size_t>(kMaxBytes), text, error))
        return false;
    return Parse(text, path, out, error);
}
