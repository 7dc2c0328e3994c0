// The axis parameter dialog: range, length and scale kept consistent while
// the user types, kind, ticks, labels, title, line widths, fonts and colours.
#pragma once

#include "platform/wnd/CButton.h"
#include "platform/wnd/CDialog.h"
#include "platform/wnd/CEdit.h"

class AxisDialog : public CDialog {
public:
    explicit AxisDialog(CWnd* pParent = nullptr);
    ~AxisDialog() override;

    CEdit m_editScale;
    CEdit m_editMin;
    CEdit m_editMax;
    CEdit m_editLength;
    float m_fLength;
    float m_fMax;
    float m_fMin;
    float m_fScale;
    float m_fTickStart;
    float m_fTickStep;
    int m_nDecimals;
    float m_fTickLength;
    int m_bTitle;
    int m_bLabels;
    int m_nTickDir;
    CString m_strTitle;
    int m_nKind;
    float m_fLabelAngle;
    float m_fLineWidth;
    float m_fTickLineWidth;
    CWnd* m_pRadioX;
    CWnd* m_pRadioY;
    CWnd* m_pRadioZ;
    LOGFONT m_lfTitle;
    COLORREF m_crTitle;
    LOGFONT m_lfLabel;
    COLORREF m_crLabel;

    void SetAxisKind();

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnAxisKind();
    void OnAxisMarkFont();
    void OnStickMarkFont();
    void OnChangeAxisLength();
    void OnChangeAxisMax();
    void OnChangeAxisMin();
    void OnChangeAxisScale();
    void OnStickMark();
    void OnAxisLineStyle();
    void OnStickLineStyle();

    DECLARE_MESSAGE_MAP()

private:
    enum class LiveBox { Min, Max, Length, Scale };
    void onLiveChange(LiveBox which);
};
