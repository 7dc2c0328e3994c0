#include "profile/ProfileFile.h"

#include "platform/core/TextNumber.h"
#include "platform/core/TextTable.h"

bool ProfileFile::Parse(const std::string& text, const char* name, ProfileTable& out, CString& error)
{
    if (!name)
        name = "(profiles)";
    if (text.find('\0') != std::string::npos) {
        error.Format("%s: not a text file (it holds a NUL byte)", name);
        return false;
    }
    TextTable::Rules rules;
    rules.header = true;
    rules.maxFieldChars = kMaxNameBytes;
    TextTable table(text, name, rules);
    // "file:line: column c: message", c the character column of field k.
    const auto fail = [&](const TextTable::Line& l, size_t k, const std::string& message) {
        table.Fail(l.number, "column %d: %s", l.Column(k), message.c_str());
        error = table.Error();
        return false;
    };
    ProfileTable t;
    size_t columns = 0;
    TextTable::Line line;
    while (table.Next(line)) {
        const std::vector<TextTable::Field>& f = line.fields;
        if (columns == 0) {
            if (f.size() < 2)
                return fail(line, 0, line.header ? "a header needs the position's name and at least one profile's"
                                                 : "a row needs the position and at least one profile's value");
            if (f.size() > static_cast<size_t>(kMaxProfiles) + 1)
                return fail(line, static_cast<size_t>(kMaxProfiles) + 1,
                            "more than " + std::to_string(kMaxProfiles) + " profiles");
            columns = f.size();
            t.values.resize(columns - 1);
        }
        if (line.header) {
            // The names of the columns.
            t.positionName = f[0].text;
            for (size_t k = 1; k < f.size(); ++k)
                t.names.emplace_back(f[k].text);
            continue;
        }
        if (f.size() < columns) {
            const int at = line.Column(f.size() - 1) + static_cast<int>(f.back().text.size());
            table.Fail(line.number, "column %d: short row: %zu numbers where %zu are expected", at, f.size(),
                       columns);
            error = table.Error();
            return false;
        }
        if (f.size() > columns)
            return fail(line, columns,
                        "long row: " + std::to_string(f.size()) + " numbers where " + std::to_string(columns) +
                            " are expected");
        if (t.Stations() >= kMaxRows) {
            table.Fail(line.number, "more than %d rows", kMaxRows);
            error = table.Error();
            return false;
        }
        std::vector<double> row(f.size());
        for (size_t k = 0; k < f.size(); ++k) {
            const TextNumber::Result r = TextNumber::Read(f[k].text, row[k]);
            if (r != TextNumber::Result::Ok)
                return fail(line, k, "\"" + TextNumber::Quote(f[k].text) + "\" " + TextNumber::Describe(r));
        }
        t.x.push_back(row[0]);
        for (size_t k = 1; k < row.size(); ++k)
            t.values[k - 1].push_back(row[k]);
    }
    if (table.Failed()) {
        error = table.Error();
        return false;
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
    if (!TextTable::Load(path, static_cast<size_t>(kMaxBytes), text, error))
        return false;
    return Parse(text, path, out, error);
}
