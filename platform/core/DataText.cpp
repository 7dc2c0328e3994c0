#include "platform/core/DataText.h"

#include "platform/core/TextNumber.h"
#include "platform/core/NumberFormat.h"
#include "platform/core/TextTable.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <vector>

namespace {

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
    if (gap.find(',') != std::string::npos)
        return;  // comma-separated fields are not padded into columns
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
    if (gap.find(',') != std::string::npos)
        return;
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

int significantDigits(std::string_view mantissa)
{
    int n = 0;
    bool leading = true;
    for (const char c : mantissa) {
        if (c < '0' || c > '9')
            continue;
        leading = leading && c == '0';
        n += leading ? 0 : 1;
    }
    return n;
}

std::string fixedForm(double v, int decimals)
{
    char buf[128];
    const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, decimals);
    return ec == std::errc() ? std::string(buf, end) : std::string();
}

// v in the exponent form of old ("1.5e-05", "2E3"): as many mantissa digits
// as digits, the exponent with old's sign habit and least width.
std::string exponentForm(double v, int digits, std::string_view old)
{
    char buf[128];
    const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, digits - 1);
    if (ec != std::errc())
        return {};
    const std::string s(buf, end);
    const size_t e = s.find('e');
    const size_t oe = old.find_first_of("eE");
    const std::string_view oldExp = old.substr(oe + 1);
    const bool plus = !oldExp.empty() && oldExp[0] == '+';
    const size_t width = oldExp.size() - (!oldExp.empty() && (oldExp[0] == '+' || oldExp[0] == '-') ? 1 : 0);
    const bool negative = s[e + 1] == '-';
    std::string digitsOfExp = s.substr(e + 2);
    while (digitsOfExp.size() > 1 && digitsOfExp[0] == '0' && digitsOfExp.size() > width)
        digitsOfExp.erase(0, 1);
    return s.substr(0, e) + old[oe] + (negative ? "-" : plus ? "+" : "") + digitsOfExp;
}

// A changed value spelt with the precision of the number it replaces, so
// that a dragged 398.19754 in a column of two decimals is written 398.20:
// the value's shortest exact form when it has no more significant digits
// than the old number, else the old number's decimals (or, in an exponent
// form, its significant digits), one more at a time while the result would
// read back as the old value, as zero or with fewer than two significant
// digits; the shortest exact form where none of that reads back usable.
std::string withPrecisionOf(float v, std::string_view old)
{
    const std::string shortest = NumberFormat::Shortest(v);
    float was = 0;
    if (v == 0 || !std::isfinite(v) || TextNumber::Read(old, was) != TextNumber::Result::Ok)
        return shortest;
    const size_t e = old.find_first_of("eE");
    const std::string_view mantissa = old.substr(0, e);
    const int digits = std::max(significantDigits(mantissa), 2);
    if (significantDigits(std::string_view(shortest).substr(0, shortest.find_first_of("eE"))) <= digits)
        return shortest;
    const size_t dot = mantissa.find('.');
    const int decimals = dot == std::string_view::npos ? 0 : static_cast<int>(mantissa.size() - dot - 1);
    for (int extra = 0; extra < 10; ++extra) {
        const std::string out =
            e == std::string_view::npos ? fixedForm(v, decimals + extra) : exponentForm(v, digits + extra, old);
        float back = 0;
        if (out.empty() || TextNumber::Read(out, back) != TextNumber::Result::Ok || std::signbit(back) != std::signbit(v))
            break;
        if (back != 0 && back != was && significantDigits(out.substr(0, out.find_first_of("eE"))) >= 2)
            return out.size() <= shortest.size() + 4 ? out : shortest;  // no run of digits for a huge value
    }
    return shortest;
}

}  // namespace

std::string_view DataText::Scan(std::string_view text, Rules rules,
                                const std::function<bool(int, size_t, size_t)>& token)
{
    TextTable::Rules tr;
    tr.comments = rules.comments;
    tr.commas = rules.commas;
    tr.header = rules.header;
    tr.headerField = rules.leadingFields;
    tr.maxFieldChars = 0;
    TextTable table(text, "", tr);
    TextTable::Line line;
    while (table.Next(line)) {
        if (line.header)
            continue;
        for (size_t k = rules.leadingFields; k < line.Count(); ++k)
            if (!token(line.number, line.fields[k].pos, line.fields[k].text.size()))
                return table.Header();
    }
    return table.Failed() ? std::string_view() : table.Header();
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
        const std::string now = keep                  ? std::string(old)
                                : rules.fullPrecision ? NumberFormat::Shortest(v)
                                                      : withPrecisionOf(v, old);
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
