#include "OptionScanner.h"

#include "platform/core/TextNumber.h"

#include <algorithm>
#include <cctype>

namespace {

std::string lower(std::string_view s)
{
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

std::vector<std::string> splitNames(const std::string& names)
{
    std::vector<std::string> out;
    size_t pos = 0;
    while (pos < names.size()) {
        size_t end = names.find(',', pos);
        if (end == std::string::npos)
            end = names.size();
        std::string n = names.substr(pos, end - pos);
        n.erase(0, n.find_first_not_of(' '));
        n.erase(n.find_last_not_of(' ') + 1);
        if (!n.empty())
            out.push_back(n);
        pos = end + 1;
    }
    return out;
}

bool isHelp(const std::string& a) { return a == "-h" || a == "--help"; }

}  // namespace

OptionScanner::OptionScanner(std::string usage, std::string about)
    : m_usage(std::move(usage)), m_about(std::move(about))
{
}

void OptionScanner::add(std::string names, std::string meta, std::string help, bool hidden, bool named,
                        std::function<bool(const std::string&, std::string&)> apply)
{
    m_options.push_back({splitNames(names), std::move(meta), std::move(help), hidden, named, std::move(apply)});
}

void OptionScanner::Flag(std::string names, std::string help, bool& target, bool value)
{
    add(std::move(names), {}, std::move(help), false, false, [&target, value](const std::string&, std::string&) {
        target = value;
        return true;
    });
}

void OptionScanner::Whole(std::string names, std::string meta, std::string help, long long lo, long long hi,
                          int& target)
{
    lo = std::max(lo, static_cast<long long>(INT_MIN));
    hi = std::min(hi, static_cast<long long>(INT_MAX));
    add(std::move(names), std::move(meta), std::move(help), false, true,
        [&target, lo, hi](const std::string& v, std::string& error) {
            long long n = 0;
            if (!ReadWhole(v, lo, hi, n)) {
                error = "takes " + Range(lo, hi) + ", not \"" + v + "\"";
                return false;
            }
            target = static_cast<int>(n);
            return true;
        });
}

void OptionScanner::Text(std::string names, std::string meta, std::string help, std::string& target)
{
    add(std::move(names), std::move(meta), std::move(help), false, false, [&target](const std::string& v, std::string&) {
        target = v;
        return true;
    });
}

void OptionScanner::Choice(std::string names, std::string meta, std::string help, std::vector<std::string> choices,
                           std::string& target)
{
    add(std::move(names), std::move(meta), std::move(help), false, true,
        [&target, choices](const std::string& v, std::string& error) {
            const std::string want = lower(v);
            for (const std::string& c : choices)
                if (lower(c) == want) {
                    target = c;
                    return true;
                }
            error = "takes " + ListFormats(choices, "") + ", not \"" + v + "\"";
            return false;
        });
}

void OptionScanner::Custom(std::string names, std::string meta, std::string help,
                           std::function<bool(const std::string&, std::string&)> apply)
{
    add(std::move(names), std::move(meta), std::move(help), false, false, std::move(apply));
}

void OptionScanner::Shard(std::string help, int& shard, int& shards)
{
    add("--shard", "K/N", std::move(help), false, false, [&shard, &shards](const std::string& v, std::string& error) {
        const size_t slash = v.find('/');
        long long k = 0, n = 0;
        if (slash == std::string::npos || !ReadWhole(std::string_view(v).substr(slash + 1), 1, kMaxShards, n)
            || !ReadWhole(std::string_view(v).substr(0, slash), 1, n, k)) {
            error = "--shard takes K/N with 1 <= K <= N <= " + std::to_string(kMaxShards) + ", not \"" + v + "\"";
            return false;
        }
        shard = static_cast<int>(k);
        shards = static_cast<int>(n);
        return true;
    });
}

void OptionScanner::Action(std::string names, std::string help, std::function<bool(std::string&)> apply)
{
    add(std::move(names), {}, std::move(help), false, false,
        [apply = std::move(apply)](const std::string&, std::string& error) { return apply(error); });
}

void OptionScanner::Refuse(std::string names, std::string message)
{
    add(std::move(names), {}, {}, true, false, [message = std::move(message)](const std::string&, std::string& error) {
        error = message;
        return false;
    });
}

void OptionScanner::Operands(std::function<bool(const std::string&, std::string&)> take)
{
    m_operands = std::move(take);
}

void OptionScanner::Epilogue(std::string text) { m_epilogue = std::move(text); }

const OptionScanner::Option* OptionScanner::find(std::string_view name) const
{
    for (const Option& o : m_options)
        for (const std::string& n : o.names)
            if (n == name)
                return &o;
    return nullptr;
}

OptionScanner::Outcome OptionScanner::Parse(const std::vector<std::string>& args, std::string& error)
{
    for (const std::string& a : args) {
        if (a == "--")
            break;
        if (isHelp(a))
            return Outcome::Help;
    }
    const auto bad = [&](std::string message) {
        // Arguments are echoed: a line feed or a terminal escape in one must
        // not reach the terminal raw.
        error = TextNumber::Escape(message);
        return Outcome::Bad;
    };
    bool operandsOnly = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (!operandsOnly && a == "--") {
            operandsOnly = true;
            continue;
        }
        if (operandsOnly || a.size() < 2 || a[0] != '-') {
            std::string why;
            if (!m_operands)
                return bad("unexpected argument " + a + " (see --help)");
            if (!m_operands(a, why))
                return bad(why);
            continue;
        }
        std::string name = a, value;
        bool inlineValue = false;
        if (const size_t eq = a.find('='); a.compare(0, 2, "--") == 0 && eq != std::string::npos) {
            name = a.substr(0, eq);
            value = a.substr(eq + 1);
            inlineValue = true;
        }
        const Option* o = find(name);
        if (!o)
            return bad("unknown option " + name + " (see --help)");
        if (o->meta.empty() && !o->hidden && inlineValue)
            return bad(name + " takes no value");
        if (!o->meta.empty() && !inlineValue) {
            if (i + 1 >= args.size())
                return bad(name + " needs a value (" + o->meta + ")");
            value = args[++i];
        }
        std::string why;
        if (!o->apply(value, why))
            return bad(o->named ? name + " " + why : why);
    }
    return Outcome::Run;
}

std::string OptionScanner::Help() const
{
    constexpr size_t kHelpColumn = 20;
    std::string out;
    size_t start = 0;
    bool first = true;
    while (start < m_usage.size()) {
        size_t end = m_usage.find('\n', start);
        if (end == std::string::npos)
            end = m_usage.size();
        out += first ? "usage: " : "       ";
        out.append(m_usage, start, end - start);
        out += '\n';
        first = false;
        start = end + 1;
    }
    if (!m_about.empty())
        out += '\n' + m_about + (m_about.back() == '\n' ? "" : "\n");
    out += '\n';
    for (const Option& o : m_options) {
        if (o.hidden)
            continue;
        std::string left = "  ";
        for (size_t k = 0; k < o.names.size(); ++k)
            left += (k ? ", " : "") + o.names[k];
        if (!o.meta.empty())
            left += ' ' + o.meta;
        left += "  ";
        if (left.size() > kHelpColumn) {
            out += left.substr(0, left.size() - 2) + '\n';
            left.clear();
        }
        left.resize(kHelpColumn, ' ');
        size_t s = 0;
        while (s <= o.help.size()) {
            size_t e = o.help.find('\n', s);
            if (e == std::string::npos)
                e = o.help.size();
            out += left;
            out.append(o.help, s, e - s);
            out += '\n';
            left.assign(kHelpColumn, ' ');
            s = e + 1;
        }
    }
    out += "  -h, --help        this text\n";
    if (!m_epilogue.empty())
        out += '\n' + m_epilogue + (m_epilogue.back() == '\n' ? "" : "\n");
    return out;
}

bool OptionScanner::ReadWhole(std::string_view s, long long lo, long long hi, long long& out)
{
    bool negative = false;
    if (!s.empty() && (s[0] == '+' || s[0] == '-')) {
        negative = s[0] == '-';
        s.remove_prefix(1);
    }
    if (s.empty() || s.size() > 18)
        return false;  // 18 digits fit a long long whatever they are
    long long v = 0;
    for (const char c : s) {
        if (c < '0' || c > '9')
            return false;
        v = v * 10 + (c - '0');
    }
    if (negative)
        v = -v;
    if (v < lo || v > hi)
        return false;
    out = v;
    return true;
}

std::string OptionScanner::Range(long long lo, long long hi)
{
    if (hi == lo + 1)
        return std::to_string(lo) + " or " + std::to_string(hi);
    if (lo == 1 && hi >= INT_MAX)
        return "a positive whole number";
    if (lo == 0 && hi >= INT_MAX)
        return "a whole number, 0 or more";
    return "a whole number from " + std::to_string(lo) + " to " + std::to_string(hi);
}

bool OptionScanner::FormatOf(std::string_view path, const std::vector<std::string>& formats, std::string& format)
{
    const size_t dot = path.rfind('.');
    const size_t slash = path.rfind('/');
    if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash))
        return false;
    const std::string ext = lower(path.substr(dot + 1));
    if (std::find(formats.begin(), formats.end(), ext) == formats.end())
        return false;
    format = ext;
    return true;
}

std::string OptionScanner::ListFormats(const std::vector<std::string>& formats, const char* prefix)
{
    std::string out;
    for (size_t k = 0; k < formats.size(); ++k) {
        if (k > 0)
            out += k + 1 == formats.size() ? " or " : ", ";
        out += prefix + formats[k];
    }
    return out;
}

bool OptionScanner::ParseOrAnswer(const std::vector<std::string>& args, const std::string& command, std::string& out,
                                  std::string& err, int& status)
{
    std::string message;
    switch (Parse(args, message)) {
    case Outcome::Help:
        out = Help();
        status = kExitOk;
        return false;
    case Outcome::Bad:
        err = command + ": " + message + "\n";
        status = kExitBadCommandLine;
        return false;
    case Outcome::Run:
        break;
    }
    return true;
}
