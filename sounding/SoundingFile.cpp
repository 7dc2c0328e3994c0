#include "sounding/SoundingFile.h"

#include "chart/TextNumber.h"
#include "platform/core/AtomicFile.h"
#include "platform/core/CappedFile.h"
#include "platform/core/NumberFormat.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

constexpr int kColumns = 5;
const char* const kColumnNames[kColumns] = {"abscissa", "measured R", "measured V", "modelled R", "modelled V"};

}  // namespace

bool SoundingFile::Read(const char* path, int maxRows, SoundingTable& out, CString& error)
{
    std::string text;
    if (!CappedFile::ReadAll(path, kMaxBytes, text, error))
        return false;
    return Parse(text, path, maxRows, out, error);
}

bool SoundingFile::Parse(std::string_view text, const char* name, int maxRows, SoundingTable& out, CString& error)
{
    if (!name)
        name = "(sounding)";
    SoundingTable t;
    float row[kColumns] = {};
    int filled = 0;
    size_t pos = 0;
    auto isSpace = [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; };
    while (maxRows <= 0 || t.Rows() < maxRows) {
        while (pos < text.size() && isSpace(text[pos]))
            ++pos;
        if (pos == text.size())
            break;
        size_t end = pos;
        while (end < text.size() && !isSpace(text[end]))
            ++end;
        const std::string_view tok = text.substr(pos, end - pos);
        pos = end;
        const int rowNo = t.Rows() + 1;
        if (tok.size() > kMaxTokenChars) {
            error.Format("%s: row %d: \"%s\" is longer than %zu characters, the longest number this reader takes",
                         name, rowNo, TextNumber::Quote(tok).c_str(), kMaxTokenChars);
            return false;
        }
        const TextNumber::Result r = TextNumber::Read(tok, row[filled]);
        if (r != TextNumber::Result::Ok) {
            error.Format("%s: row %d: \"%s\" %s (%s column)", name, rowNo, TextNumber::Quote(tok).c_str(),
                         TextNumber::Describe(r), kColumnNames[filled]);
            return false;
        }
        if (++filled < kColumns)
            continue;
        filled = 0;
        if (t.Rows() >= kMaxRows) {
            error.Format("%s: more than %d rows, the most this reader takes", name, kMaxRows);
            return false;
        }
        t.x.Add(row[0]);
        t.r.Add(row[1]);
        t.v.Add(row[2]);
        t.rFwd.Add(row[3]);
        t.vFwd.Add(row[4]);
    }
    if (filled > 0) {
        error.Format("%s: row %d is short of five numbers (has %d)", name, t.Rows() + 1, filled);
        return false;
    }
    if (maxRows > 0 && t.Rows() < maxRows) {
        error.Format("%s: %d rows asked for, the file holds %d", name, maxRows, t.Rows());
        return false;
    }
    if (t.Rows() == 0) {
        error.Format("%s: holds no sounding rows", name);
        return false;
    }
    out = t;
    return true;
}

bool SoundingFile::Write(const char* path, const SoundingTable& t, CString& error)
{
    const int n = t.Rows();
    if (t.r.GetSize() < n || t.v.GetSize() < n || t.rFwd.GetSize() < n || t.vFwd.GetSize() < n) {
        error = "the five columns of the sounding differ in length";
        return false;
    }
    std::string text;
    for (int i = 0; i < n; ++i) {
        text += NumberFormat::Shortest(t.x[i]) + ' ' + NumberFormat::Shortest(t.r[i]) + ' ' +
                NumberFormat::Shortest(t.v[i]) + ' ' + NumberFormat::Shortest(t.rFwd[i]) + ' ' +
                NumberFormat::Shortest(t.vFwd[i]) + '\n';
    }
    return AtomicFile::WriteBytes(path, text, error);
}
