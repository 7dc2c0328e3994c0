#include "platform/wnd/DialogTemplate.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <sstream>
#include <string>

const DialogItemTemplate* DialogTemplate::item(int ctrlId) const
{
    for (const DialogItemTemplate& it : items)
        if (it.id == ctrlId)
            return &it;
    return nullptr;
}

namespace {

struct Token {
    std::string text;
    bool quoted = false;
};

[[noreturn]] void fail(int line, const std::string& what)
{
    throw DialogTemplateError("dialog resource line " + std::to_string(line) + ": " + what);
}

// Words, numbers and quoted strings; commas and '|' separate like blanks.
std::vector<Token> tokenize(const std::string& s, int line)
{
    std::vector<Token> out;
    size_t i = 0;
    while (i < s.size()) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        if (std::isspace(c) || c == ',' || c == '|') {
            ++i;
        } else if (c == '"') {
            std::string t;
            ++i;
            bool closed = false;
            while (i < s.size()) {
                if (s[i] == '"') {
                    if (i + 1 < s.size() && s[i + 1] == '"') {  // "" is a quote inside a string
                        t += '"';
                        i += 2;
                        continue;
                    }
                    closed = true;
                    ++i;
                    break;
                }
                t += s[i++];
            }
            if (!closed)
                fail(line, "unterminated string");
            out.push_back({t, true});
        } else {
            size_t j = i;
            while (j < s.size() && !std::isspace(static_cast<unsigned char>(s[j])) && s[j] != ',' && s[j] != '|' &&
                   s[j] != '"')
                ++j;
            out.push_back({s.substr(i, j - i), false});
            i = j;
        }
    }
    return out;
}

int toInt(const Token& t, int line)
{
    if (t.quoted)
        fail(line, "number expected, found a string");
    if (t.text == "IDC_STATIC")
        return IDC_STATIC;
    if (t.text == "IDOK")
        return IDOK;
    if (t.text == "IDCANCEL")
        return IDCANCEL;
    errno = 0;
    char* end = nullptr;
    const long v = std::strtol(t.text.c_str(), &end, 0);
    if (t.text.empty() || *end != '\0' || errno == ERANGE || v < INT_MIN || v > INT_MAX)
        fail(line, "bad number '" + t.text + "'");
    return static_cast<int>(v);
}

DWORD styleBit(const std::string& name, int line)
{
    static const std::map<std::string, DWORD> names = {
        {"WS_CHILD", WS_CHILD}, {"WS_VISIBLE", WS_VISIBLE}, {"WS_DISABLED", WS_DISABLED},
        {"WS_CAPTION", WS_CAPTION}, {"WS_BORDER", WS_BORDER}, {"WS_VSCROLL", WS_VSCROLL},
        {"WS_HSCROLL", WS_HSCROLL}, {"WS_SYSMENU", WS_SYSMENU}, {"WS_GROUP", WS_GROUP},
        {"WS_TABSTOP", WS_TABSTOP}, {"WS_POPUP", WS_POPUP}, {"DS_MODALFRAME", DS_MODALFRAME},
        {"DS_SETFONT", DS_SETFONT}, {"ES_LEFT", ES_LEFT}, {"ES_CENTER", ES_CENTER}, {"ES_RIGHT", ES_RIGHT},
        {"ES_MULTILINE", ES_MULTILINE}, {"ES_AUTOHSCROLL", ES_AUTOHSCROLL}, {"ES_READONLY", ES_READONLY},
        {"ES_NUMBER", ES_NUMBER}, {"CBS_DROPDOWNLIST", CBS_DROPDOWNLIST}, {"CBS_DROPDOWN", CBS_DROPDOWN},
        {"CBS_SORT", CBS_SORT}, {"SS_LEFT", SS_LEFT}, {"SS_CENTER", SS_CENTER}, {"SS_RIGHT", SS_RIGHT},
        // List boxes.
        {"LBS_NOTIFY", 0x0001}, {"LBS_SORT", 0x0002}, {"LBS_OWNERDRAWFIXED", 0x0010},
        {"LBS_OWNERDRAWVARIABLE", 0x0020}, {"LBS_HASSTRINGS", 0x0040}, {"LBS_USETABSTOPS", 0x0080},
        {"LBS_NOINTEGRALHEIGHT", 0x0100}, {"LBS_NOSEL", 0x4000},
    };
    const auto it = names.find(name);
    if (it == names.end())
        fail(line, "unknown style '" + name + "'");
    return it->second;
}

DWORD styles(const std::vector<Token>& toks, size_t from, int line)
{
    DWORD s = 0;
    for (size_t i = from; i < toks.size(); ++i) {
        if (toks[i].quoted)
            fail(line, "style expected, found a string");
        s |= styleBit(toks[i].text, line);
    }
    return s;
}

// "KIND [\"text\"] id, x, y, cx, cy [, styles]"
DialogItemTemplate control(const std::vector<Token>& toks, int line)
{
    static const std::map<std::string, std::pair<DialogItemTemplate::Kind, bool>> kinds = {
        {"EDITTEXT", {DialogItemTemplate::Kind::Edit, false}},
        {"PUSHBUTTON", {DialogItemTemplate::Kind::PushButton, true}},
        {"DEFPUSHBUTTON", {DialogItemTemplate::Kind::DefPushButton, true}},
        {"AUTOCHECKBOX", {DialogItemTemplate::Kind::CheckBox, true}},
        {"AUTORADIOBUTTON", {DialogItemTemplate::Kind::RadioButton, true}},
        {"COMBOBOX", {DialogItemTemplate::Kind::ComboBox, false}},
        {"GROUPBOX", {DialogItemTemplate::Kind::GroupBox, true}},
        {"LTEXT", {DialogItemTemplate::Kind::Static, true}},
        {"LISTBOX", {DialogItemTemplate::Kind::ListBox, false}},
    };
    const auto k = kinds.find(toks[0].text);
    if (k == kinds.end())
        fail(line, "unknown control '" + toks[0].text + "'");
    DialogItemTemplate it;
    it.kind = k->second.first;
    size_t i = 1;
    if (k->second.second) {
        if (toks.size() < 2 || !toks[1].quoted)
            fail(line, "control text expected");
        it.text = CString(toks[1].text);
        i = 2;
    }
    if (toks.size() < i + 5)
        fail(line, "control needs an id and four coordinates");
    it.id = toInt(toks[i], line);
    const int x = toInt(toks[i + 1], line), y = toInt(toks[i + 2], line);
    const int cx = toInt(toks[i + 3], line), cy = toInt(toks[i + 4], line);
    if (cx < 0 || cy < 0 || x < -32768 || y < -32768 || x > 32767 || y > 32767 || cx > 32767 || cy > 32767)
        fail(line, "control rectangle out of range");
    it.rect = CRect(x, y, x + cx, y + cy);
    it.style = styles(toks, i + 5, line);
    if (it.kind == DialogItemTemplate::Kind::DefPushButton)
        it.style |= BS_DEFPUSHBUTTON;
    return it;
}

}  // namespace

std::map<UINT, DialogTemplate> DialogTemplateParser::Parse(const char* text)
{
    std::map<UINT, DialogTemplate> out;
    if (!text)
        return out;
    std::istringstream in(text);
    std::string raw;
    int line = 0;
    enum class Where { Top, DialogHead, DialogBody, InitHead, InitBody } where = Where::Top;
    DialogTemplate* cur = nullptr;
    UINT initId = 0;
    while (std::getline(in, raw)) {
        ++line;
        const size_t first = raw.find_first_not_of(" \t\r");
        if (first == std::string::npos || raw.compare(first, 2, "//") == 0 || raw[first] == '#')
            continue;
        const std::vector<Token> toks = tokenize(raw, line);
        if (toks.empty())
            continue;
        const std::string& head = toks[0].text;
        switch (where) {
        case Where::Top: {
            if (toks.size() < 2 || toks[0].quoted)
                fail(line, "resource id and type expected");
            const int id = toInt(toks[0], line);
            if (id <= 0 || id > 0xffff)
                fail(line, "resource id out of range");
            if (toks[1].text == "DIALOG" || toks[1].text == "DIALOGEX") {
                if (toks.size() != 6)
                    fail(line, "DIALOG needs x, y, cx, cy");
                if (out.count(static_cast<UINT>(id)))
                    fail(line, "dialog " + std::to_string(id) + " defined twice");
                DialogTemplate t;
                t.id = static_cast<UINT>(id);
                const int x = toInt(toks[2], line), y = toInt(toks[3], line);
                const int cx = toInt(toks[4], line), cy = toInt(toks[5], line);
                if (cx <= 0 || cy <= 0 || cx > 32767 || cy > 32767 || x < -32768 || y < -32768 || x > 32767 ||
                    y > 32767)
                    fail(line, "dialog size out of range");
                t.rect = CRect(x, y, x + cx, y + cy);
                cur = &out.emplace(t.id, t).first->second;
                where = Where::DialogHead;
            } else if (toks[1].text == "DLGINIT") {
                initId = static_cast<UINT>(id);
                where = Where::InitHead;
            } else {
                fail(line, "unknown resource type '" + toks[1].text + "'");
            }
            break;
        }
        case Where::DialogHead:
            if (head == "STYLE") {
                cur->style = styles(toks, 1, line);
            } else if (head == "CAPTION") {
                if (toks.size() != 2 || !toks[1].quoted)
                    fail(line, "CAPTION needs one string");
                cur->caption = CString(toks[1].text);
            } else if (head == "FONT") {
                if (toks.size() != 3 || !toks[2].quoted)
                    fail(line, "FONT needs a size and a face");
                cur->pointSize = toInt(toks[1], line);
                if (cur->pointSize <= 0 || cur->pointSize > 200)
                    fail(line, "font size out of range");
                cur->faceName = CString(toks[2].text);
            } else if (head == "BEGIN") {
                where = Where::DialogBody;
            } else {
                fail(line, "STYLE, CAPTION, FONT or BEGIN expected");
            }
            break;
        case Where::DialogBody:
            if (head == "END" && !toks[0].quoted) {
                where = Where::Top;
                cur = nullptr;
            } else {
                cur->items.push_back(control(toks, line));
            }
            break;
        case Where::InitHead:
            if (head != "BEGIN")
                fail(line, "BEGIN expected");
            where = Where::InitBody;
            break;
        case Where::InitBody: {
            if (head == "END" && !toks[0].quoted) {
                where = Where::Top;
                break;
            }
            const auto dlg = out.find(initId);
            if (dlg == out.end())
                fail(line, "list data for an unknown dialog");
            DialogItemTemplate* target = nullptr;
            const int ctrl = toInt(toks[0], line);
            for (DialogItemTemplate& it : dlg->second.items)
                if (it.id == ctrl && it.kind == DialogItemTemplate::Kind::ComboBox)
                    target = &it;
            if (!target)
                fail(line, "list data for a control that is not a combo box");
            for (size_t i = 1; i < toks.size(); ++i) {
                if (!toks[i].quoted)
                    fail(line, "list item must be a string");
                target->listItems.push_back(CString(toks[i].text));
            }
            break;
        }
        }
    }
    if (where != Where::Top)
        fail(line, "resource not closed by END");
    return out;
}
