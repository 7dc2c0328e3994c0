// A dialog's description as data: frame style, caption, font, and each
// control's kind, id, text, rectangle in dialog units, styles and list items.
// Parsed from the resource-script text that modules carry.
#pragma once

#include "platform/core/CRect.h"
#include "platform/core/CString.h"
#include "platform/core/afxmsg.h"

#include <map>
#include <stdexcept>
#include <vector>

struct DialogItemTemplate {
    enum class Kind { Edit, PushButton, DefPushButton, CheckBox, RadioButton, ComboBox, GroupBox, Static, ListBox };
    Kind kind = Kind::Static;
    int id = IDC_STATIC;
    CString text;
    CRect rect;  // left, top, right, bottom in dialog units
    DWORD style = 0;
    std::vector<CString> listItems;  // initial contents of a combo box
};

struct DialogTemplate {
    UINT id = 0;
    CRect rect;  // in dialog units
    DWORD style = 0;
    CString caption;
    int pointSize = 8;
    CString faceName;
    std::vector<DialogItemTemplate> items;

    const DialogItemTemplate* item(int ctrlId) const;
};

class DialogTemplateError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reads resource-script text:
//
//   2003 DIALOG 0, 0, 204, 222
//   STYLE DS_MODALFRAME | WS_CAPTION | WS_SYSMENU
//   CAPTION "Title"
//   FONT 9, "Times New Roman"
//   BEGIN
//       EDITTEXT 1000, 57, 25, 34, 12, ES_CENTER
//       LTEXT "Label", IDC_STATIC, 19, 26, 32, 8
//   END
//   2003 DLGINIT
//   BEGIN
//       1009, "first", "second"
//   END
//
// Lines starting with // or # are comments. Anything malformed throws
// DialogTemplateError naming the line.
class DialogTemplateParser {
public:
    static std::map<UINT, DialogTemplate> Parse(const char* text);
};
