#include "platform/core/ReaderMessage.h"

#include <array>

// Marks a template for the hosts' translation tools (Qt's lupdate reads it
// as QT_TRANSLATE_NOOP); the library itself uses the English as written.
#define TARNEX_READER_TEXT(context, text) text

namespace {

using Id = ReaderMessage::Id;

constexpr std::array<const char*, static_cast<size_t>(Id::Count)> kTemplates = {
    TARNEX_READER_TEXT("ReaderMessage", "cannot open %1: %2"),
    TARNEX_READER_TEXT("ReaderMessage", "cannot read %1: is a directory"),
    TARNEX_READER_TEXT("ReaderMessage", "cannot read %1: %2"),
    TARNEX_READER_TEXT("ReaderMessage", "%1 is larger than %2 bytes, the most this reader takes"),
    TARNEX_READER_TEXT("ReaderMessage", "not a text file (it holds a NUL byte)"),
    TARNEX_READER_TEXT("ReaderMessage", "\"%1\" is not a number"),
    TARNEX_READER_TEXT("ReaderMessage", "\"%1\" is not a number (%2 column)"),
    TARNEX_READER_TEXT("ReaderMessage", "\"%1\" is out of range"),
    TARNEX_READER_TEXT("ReaderMessage", "\"%1\" is out of range (%2 column)"),
    TARNEX_READER_TEXT("ReaderMessage",
                       "holds 1 number; a sounding row holds five (abscissa, measured R, measured V, modelled R, "
                       "modelled V) or three (abscissa, measured R, measured V); a file whose rows span lines must "
                       "be read as a stream"),
    TARNEX_READER_TEXT("ReaderMessage",
                       "holds %1 numbers; a sounding row holds five (abscissa, measured R, measured V, modelled R, "
                       "modelled V) or three (abscissa, measured R, measured V); a file whose rows span lines must "
                       "be read as a stream"),
    TARNEX_READER_TEXT("ReaderMessage",
                       "holds 1 number where the rows above hold %1; a sounding file keeps one count of columns "
                       "(a file whose rows span lines must be read as a stream)"),
    TARNEX_READER_TEXT("ReaderMessage",
                       "holds %1 numbers where the rows above hold %2; a sounding file keeps one count of columns "
                       "(a file whose rows span lines must be read as a stream)"),
    TARNEX_READER_TEXT("ReaderMessage", "a layer line must hold two numbers (thickness resistivity), found %1"),
    TARNEX_READER_TEXT("ReaderMessage", "the half-space line must hold one number (its resistivity), found %1"),
    TARNEX_READER_TEXT("ReaderMessage", "%1 %2 must be greater than 0"),
    TARNEX_READER_TEXT("ReaderMessage", "holds no sounding rows"),
    TARNEX_READER_TEXT("ReaderMessage", "no layers: the file holds no numbers"),
    TARNEX_READER_TEXT("ReaderMessage", "holds no station rows"),
};

bool isPlaceholder(std::string_view text, size_t i)
{
    return text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9';
}

// Whether message from m on is templ from t on, each %n standing for a
// non-empty run of characters that is stored in args[n-1]. Every split is
// tried, shortest arguments first.
bool match(std::string_view templ, size_t t, std::string_view message, size_t m, std::vector<std::string>& args)
{
    while (t < templ.size() && !isPlaceholder(templ, t)) {
        if (m >= message.size() || templ[t] != message[m])
            return false;
        ++t;
        ++m;
    }
    if (t == templ.size())
        return m == message.size();
    const size_t n = static_cast<size_t>(templ[t + 1] - '1');
    if (args.size() <= n)
        args.resize(n + 1);
    for (size_t end = m + 1; end <= message.size(); ++end) {
        // An argument that opens the message never runs past a ": ": what
        // stands before one is where the message comes from, not the argument.
        if (t == 0 && message.substr(end - 1, 2) == ": ")
            break;
        if (match(templ, t + 2, message, end, args)) {
            args[n] = std::string(message.substr(m, end - m));
            return true;
        }
    }
    return false;
}

}  // namespace

const char* ReaderMessage::Template(Id id)
{
    const auto k = static_cast<size_t>(id);
    return k < kTemplates.size() ? kTemplates[k] : "";
}

std::string ReaderMessage::Fill(std::string_view text, const std::vector<std::string>& args)
{
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const size_t n = isPlaceholder(text, i) ? static_cast<size_t>(text[i + 1] - '1') : args.size();
        if (n < args.size()) {
            out += args[n];
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

CString ReaderMessage::Text(Id id, std::initializer_list<std::string> args)
{
    return CString(Fill(Template(id), std::vector<std::string>(args)).c_str());
}

bool ReaderMessage::Parse(std::string_view message, Parts& out)
{
    for (size_t from = 0; from != std::string_view::npos;) {
        const std::string_view detail = message.substr(from);
        for (size_t k = 0; k < kTemplates.size(); ++k) {
            std::vector<std::string> args;
            if (match(kTemplates[k], 0, detail, 0, args)) {
                out.prefix = std::string(message.substr(0, from));
                out.id = static_cast<Id>(k);
                out.args = std::move(args);
                return true;
            }
        }
        const size_t colon = message.find(": ", from);
        from = colon == std::string_view::npos ? colon : colon + 2;
    }
    return false;
}
