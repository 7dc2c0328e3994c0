#include "sounding/SoundingFile.h"

#include "platform/core/DataText.h"
#include "platform/core/TextNumber.h"
#include "platform/core/AtomicFile.h"
#include "platform/core/CappedFile.h"
#include "platform/core/NumberFormat.h"

#include <cmath>
#include <string>

namespace {

constexpr int kColumns = 5;
const char* const kColumnNames[kColumns] = {"abscissa", "measured R", "measured V", "modelled R", "modelled V"};

constexpr DataText::Rules kLineRules{true, true};
constexpr DataText::Rules kStreamRules{false, false};

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

// One number of a row; where names the line or row for the message.
bool readNumber(std::string_view tok, int column, const char* name, const char* where, int at, float& out,
                CString& error)
{
    if (tok.size() > SoundingFile::kMaxTokenChars) {
        error.Format("%s: %s %d: \"%s\" is longer than %zu characters, the longest number this reader takes", name,
                     where, at, TextNumber::Quote(tok).c_str(), SoundingFile::kMaxTokenChars);
        return false;
    }
    const TextNumber::Result r = TextNumber::Read(tok, out);
    if (r != TextNumber::Result::Ok) {
        error.Format("%s: %s %d: \"%s\" %s (%s column)", name, where, at, TextNumber::Quote(tok).c_str(),
                     TextNumber::Describe(r), kColumnNames[column]);
        return false;
    }
    return true;
}

bool addRow(SoundingTable& t, const float (&row)[kColumns], const char* name, CString& error)
{
    if (t.Rows() >= SoundingFile::kMaxRows) {
        error.Format("%s: more than %d rows, the most this reader takes", name, SoundingFile::kMaxRows);
        return false;
    }
    float v[kColumns] = {row[0], row[1], row[2], row[3], row[4]};
    t.x.Add(v[0]);
    t.r.Add(v[1]);
    t.v.Add(v[2]);
    t.rFwd.Add(v[3]);
    t.vFwd.Add(v[4]);
    return true;
}

// Numbers in groups of five whatever the line breaks.
bool parseStream(std::string_view text, const char* name, int maxRows, SoundingTable& t, CString& error)
{
    float row[kColumns] = {};
    int filled = 0;
    size_t pos = 0;
    while (maxRows <= 0 || t.Rows() < maxRows) {
        while (pos < text.size() && isSpace(text[pos]))
            ++pos;
        if (pos == text.size())
            break;
        size_t end = pos;
        while (end < text.size() && !isSpace(text[end]))
            ++end;
        if (!readNumber(text.substr(pos, end - pos), filled, name, "row", t.Rows() + 1, row[filled], error))
            return false;
        pos = end;
        if (++filled < kColumns)
            continue;
        filled = 0;
        if (!addRow(t, row, name, error))
            return false;
    }
    if (filled > 0) {
        error.Format("%s: row %d is short of five numbers (has %d)", name, t.Rows() + 1, filled);
        return false;
    }
    return true;
}

// One row a line. A line that holds other than five numbers is refused by
// its number: read as a stream, it would shift every later row silently.
bool parseLines(std::string_view text, const char* name, int maxRows, SoundingTable& t, CString& error)
{
    float row[kColumns] = {};
    int count = 0, line = 0;
    bool ok = true;
    const auto lineEnds = [&]() {
        if (count == kColumns)
            return addRow(t, row, name, error);
        error.Format("%s: line %d holds %d number%s, a sounding row five (abscissa, measured R, measured V, "
                     "modelled R, modelled V); a file whose rows span lines must be read as a stream",
                     name, line, count, count == 1 ? "" : "s");
        return false;
    };
    t.header = std::string(DataText::Scan(text, kLineRules, [&](int l, size_t pos, size_t len) {
        if (l != line) {
            if (count > 0 && !(ok = lineEnds()))
                return false;
            count = 0;
            if (maxRows > 0 && t.Rows() >= maxRows)
                return false;
            line = l;
        }
        if (count < kColumns && !(ok = readNumber(text.substr(pos, len), count, name, "line", line, row[count], error)))
            return false;
        ++count;
        return true;
    }));
    if (ok && count > 0)
        ok = lineEnds();
    return ok;
}

void addRowText(std::string& text, const SoundingTable& t, int i)
{
    text += NumberFormat::Shortest(t.x[i]) + ' ' + NumberFormat::Shortest(t.r[i]) + ' ' +
            NumberFormat::Shortest(t.v[i]) + ' ' + NumberFormat::Shortest(t.rFwd[i]) + ' ' +
            NumberFormat::Shortest(t.vFwd[i]) + '\n';
}

// The comment lines and header before the first row of a text.
std::string leadingNotes(const std::string& source)
{
    size_t first = source.size();
    DataText::Scan(source, kLineRules, [&](int, size_t pos, size_t) {
        first = source.rfind('\n', pos);
        first = first == std::string::npos ? 0 : first + 1;
        return false;
    });
    return source.substr(0, first);
}

}  // namespace

bool SoundingFile::Read(const char* path, int maxRows, SoundingTable& out, CString& error, Layout layout)
{
    auto text = std::make_shared<std::string>();
    if (!CappedFile::ReadAll(path, kMaxBytes, *text, error))
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
    if (!name)
        name = "(sounding)";
    SoundingTable t;
    if (!(layout == Layout::Stream ? parseStream(*text, name, maxRows, t, error)
                                   : parseLines(*text, name, maxRows, t, error)))
        return false;
    if (maxRows > 0 && t.Rows() < maxRows) {
        error.Format("%s: %d rows asked for, the file holds %d", name, maxRows, t.Rows());
        return false;
    }
    if (t.Rows() == 0) {
        error.Format("%s: holds no sounding rows", name);
        return false;
    }
    t.source = std::move(text);
    out = std::move(t);
    return true;
}

bool SoundingFile::Write(const char* path, const SoundingTable& t, CString& error)
{
    const int n = t.Rows();
    if (t.r.GetSize() < n || t.v.GetSize() < n || t.rFwd.GetSize() < n || t.vFwd.GetSize() < n) {
        error = "the five columns of the sounding differ in length";
        return false;
    }
    const CArray<float, float&>* columns[kColumns] = {&t.x, &t.r, &t.v, &t.rFwd, &t.vFwd};
    // A file the reader would refuse is never written.
    for (int i = 0; i < n; ++i)
        for (int k = 0; k < kColumns; ++k)
            if (!std::isfinite((*columns[k])[i])) {
                error.Format("row %d: the %s value is not a finite number", i + 1, kColumnNames[k]);
                return false;
            }
    std::string text;
    // The rules of the lines layout read a stream file's text the same way:
    // it holds no comment or header, only its numbers.
    if (t.source &&
        DataText::Rewrite(*t.source, kLineRules, static_cast<size_t>(n) * kColumns,
                          [&](size_t k) { return (*columns[k % kColumns])[static_cast<int>(k / kColumns)]; }, text))
        return AtomicFile::WriteBytes(path, text, error);
    if (t.source)
        text = leadingNotes(*t.source);
    else if (!t.header.empty())
        text = t.header + '\n';
    for (int i = 0; i < n; ++i)
        addRowText(text, t, i);
    return AtomicFile::WriteBytes(path, text, error);
}
