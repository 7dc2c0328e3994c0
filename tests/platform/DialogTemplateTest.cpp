#include "platform/wnd/DialogTemplate.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

constexpr const char* kScript = R"(// a small dialog
77 DIALOG 0, 0, 100, 50
STYLE DS_MODALFRAME | WS_CAPTION | WS_SYSMENU
CAPTION "试验"
FONT 9, "宋体"
BEGIN
    EDITTEXT 10, 5, 6, 30, 12, ES_CENTER | ES_NUMBER
    LTEXT "say ""hi""", IDC_STATIC, 40, 6, 30, 8
    COMBOBOX 11, 5, 20, 40, 60, CBS_DROPDOWNLIST
    DEFPUSHBUTTON "确定", IDOK, 60, 30, 25, 14
END
77 DLGINIT
BEGIN
    11, "一", "二"
END
)";

}  // namespace

TEST(DialogTemplateParse, ReadsFrameControlsAndListData)
{
    const auto all = DialogTemplateParser::Parse(kScript);
    ASSERT_EQ(all.count(77u), 1u);
    const DialogTemplate& t = all.at(77);
    EXPECT_EQ(t.caption, CString("试验"));
    EXPECT_EQ(t.faceName, CString("宋体"));
    EXPECT_EQ(t.pointSize, 9);
    EXPECT_EQ(t.style, DS_MODALFRAME | WS_CAPTION | WS_SYSMENU);
    ASSERT_EQ(t.items.size(), 4u);
    EXPECT_EQ(t.items[0].rect, CRect(5, 6, 35, 18));
    EXPECT_EQ(t.items[0].style, ES_CENTER | ES_NUMBER);
    EXPECT_EQ(t.items[1].text, CString("say \"hi\""));
    EXPECT_EQ(t.items[1].id, IDC_STATIC);
    EXPECT_EQ(t.item(11)->listItems, (std::vector<CString>{"一", "二"}));
    EXPECT_EQ(t.item(IDOK)->kind, DialogItemTemplate::Kind::DefPushButton);
}

TEST(DialogTemplateParse, MalformedScriptsAreRefusedWithTheirLine)
{
    const char* bad[] = {
        "1 DIALOG 0, 0, 10\n",                                             // too few numbers
        "1 DIALOG 0, 0, 10, 10\nBEGIN\nEDITTEXT 5, 1, 1, 1\nEND\n",          // short control
        "1 DIALOG 0, 0, 10, 10\nBEGIN\nSLIDER 5, 1, 1, 1, 1\nEND\n",         // unknown control
        "1 DIALOG 0, 0, 10, 10\nSTYLE WS_SPARKLE\nBEGIN\nEND\n",             // unknown style
        "1 DIALOG 0, 0, 10, 10\nCAPTION \"open\nBEGIN\nEND\n",               // unterminated string
        "1 DIALOG 0, 0, 10, 10\nBEGIN\nLTEXT \"a\", 5, 1, 1, 1, 1\n",        // no END
        "1 DIALOG 0, 0, 10, 10\nBEGIN\nLTEXT \"a\", 5, 1, 1, 1, 1\nEND\n1 DLGINIT\nBEGIN\n5, \"x\"\nEND\n",
        "1 DIALOG 0, 0, 99999999999, 10\n",                                 // number out of range
        "1 DIALOG 0, 0, 10, 10\nBEGIN\nEND\n1 DIALOG 0, 0, 10, 10\nBEGIN\nEND\n",  // defined twice
        "1 MENU\n",
    };
    for (const char* s : bad)
        EXPECT_THROW(DialogTemplateParser::Parse(s), DialogTemplateError) << s;
    try {
        DialogTemplateParser::Parse("1 DIALOG 0, 0, 10, 10\nSTYLE WS_SPARKLE\n");
    } catch (const DialogTemplateError& e) {
        EXPECT_NE(std::string(e.what()).find("line 2"), std::string::npos);
    }
    EXPECT_TRUE(DialogTemplateParser::Parse("").empty());
}

// Each state of the reader (between resources, a dialog's head, its body, a
// list-data head and body) with what it accepts and the message, naming the
// line, for what it refuses.
TEST(DialogTemplateParse, EveryStateRefusesWhatDoesNotBelongThereByLine)
{
    const char* dlg = "1 DIALOG 0, 0, 10, 10\n";
    const std::string body = std::string(dlg) + "BEGIN\nCOMBOBOX 5, 1, 1, 9, 9\nLTEXT \"a\", 6, 1, 1, 1, 1\nEND\n";
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"\"x\" DIALOG 0, 0, 1, 1\n", "line 1: resource id and type expected"},
        {"0 DIALOG 0, 0, 1, 1\n", "line 1: resource id out of range"},
        {"65536 DIALOG 0, 0, 1, 1\n", "line 1: resource id out of range"},
        {"1 MENU\n", "line 1: unknown resource type 'MENU'"},
        {"1 DIALOG 0, 0, 0, 10\n", "line 1: dialog size out of range"},
        {std::string(dlg) + "CAPTION 5\n", "line 2: CAPTION needs one string"},
        {std::string(dlg) + "FONT 9\n", "line 2: FONT needs a size and a face"},
        {std::string(dlg) + "FONT 201, \"x\"\n", "line 2: font size out of range"},
        {std::string(dlg) + "LTEXT \"a\", 5, 1, 1, 1, 1\n", "line 2: STYLE, CAPTION, FONT or BEGIN expected"},
        {std::string(dlg) + "BEGIN\n\"END\"\n", "line 3"},  // a quoted END is no END
        {body + "2 DLGINIT\nEND\n", "line 7: BEGIN expected"},
        {body + "2 DLGINIT\nBEGIN\n5, \"x\"\nEND\n", "line 8: list data for an unknown dialog"},
        {body + "1 DLGINIT\nBEGIN\n6, \"x\"\nEND\n", "line 8: list data for a control that is not a combo box"},
        {body + "1 DLGINIT\nBEGIN\n5, x\nEND\n", "line 8: list item must be a string"},
        {std::string(dlg), "line 1: resource not closed by END"},
        {std::string(dlg) + "BEGIN\n", "line 2: resource not closed by END"},
        {body + "1 DLGINIT\n", "line 6: resource not closed by END"},
        {body + "1 DLGINIT\nBEGIN\n5, \"x\"\n", "line 8: resource not closed by END"},
    };
    for (const auto& [script, expect] : cases) {
        try {
            DialogTemplateParser::Parse(script.c_str());
            ADD_FAILURE() << "accepted: " << script;
        } catch (const DialogTemplateError& e) {
            EXPECT_NE(std::string(e.what()).find(expect), std::string::npos) << e.what() << "\nwanted: " << expect;
        }
    }
    // Comments, preprocessor lines and blank lines pass in every state, and
    // list data may follow its dialog after another one.
    const auto all = DialogTemplateParser::Parse(
        "#include \"x.h\"\n\n1 DIALOG 0, 0, 10, 10\n// head\nCAPTION \"a\"\n\nBEGIN\n  // body\n"
        "COMBOBOX 5, 1, 1, 9, 9\n#if 0\nEND\n2 DIALOG 0, 0, 5, 5\nBEGIN\nEND\n1 DLGINIT\n// init\nBEGIN\n\n"
        "5, \"p\", \"q\"\n5, \"r\"\nEND\n");
    ASSERT_EQ(all.size(), 2u);
    EXPECT_EQ(all.at(1).item(5)->listItems, (std::vector<CString>{"p", "q", "r"}));
    EXPECT_TRUE(all.at(2).items.empty());
}
