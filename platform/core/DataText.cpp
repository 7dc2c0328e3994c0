#include "platform/core/DataText.h"

#include "platform/core/TextNumber.h"
#include "platform/core/NumberFormat.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

// Columns beyond this many tokens a line are taken as left-aligned.
constexpr size_t kTrackedColumns = 64;

// Where one column's tokens line up across the lines that hold it.
struct ColumnShape {
    long long lastStart = -1, lastEnd = -1;
    size_t startsAgree = 0, endsAgree = 0;
    bool padded = false;   // its first token has two or more blanks before it, or leads its line indented
    bool seen = false;
    bool tied() const { return endsAgree == startsAgree; }
    bool rightAligned() const { return endsAgree > startsAgree; }
};

// Columns whose lines agree as much on both ends (all their numbers as
// wide) line up as the nearest column that tells, the table's own habit;
// where none tells, a column set off by two blanks or more is taken as
// right-aligned.
std::array<bool, kTrackedColumns> alignments(const std::array<ColumnShape, kTrackedColumns>& shapes)
{
    std::array<bool, kTrackedColumns> right{};
    for (size_t j = 0; j < kTrackedColumns; ++j) {
        right[j] = shapes[j].padded;
        for (size_t d = 0; d < kTrackedColumns; ++d) {
            if (j >= d && !shapes[j - d].tied()) {
                right[j] = shapes[j - d].rightAligned();
                break;
            }
            if (j + d < kTrackedColumns && !shapes[j + d].tied()) {
                right[j] = shapes[j + d].rightAligned();
                break;
            }
        }
    }
    return right;
}

// Blanks straight before pos, back to the line's start or other text.
size_t blanksBefore(std::string_view s, size_t pos)
{
    size_t n = 0;
    while (n < pos && s[pos - n - 1] == ' ')
        ++n;
    return n;
}

// Room a changed token gives back or takes at the head of the gap after it:
// pad adds blanks, eat removes them. A gap that ends the line gets no
// padding (no trailing blanks), and one followed by more text keeps a blank.
// beforeToken: the gap runs up to the next token.
void adjustHead(std::string& gap, size_t pad, size_t eat, bool beforeToken)
{
    size_t lead = 0;
    while (lead < gap.size() && gap[lead] == ' ')
        ++lead;
    const bool endsLine = lead == gap.size() ? !beforeToken : gap[lead] == '\n' || gap[lead] == '\r';
    if (pad > 0 && !endsLine)
        gap.insert(0, pad, ' ');
    if (eat > 0) {
        const size_t spare = endsLine ? lead : (lead > 0 ? lead - 1 : 0);
        gap.erase(0, std::min(eat, spare));
    }
}

// The same at the tail of the gap before a changed right-aligned token; a
// token that does not start its line keeps one blank before it.
void adjustTail(std::string& gap, const std::string& out, size_t pad, size_t eat)
{
    if (pad > 0)
        gap.append(pad, ' ');
    if (eat == 0)
        return;
    size_t trail = 0;
    while (trail < gap.size() && gap[gap.size() - trail - 1] == ' ')
        ++trail;
    char before = '\n';  // the start of the text counts as a line start
    if (trail < gap.size())
        before = gap[gap.size() - trail - 1];
    else if (!out.empty())
        before = out.back();
    const size_t spare = before == '\n' ? trail : (trail > 0 ? trail - 1 : 0);
    gap.erase(gap.size() - std::min(eat, spare));
}

bool sameValue(float a, float b) { return a == b && std::signbit(a) == std::signbit(b); }

}  // namespace

std::string_view DataText::Scan(std::string_view text, Rules rules,
                                const std::function<bool(int, size_t, size_t)>& token)
{
    std::string_view header;
    bool first = true;
    int line = 0;
    size_t start = 0;
    while (start < text.size()) {
        ++line;
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        size_t stop = end;
        if (rules.comments) {
            const size_t hash = text.substr(start, end - start).find('#');
            if (hash != std::string_view::npos)
                stop = start + hash;
        }
        size_t pos = start;
        bool headerLine = false;
        while (true) {
            while (pos < stop && isBlank(text[pos]))
                ++pos;
            if (pos >= stop)
                break;
            size_t tokEnd = pos;
            while (tokEnd < stop && !isBlank(text[tokEnd]))
                ++tokEnd;
            if (first) {
                first = false;
                float ignored = 0;
                if (rules.header &&
                    TextNumber::Read(text.substr(pos, tokEnd - pos), ignored) != TextNumber::Result::Ok) {
                    headerLine = true;
                    header = text.substr(start, stop - start);
                    while (!header.empty() && isBlank(header.back()))
                        header.remove_suffix(1);
                }
            }
            if (headerLine)
                break;
            if (!token(line, pos, tokEnd - pos))
                return header;
            pos = tokEnd;
        }
        start = end + 1;
    }
    return header;
}

bool DataText::Rewrite(std::string_view text, Rules rules, size_t count, const std::function<float(size_t)>& values,
                       std::string& out)
{
    // First pass: count the tokens and see how each column lines up.
    std::array<ColumnShape, kTrackedColumns> shapes{};
    size_t tokens = 0;
    int line = 0;
    size_t lineStart = 0, column = 0;
    auto locate = [&](int l, size_t pos) {
        if (l != line) {
            line = l;
            column = 0;
            const size_t nl = text.rfind('\n', pos);
            lineStart = nl == std::string_view::npos ? 0 : nl + 1;
        }
    };
    Scan(text, rules, [&](int l, size_t pos, size_t len) {
        locate(l, pos);
        ++tokens;
        if (column < kTrackedColumns) {
            ColumnShape& c = shapes[column];
            const auto s = static_cast<long long>(pos - lineStart), e = static_cast<long long>(pos + len - lineStart);
            if (!c.seen) {
                const size_t blanks = blanksBefore(text, pos);
                c.padded = blanks >= 2 || (blanks > 0 && pos - blanks == lineStart);
                c.seen = true;
            } else {
                c.startsAgree += s == c.lastStart;
                c.endsAgree += e == c.lastEnd;
            }
            c.lastStart = s;
            c.lastEnd = e;
        }
        ++column;
        return true;
    });
    if (tokens != count)
        return false;
    const std::array<bool, kTrackedColumns> rightAligned = alignments(shapes);

    // Second pass: copy the text, putting changed values in.
    std::string result;
    result.reserve(text.size() + text.size() / 8);
    size_t cursor = 0, k = 0, headPad = 0, headEat = 0;
    line = 0;
    Scan(text, rules, [&](int l, size_t pos, size_t len) {
        locate(l, pos);
        const std::string_view old = text.substr(pos, len);
        const float v = values(k++);
        float was = 0;
        const bool keep = TextNumber::Read(old, was) == TextNumber::Result::Ok && sameValue(was, v);
        const std::string now = keep ? std::string(old) : NumberFormat::Shortest(v);
        std::string gap(text.substr(cursor, pos - cursor));
        adjustHead(gap, headPad, headEat, true);
        headPad = headEat = 0;
        const bool right = column < kTrackedColumns && rightAligned[column];
        const size_t grow = now.size() > len ? now.size() - len : 0;
        const size_t shrink = len > now.size() ? len - now.size() : 0;
        if (right)
            adjustTail(gap, result, shrink, grow);
        else {
            headPad = shrink;
            headEat = grow;
        }
        result += gap;
        result += now;
        cursor = pos + len;
        ++column;
        return true;
    });
    std::string rest(text.substr(cursor));
    adjustHead(rest, headPad, headEat, false);
    result += rest;
    out = std::move(result);
    return true;
}
