#include "platform/wnd/DialogTemplate.h"

#include <gtest/gtest.h>

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
