#include "ui/dlgtest.h"

#include "res/resource.h"

dlgtest::dlgtest(CWnd* pParent) : CDialog(IDD, pParent) {}

void dlgtest::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_TEST_TEXT, m_text);
    DDV_MaxChars(pDX, m_text, 10);
}

BEGIN_MESSAGE_MAP(dlgtest, CDialog)
END_MESSAGE_MAP()
