#include "platform/gdi/PdfOutline.h"

#include <cctype>
#include <charconv>
#include <cstdio>
#include <map>
#include <string_view>

namespace {

constexpr int kMaxRevisions = 64;   // cross-reference sections followed through /Prev
constexpr int kMaxTreeDepth = 32;   // nesting of the page tree
constexpr int kMaxPages = 1'000'000;

struct XrefEntry {
    size_t offset = 0;
    int gen = 0;
};

bool isWhite(char c) { return c == ' ' || c == '\n' || c == '\r' || c == '\t' || c == '\f' || c == '\0'; }

bool isDelimiter(char c)
{
    return isWhite(c) || c == '/' || c == '<' || c == '>' || c == '[' || c == ']' || c == '(' || c == ')';
}

void skipWhite(std::string_view s, size_t& p)
{
    while (p < s.size() && isWhite(s[p]))
        ++p;
}

bool readNumber(std::string_view s, size_t& p, long long& out)
{
    skipWhite(s, p);
    const auto [end, ec] = std::from_chars(s.data() + p, s.data() + s.size(), out);
    if (ec != std::errc())
        return false;
    p = static_cast<size_t>(end - s.data());
    return true;
}

// Where the name key (e.g. "/Root") starts as a whole name in dict.
size_t findKey(std::string_view dict, std::string_view key)
{
    for (size_t p = dict.find(key); p != std::string_view::npos; p = dict.find(key, p + 1)) {
        const size_t end = p + key.size();
        if (end >= dict.size() || isDelimiter(dict[end]))
            return p;
    }
    return std::string_view::npos;
}

// The reference "N G R" that follows key in dict.
bool refOf(std::string_view dict, std::string_view key, int& num, int& gen)
{
    size_t p = findKey(dict, key);
    if (p == std::string_view::npos)
        return false;
    p += key.size();
    long long n = 0, g = 0;
    if (!readNumber(dict, p, n) || !readNumber(dict, p, g))
        return false;
    skipWhite(dict, p);
    if (p >= dict.size() || dict[p] != 'R' || n <= 0 || n > 8'388'607 || g < 0 || g > 65535)
        return false;
    num = static_cast<int>(n);
    gen = static_cast<int>(g);
    return true;
}

// The dictionary "<< ... >>" that starts at p (nested ones included).
std::string_view dictAt(std::string_view s, size_t p)
{
    skipWhite(s, p);
    if (s.compare(p, 2, "<<") != 0)
        return {};
    int depth = 0;
    for (size_t i = p; i + 1 < s.size(); ++i) {
        if (s[i] == '(') {  // a string may hold unbalanced brackets
            int nest = 0;
            for (; i < s.size(); ++i) {
                if (s[i] == '\\') ++i;
                else if (s[i] == '(') ++nest;
                else if (s[i] == ')' && --nest == 0) break;
            }
            continue;
        }
        if (s[i] == '<' && s[i + 1] == '<') {
            ++depth;
            ++i;
        } else if (s[i] == '>' && s[i + 1] == '>') {
            ++i;
            if (--depth == 0)
                return s.substr(p, i + 1 - p);
        }
    }
    return {};
}

struct Document {
    std::string_view bytes;
    std::map<int, XrefEntry> objects;
    std::string_view trailer;  // the newest trailer dictionary
    size_t lastXref = 0;
};

bool readXref(Document& d, CString& error)
{
    const std::string_view s = d.bytes;
    const size_t sx = s.rfind("startxref");
    size_t p = sx + 9;
    long long off = 0;
    if (sx == std::string_view::npos || !readNumber(s, p, off) || off < 0 || static_cast<size_t>(off) >= s.size()) {
        error = "the PDF has no readable startxref";
        return false;
    }
    d.lastXref = static_cast<size_t>(off);
    for (int revision = 0; revision < kMaxRevisions; ++revision) {
        p = static_cast<size_t>(off);
        if (s.compare(p, 4, "xref") != 0) {
            error = "the PDF has no classic cross-reference table (a stream, perhaps)";
            return false;
        }
        p += 4;
        for (;;) {
            skipWhite(s, p);
            if (s.compare(p, 7, "trailer") == 0)
                break;
            long long first = 0, count = 0;
            if (!readNumber(s, p, first) || !readNumber(s, p, count) || first < 0 || count < 0 ||
                first + count > 8'388'608) {
                error = "the PDF's cross-reference table cannot be read";
                return false;
            }
            for (long long i = 0; i < count; ++i) {
                long long o = 0, g = 0;
                if (!readNumber(s, p, o) || !readNumber(s, p, g)) {
                    error = "the PDF's cross-reference table is cut short";
                    return false;
                }
                skipWhite(s, p);
                const char kind = p < s.size() ? s[p++] : '?';
                // Newer sections come first: an object keeps its newest entry.
                if (kind == 'n' && o >= 0 && static_cast<size_t>(o) < s.size())
                    d.objects.try_emplace(static_cast<int>(first + i), XrefEntry{static_cast<size_t>(o),
                                                                                   static_cast<int>(g)});
            }
        }
        const std::string_view trailer = dictAt(s, p + 7);
        if (trailer.empty()) {
            error = "the PDF's trailer cannot be read";
            return false;
        }
        if (revision == 0)
            d.trailer = trailer;
        size_t q = findKey(trailer, "/Prev");
        if (q == std::string_view::npos)
            return true;
        q += 5;
        if (!readNumber(trailer, q, off) || off < 0 || static_cast<size_t>(off) >= s.size()) {
            error = "the PDF's trailer names a bad previous section";
            return false;
        }
    }
    error = "the PDF has more revisions than this reader follows";
    return false;
}

// The dictionary of object num.
std::string_view objectDict(const Document& d, int num)
{
    const auto it = d.objects.find(num);
    if (it == d.objects.end())
        return {};
    size_t p = it->second.offset;
    long long n = 0, g = 0;
    if (!readNumber(d.bytes, p, n) || n != num || !readNumber(d.bytes, p, g))
        return {};
    skipWhite(d.bytes, p);
    if (d.bytes.compare(p, 3, "obj") != 0)
        return {};
    return dictAt(d.bytes, p + 3);
}

bool isType(std::string_view dict, std::string_view type)
{
    size_t p = findKey(dict, "/Type");
    if (p == std::string_view::npos)
        return false;
    p += 5;
    skipWhite(dict, p);
    return dict.compare(p, type.size(), type) == 0 &&
           (p + type.size() >= dict.size() || isDelimiter(dict[p + type.size()]));
}

bool collectPages(const Document& d, int node, int depth, std::vector<int>& pages, CString& error)
{
    const std::string_view dict = objectDict(d, node);
    if (dict.empty() || depth > kMaxTreeDepth || pages.size() >= static_cast<size_t>(kMaxPages)) {
        error.Format("the PDF's page tree cannot be read at object %d", node);
        return false;
    }
    if (!isType(dict, "/Pages")) {
        pages.push_back(node);
        return true;
    }
    size_t p = findKey(dict, "/Kids");
    if (p == std::string_view::npos) {
        error.Format("the PDF's page tree node %d has no kids", node);
        return false;
    }
    p += 5;
    skipWhite(dict, p);
    if (p >= dict.size() || dict[p] != '[') {
        error.Format("the PDF's page tree node %d has its kids elsewhere", node);
        return false;
    }
    ++p;
    for (;;) {
        skipWhite(dict, p);
        if (p < dict.size() && dict[p] == ']')
            return true;
        long long n = 0, g = 0;
        if (!readNumber(dict, p, n) || !readNumber(dict, p, g) || n <= 0 || n > 8'388'607) {
            error.Format("the PDF's page tree node %d has a bad kid", node);
            return false;
        }
        skipWhite(dict, p);
        if (p < dict.size() && dict[p] == 'R')
            ++p;
        if (!collectPages(d, static_cast<int>(n), depth + 1, pages, error))
            return false;
    }
}

// The dictionary's inside without the entries a new outline replaces.
std::string withoutOutline(std::string_view dict)
{
    std::string inner(dict.substr(2, dict.size() - 4));
    for (const char* key : {"/Outlines", "/PageMode"}) {
        const size_t at = findKey(inner, key);
        if (at == std::string::npos)
            continue;
        size_t p = at + std::string_view(key).size();
        skipWhite(inner, p);
        if (p < inner.size() && inner[p] == '/') {  // a name value
            ++p;
            while (p < inner.size() && !isDelimiter(inner[p]))
                ++p;
        } else {  // a reference "N G R"
            long long n = 0;
            readNumber(inner, p, n);
            readNumber(inner, p, n);
            skipWhite(inner, p);
            if (p < inner.size() && inner[p] == 'R')
                ++p;
        }
        inner.erase(at, p - at);
    }
    return inner;
}

// The value that follows key in dict, as text ("N G R", "[...]"), or empty.
std::string valueText(std::string_view dict, std::string_view key)
{
    size_t p = findKey(dict, key);
    if (p == std::string_view::npos)
        return {};
    p += key.size();
    skipWhite(dict, p);
    const size_t start = p;
    if (p < dict.size() && dict[p] == '[') {
        const size_t end = dict.find(']', p);
        return end == std::string_view::npos ? std::string() : std::string(dict.substr(start, end + 1 - start));
    }
    const size_t r = dict.find('R', p);
    return r == std::string_view::npos ? std::string() : std::string(dict.substr(start, r + 1 - start));
}

}  // namespace

std::string PdfOutline::TextString(const std::string& utf8)
{
    bool plain = true;
    for (unsigned char c : utf8)
        plain = plain && c >= 0x20 && c < 0x7f;
    if (plain) {
        std::string out = "(";
        for (char c : utf8) {
            if (c == '\\' || c == '(' || c == ')')
                out += '\\';
            out += c;
        }
        return out + ")";
    }
    std::string out = "<FEFF";
    auto put16 = [&out](unsigned v) {
        char buf[5];
        std::snprintf(buf, sizeof buf, "%04X", v & 0xffffu);
        out += buf;
    };
    for (size_t i = 0; i < utf8.size();) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        unsigned cp = 0xFFFD;
        size_t n = c < 0x80 ? 1 : c >= 0xF0 && c <= 0xF4 ? 4 : c >= 0xE0 ? 3 : c >= 0xC2 && c < 0xE0 ? 2 : 0;
        if (n == 0 || i + n > utf8.size()) {
            n = 1;
        } else {
            cp = n == 1 ? c : c & (0x7Fu >> n);
            for (size_t k = 1; k < n; ++k) {
                const auto b = static_cast<unsigned char>(utf8[i + k]);
                if ((b & 0xC0) != 0x80) {
                    cp = 0xFFFD;
                    n = k;
                    break;
                }
                cp = (cp << 6) | (b & 0x3F);
            }
        }
        i += n;
        if (cp >= 0x10000 && cp <= 0x10FFFF) {
            put16(0xD800 + ((cp - 0x10000) >> 10));
            put16(0xDC00 + ((cp - 0x10000) & 0x3FF));
        } else {
            put16(cp >= 0xD800 && cp < 0xE000 ? 0xFFFD : cp);
        }
    }
    return out + ">";
}

bool PdfOutline::PageObjects(const std::string& pdf, std::vector<int>& pages, CString& error)
{
    Document d{pdf, {}, {}, 0};
    if (!readXref(d, error))
        return false;
    int root = 0, gen = 0, pagesRoot = 0;
    if (!refOf(d.trailer, "/Root", root, gen)) {
        error = "the PDF's trailer names no catalog";
        return false;
    }
    if (!refOf(objectDict(d, root), "/Pages", pagesRoot, gen)) {
        error = "the PDF's catalog names no pages";
        return false;
    }
    pages.clear();
    return collectPages(d, pagesRoot, 0, pages, error);
}

bool PdfOutline::Append(std::string& pdf, const std::vector<Entry>& entries, CString& error)
{
    Document d{pdf, {}, {}, 0};
    if (!readXref(d, error))
        return false;
    int root = 0, rootGen = 0, pagesRoot = 0, g = 0;
    const std::string_view catalog = [&] {
        return refOf(d.trailer, "/Root", root, rootGen) ? objectDict(d, root) : std::string_view();
    }();
    if (catalog.empty() || !refOf(catalog, "/Pages", pagesRoot, g)) {
        error = "the PDF's catalog cannot be read";
        return false;
    }
    std::vector<int> pages;
    if (!collectPages(d, pagesRoot, 0, pages, error))
        return false;
    long long size = 0;
    size_t sp = findKey(d.trailer, "/Size");
    if (sp == std::string_view::npos || (sp += 5, !readNumber(d.trailer, sp, size)) || size < 1 ||
        size + static_cast<long long>(entries.size()) > 8'388'607) {
        error = "the PDF's trailer has no usable /Size";
        return false;
    }
    for (const Entry& e : entries) {
        if (e.page < 0 || static_cast<size_t>(e.page) >= pages.size()) {
            error.Format("a bookmark names page %d of a PDF of %zu pages", e.page + 1, pages.size());
            return false;
        }
    }

    const int outlines = static_cast<int>(size);
    const int count = static_cast<int>(entries.size());
    std::string update = pdf.empty() || pdf.back() == '\n' ? "" : "\n";
    std::vector<size_t> offsets;  // of the catalog, then the outline root, then the items
    auto begin = [&](int num, int gen) {
        offsets.push_back(pdf.size() + update.size());
        update += std::to_string(num) + ' ' + std::to_string(gen) + " obj\n";
    };
    auto ref = [](int num, int gen = 0) { return std::to_string(num) + ' ' + std::to_string(gen) + " R"; };

    begin(root, rootGen);
    update += "<<" + withoutOutline(catalog) + " /Outlines " + ref(outlines) + " /PageMode /UseOutlines >>\nendobj\n";
    begin(outlines, 0);
    // Each bookmark's parent (-1: the outline's root) and its neighbours
    // under that parent; numbered outlines + 1 + i in entry order.
    std::vector<int> parent(static_cast<size_t>(count), -1), prev(parent), next(parent), first(parent), last(parent),
        kids(static_cast<size_t>(count), 0);
    int rootFirst = -1, rootLast = -1, lastTop = -1;
    for (int i = 0; i < count; ++i) {
        const size_t u = static_cast<size_t>(i);
        if (entries[u].level > 0 && lastTop >= 0)
            parent[u] = lastTop;
        else
            lastTop = i;
        const int p = parent[u];
        int& lastOfParent = p < 0 ? rootLast : last[static_cast<size_t>(p)];
        int& firstOfParent = p < 0 ? rootFirst : first[static_cast<size_t>(p)];
        if (lastOfParent >= 0) {
            prev[u] = lastOfParent;
            next[static_cast<size_t>(lastOfParent)] = i;
        } else {
            firstOfParent = i;
        }
        lastOfParent = i;
        if (p >= 0)
            ++kids[static_cast<size_t>(p)];
    }
    const auto item = [&](int i) { return ref(outlines + 1 + i); };
    update += "<< /Type /Outlines";
    if (count > 0)
        update += " /First " + item(rootFirst) + " /Last " + item(rootLast) + " /Count " + std::to_string(count);
    update += " >>\nendobj\n";
    for (int i = 0; i < count; ++i) {
        const size_t u = static_cast<size_t>(i);
        const int page = pages[static_cast<size_t>(entries[u].page)];
        begin(outlines + 1 + i, 0);
        update += "<< /Title " + TextString(entries[u].title) + " /Parent " +
                  (parent[u] < 0 ? ref(outlines) : item(parent[u]));
        if (prev[u] >= 0)
            update += " /Prev " + item(prev[u]);
        if (next[u] >= 0)
            update += " /Next " + item(next[u]);
        if (kids[u] > 0)
            update += " /First " + item(first[u]) + " /Last " + item(last[u]) + " /Count " + std::to_string(kids[u]);
        update += " /Dest [" + ref(page, d.objects[page].gen) + " /Fit] >>\nendobj\n";
    }

    const size_t xref = pdf.size() + update.size();
    char line[32];
    auto entry = [&](size_t offset, int gen) {
        std::snprintf(line, sizeof line, "%010zu %05d n\r\n", offset, gen);
        update += line;
    };
    update += "xref\n" + std::to_string(root) + " 1\n";
    entry(offsets[0], rootGen);
    update += std::to_string(outlines) + ' ' + std::to_string(count + 1) + "\n";
    for (size_t i = 1; i < offsets.size(); ++i)
        entry(offsets[i], 0);
    update += "trailer\n<< /Size " + std::to_string(outlines + count + 1) + " /Root " + ref(root, rootGen);
    for (const char* key : {"/Info", "/ID"}) {
        const std::string v = valueText(d.trailer, key);
        if (!v.empty())
            update += std::string(" ") + key + ' ' + v;
    }
    update += " /Prev " + std::to_string(d.lastXref) + " >>\nstartxref\n" + std::to_string(xref) + "\n%%EOF\n";
    pdf += update;
    return true;
}
