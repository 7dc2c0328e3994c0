#include "sounding/SoundingFile.h"

#include "platform/core/AtomicFile.h"
#include "platform/core/DataText.h"
#include "platform/core/NumberFormat.h"
#include "platform/core/TextNumber.h"
#include "platform/core/TextTable.h"

#include <cmath>
#include <limits>
#include <string>

namespace {

constexpr int kFull = 5, kMeasured = 3;
const char* const kColumnNames[kFull] = {"abscissa", "measured R", "measured V", "modelled R", "modelled V"};

constexpr DataText::Rules kLineRules{true, true, true, 0};

TextTable::Rules lineRules()
{
    TextTable::Rules r;
    r.header = true;
    r.maxFieldChars = SoundingFile::kMaxTokenChars;
    return r;
}

TextTable::Rules streamRules()
{
    TextTable::Rules r;
    r.comments = false;
    r.commas = false;
    r.maxFieldChars = SoundingFile::kMaxTokenChars;
    return r;
}

CArray<float, float&>* column(SoundingTable& t, int k)
{
    CArray<float, float&>* c[kFull] = {&t.x, &t.r, &t.v, &t.rFwd, &t.vFwd};
    return c[k];
}

const CArray<float, float&>* column(const SoundingTable& t, int k)
{
    const CArray<float, float&>* c[kFull] = {&t.x, &t.r, &t.v, &t.rFwd, &t.vFwd};
    return c[k];
}

bool addRow(SoundingTable& t, float* row, int columns, TextTable& table, int line)
{
    if (t.Rows() >= SoundingFile::kMaxRows)
        return table.Fail(line, "more than %d rows, the most this reader takes", SoundingFile::kMaxRows);
    for (int k = 0; k < columns; ++k)
        column(t, k)->Add(row[k]);
    return true;
}

// Numbers in groups of five whatever the line breaks.
bool parseStream(TextTable& table, int maxRows, SoundingTable& t)
{
    float row[kFull] = {};
    int filled = 0, lastLine = 0;
    TextTable::Line line;
    while ((maxRows <= 0 || t.Rows() < maxRows) && table.Next(line)) {
        lastLine = line.number;
        for (size_t k = 0; k < line.Count() && (maxRows <= 0 || t.Rows() < maxRows); ++k) {
            if (!table.Number(line, k, row[filled], kColumnNames[filled]))
                return false;
            if (++filled < kFull)
                continue;
            filled = 0;
            if (!addRow(t, row, kFull, table, line.number))
                return false;
        }
    }
    if (table.Failed())
        return false;
    if (filled > 0)
        return table.Fail(lastLine, "row %d is short of five numbers (has %d)", t.Rows() + 1, filled);
    return true;
}

// One row a line, five numbers (or three for a measured-only file) each. A
// line that holds another count is refused by its number: read as a
// stream, it would shift every later row silently.
bool parseLines(TextTable& table, int maxRows, SoundingTable& t)
{
    float row[kFull] = {};
    TextTable::Line line;
    int columns = 0;
    while ((maxRows <= 0 || t.Rows() < maxRows) && table.Next(line)) {
        if (line.header)
            continue;
        const int n = static_cast<int>(line.Count());
        if (columns == 0 && n != kFull && n != kMeasured)
            return n == 1 ? table.Fail(line.number, ReaderMessage::Id::RowCountOne)
                          : table.Fail(line.number, ReaderMessage::Id::RowCount, {std::to_string(n)});
        if (columns != 0 && n != columns)
            return n == 1 ? table.Fail(line.number, ReaderMessage::Id::RowCountChangedOne, {std::to_string(columns)})
                          : table.Fail(line.number, ReaderMessage::Id::RowCountChanged,
                                       {std::to_string(n), std::to_string(columns)});
        columns = n;
        for (int k = 0; k < n; ++k)
            if (!table.Number(line, static_cast<size_t>(k), row[k], kColumnNames[k]))
                return false;
        if (!addRow(t, row, n, table, line.number))
            return false;
    }
    if (table.Failed())
        return false;
    t.header = std::string(table.Header());
    t.columns = columns == kMeasured ? kMeasured : kFull;
    return true;
}

// Why v cannot stand in a sounding file (the reader would refuse it), or null.
const char* unwritable(float v)
{
    if (!std::isfinite(v))
        return "is not a finite number";
    if (v != 0 && std::fabs(v) < std::numeric_limits<float>::min())
        return "is too small to be read back (a sounding file holds 0 or magnitudes from 1.17549e-38)";
    return nullptr;
}

// The comment lines and header before the first row of a text, and the
// separator its first row uses (", " when it has a comma, else a blank).
std::string leadingNotes(const std::string& source, std::string& separator)
{
    size_t first = source.size();
    separator = " ";
    DataText::Scan(source, kLineRules, [&](int, size_t pos, size_t) {
        first = source.rfind('\n', pos);
        first = first == std::string::npos ? 0 : first + 1;
        const size_t eol = source.find('\n', pos);
        if (source.substr(first, eol == std::string::npos ? std::string::npos : eol - first).find(',') !=
            std::string::npos)
            separator = ", ";
        return false;
    });
    return source.substr(0, first);
}

}  // namespace

bool SoundingFile::Read(const char* path, int maxRows, SoundingTable& out, CString& error, Layout layout)
{
    auto text = std::make_shared<std::string>();
    if (!TextTable::Load(path, kMaxBytes, *text, error))
        return false;
    return parse(std::move(text), path, maxRows, out, error, layout);
}

bool SoundingFile::Parse(std::string_view text, const char* name, int maxRows, SoundingTable& out, CString& error,
                         Layout layout)
{
    return parse(std::make_shared<std::string>(text), name, maxRows, out, error, layout);
}

bool SoundingFile::parse(std::shared_ptr<std::string> text, const char* name, int maxRows, SoundingTable& out,
                         CString& error, Layout layout)
{
    TextTable table(*text, name ? name : "(sounding)", layout == Layout::Stream ? streamRules() : lineRules());
    SoundingTable t;
    if (!(layout == Layout::Stream ? parseStream(table, maxRows, t) : parseLines(table, maxRows, t))) {
        error = table.Error();
        return false;
    }
    if (maxRows > 0 && t.Rows() < maxRows) {
        table.Fail(0, "%d rows asked for, the file holds %d", maxRows, t.Rows());
        error = table.Error();
        return false;
    }
    if (t.Rows() == 0) {
        table.Fail(0, ReaderMessage::Id::NoSoundingRows);
        error = table.Error();
        return false;
    }
    t.source = std::move(text);
    out = std::move(t);
    return true;
}

bool SoundingFile::Write(const char* path, const SoundingTable& t, CString& error)
{
    const int n = t.Rows();
    const int columns = t.columns == kMeasured ? kMeasured : kFull;
    for (int k = 1; k < columns; ++k)
        if (column(t, k)->GetSize() != n) {
            error.Format("the %s column holds %d values for %d rows", kColumnNames[k], column(t, k)->GetSize(), n);
            return false;
        }
    // A file the reader would refuse is never written.
    for (int i = 0; i < n; ++i)
        for (int k = 0; k < columns; ++k)
            if (const char* why = unwritable((*column(t, k))[i])) {
                error.Format("row %d: the %s value %g %s", i + 1, kColumnNames[k],
                             static_cast<double>((*column(t, k))[i]), why);
                return false;
            }
    std::string text;
    // The rules of the lines layout read a stream file's text the same way:
    // it holds no comment or header, only its numbers.
    if (t.source && DataText::Rewrite(*t.source, kLineRules, static_cast<size_t>(n) * static_cast<size_t>(columns),
                                      [&](size_t k) {
                                          const int i = static_cast<int>(k / static_cast<size_t>(columns));
                                          return (*column(t, static_cast<int>(k % static_cast<size_t>(columns))))[i];
                                      },
                                      text))
        return AtomicFile::WriteBytes(path, text, error);
    std::string separator = " ";
    if (t.source)
        text = leadingNotes(*t.source, separator);
    else if (!t.header.empty())
        text = t.header + '\n';
    for (int i = 0; i < n; ++i) {
        for (int k = 0; k < columns; ++k)
            text += (k ? separator : std::string()) + NumberFormat::Shortest((*column(t, k))[i]);
        text += '\n';
    }
    return AtomicFile::WriteBytes(path, text, error);
}
