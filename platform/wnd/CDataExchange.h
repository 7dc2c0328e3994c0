// Moving values between a dialog's members and its controls, with checks:
// the DDX_ routines exchange one value, the DDV_ routines test a bound when
// saving and show the framework's message when it fails.
#pragma once

#include "platform/core/CString.h"
#include "platform/core/afxmsg.h"

#include <exception>

class CWnd;
class QWidget;

// Thrown by CDataExchange::Fail; UpdateData catches it and returns FALSE.
class CUserException : public std::exception {
public:
    const char* what() const noexcept override { return "dialog data exchange failed"; }
};

class CDataExchange {
public:
    CDataExchange(CWnd* dlgWnd, BOOL saveAndValidate);

    BOOL m_bSaveAndValidate;
    CWnd* m_pDlgWnd;
    int m_idLastControl = 0;
    BOOL m_bEditLastControl = FALSE;

    QWidget* PrepareCtrl(int id);
    QWidget* PrepareEditCtrl(int id);
    // Puts the focus on the control that failed (its text selected) and
    // abandons the exchange.
    [[noreturn]] void Fail();
};

// The framework's messages for values it cannot take.
namespace ddxmsg {
inline constexpr const char* kParseInt = "请输入一个整数。";
inline constexpr const char* kParseReal = "请输入一个数。";
inline constexpr const char* kIntRange = "请输入一个在 %s 和 %s 之间的整数。";
inline constexpr const char* kRealRange = "请输入一个在 %s 和 %s 之间的数。";
inline constexpr const char* kMaxChars = "请输入不超过 %d 个字符。";
}  // namespace ddxmsg

// Numbers show as "%.6g" (float) and "%.15g" (double); reading takes the whole
// text as one number, blanks around it allowed, and refuses values the type cannot hold.
void DDX_Text(CDataExchange* pDX, int id, int& value);
void DDX_Text(CDataExchange* pDX, int id, float& value);
void DDX_Text(CDataExchange* pDX, int id, double& value);
void DDX_Text(CDataExchange* pDX, int id, CString& value);
void DDX_Check(CDataExchange* pDX, int id, int& value);
void DDX_CBIndex(CDataExchange* pDX, int id, int& index);
void DDX_Control(CDataExchange* pDX, int id, CWnd& control);

void DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal);
void DDV_MinMaxFloat(CDataExchange* pDX, float const& value, float minVal, float maxVal);
void DDV_MinMaxDouble(CDataExchange* pDX, double const& value, double minVal, double maxVal);
// Loading limits the edit to maxChars characters; saving tests the length.
void DDV_MaxChars(CDataExchange* pDX, CString const& value, int maxChars);
