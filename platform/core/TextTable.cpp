#include "platform/core/TextTable.h"

#include "platform/core/CappedFile.h"
#include "platform/core/TextNumber.h"

#include <cstdarg>
#include <strings.h>

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

constexpr std::string_view kBom = "\xEF\xBB\xBF";

template <class T>
bool readField(TextTable& table, const TextTable::Line& line, size_t k, T& out, const char* what)
{
    using Id = ReaderMessage::Id;
    const std::string_view tok = line.fields[k].text;
    const TextNumber::Result r = TextNumber::Read(tok, out);
    if (r == TextNumber::Result::Ok)
        return true;
    const bool range = r == TextNumber::Result::OutOfRange;
    if (what)
        return table.Fail(line.number, range ? Id::OutOfRangeIn : Id::NotANumberIn, {TextNumber::Quote(tok), what});
    return table.Fail(line.number, range ? Id::OutOfRange : Id::NotANumber, {TextNumber::Quote(tok)});
}

}  // namespace

TextTable::TextTable(std::string_view text, std::string name, Rules rules)
    : m_text(text), m_name(std::move(name)), m_rules(rules)
{
    if (m_name.empty())
        m_name = "(text)";
    if (m_text.substr(0, kBom.size()) == kBom)
        m_pos = m_bom = kBom.size();
}

bool TextTable::Load(const char* path, size_t maxBytes, std::string& text, CString& error)
{
    if (!CappedFile::ReadAll(path, maxBytes, text, error))
        return false;
    if (text.find('\0') != std::string::npos) {
        text.clear();
        error.Format("%s: %s", path, ReaderMessage::Text(ReaderMessage::Id::NotText).GetString());
        return false;
    }
    return true;
}

bool TextTable::Fail(int line, const char* fmt, ...)
{
    va_list args;
    va_start(args, fmt);
    CString message;
    message.FormatV(fmt, args);
    va_end(args);
    return fail(line, message);
}

bool TextTable::Fail(int line, ReaderMessage::Id id, std::initializer_list<std::string> args)
{
    return fail(line, ReaderMessage::Text(id, args));
}

bool TextTable::fail(int line, const CString& message)
{
    if (line > 0)
        m_error.Format("%s:%d: %s", m_name.c_str(), line, message.GetString());
    else
        m_error.Format("%s: %s", m_name.c_str(), message.GetString());
    m_failed = true;
    return false;
}

bool TextTable::split(Line& line, size_t stop)
{
    line.fields.clear();
    size_t pos = line.start;
    while (true) {
        while (pos < stop && isBlank(m_text[pos]))
            ++pos;
        if (pos >= stop)
            return true;
        const size_t begin = pos;
        while (pos < stop && !isBlank(m_text[pos]) && !(m_rules.commas && m_text[pos] == ','))
            ++pos;
        if (pos == begin)
            return Fail(line.number, "has an empty field (two commas, or a comma first)");
        const std::string_view field = m_text.substr(begin, pos - begin);
        if (m_rules.maxFieldChars > 0 && field.size() > m_rules.maxFieldChars)
            return Fail(line.number, "\"%s\" is longer than %zu characters, the longest field this reader takes",
                        TextNumber::Quote(field).c_str(), m_rules.maxFieldChars);
        line.fields.push_back({field, begin});
        while (pos < stop && isBlank(m_text[pos]))
            ++pos;
        if (m_rules.commas && pos < stop && m_text[pos] == ',') {
            ++pos;
            while (pos < stop && isBlank(m_text[pos]))
                ++pos;
            if (pos >= stop)
                return Fail(line.number, "ends in a comma");
        }
    }
}

bool TextTable::Next(Line& line)
{
    if (m_failed)
        return false;
    while (m_pos < m_text.size()) {
        line.number = ++m_line;
        line.start = m_pos;
        size_t nl = m_text.find('\n', m_pos);
        line.next = nl == std::string_view::npos ? m_text.size() : nl + 1;
        if (nl == std::string_view::npos)
            nl = m_text.size();
        line.end = nl > m_pos && m_text[nl - 1] == '\r' ? nl - 1 : nl;
        m_pos = line.next;
        size_t stop = line.end;
        if (m_rules.comments) {
            const size_t hash = m_text.substr(line.start, line.end - line.start).find('#');
            if (hash != std::string_view::npos)
                stop = line.start + hash;
        }
        if (!split(line, stop))
            return false;
        if (line.fields.empty())
            continue;
        line.header = false;
        if (!m_seenField) {
            m_seenField = true;
            const size_t k = m_rules.headerField;
            if (m_rules.header && k < line.fields.size() && !LooksNumeric(line.fields[k].text)) {
                line.header = true;
                const Field& last = line.fields.back();
                const size_t from = line.fields.front().pos;
                m_header = m_text.substr(from, last.pos + last.text.size() - from);
            }
        }
        return true;
    }
    return false;
}

bool TextTable::Number(const Line& line, size_t k, float& out, const char* what)
{
    return readField(*this, line, k, out, what);
}

bool TextTable::Number(const Line& line, size_t k, double& out, const char* what)
{
    return readField(*this, line, k, out, what);
}

bool TextTable::LooksNumeric(std::string_view f)
{
    size_t i = 0;
    while (i < f.size() && (f[i] == '+' || f[i] == '-'))
        ++i;
    f.remove_prefix(i);
    if (f.empty())
        return false;
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    if (digit(f[0]) || (f[0] == '.' && f.size() > 1 && digit(f[1])))
        return true;
    const auto named = [&](const char* word) {
        const size_t n = std::char_traits<char>::length(word);
        return f.size() >= n && strncasecmp(f.data(), word, n) == 0 && (f.size() == n || f[n] == '(');
    };
    return named("nan") || named("inf") || named("infinity");
}

std::vector<TextTable::Comment> TextTable::Comments(std::string_view text)
{
    std::vector<Comment> out;
    size_t pos = text.substr(0, kBom.size()) == kBom ? kBom.size() : 0;
    for (int line = 1; pos < text.size(); ++line) {
        size_t nl = text.find('\n', pos);
        const size_t next = nl == std::string_view::npos ? text.size() : nl + 1;
        if (nl == std::string_view::npos)
            nl = text.size();
        if (nl > pos && text[nl - 1] == '\r')
            --nl;
        const size_t hash = text.substr(pos, nl - pos).find('#');
        if (hash != std::string_view::npos)
            out.push_back({line, text.substr(pos + hash + 1, nl - pos - hash - 1)});
        pos = next;
    }
    return out;
}

bool TextTable::Note(std::string_view text, std::string_view key, std::string& value)
{
    const auto trim = [](std::string_view s) {
        while (!s.empty() && isBlank(s.front()))
            s.remove_prefix(1);
        while (!s.empty() && isBlank(s.back()))
            s.remove_suffix(1);
        return s;
    };
    for (const Comment& c : Comments(text)) {
        const std::string_view body = trim(c.text);
        const size_t colon = body.find(':');
        if (colon == std::string_view::npos || trim(body.substr(0, colon)) != key)
            continue;
        value.assign(trim(body.substr(colon + 1)));
        return true;
    }
    return false;
}
