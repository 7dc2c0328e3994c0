// The grid axis parameter dialog: per direction the range, length and scale
// kept consistent while typing, frame width, title, grid ticks and fonts.
#pragma once

#include "platform/wnd/CButton.h"
#include "platform/wnd/CDialog.h"
#include "platform/wnd/CEdit.h"

class CGridAxisDlg : public CDialog {
public:
    explicit CGridAxisDlg(CWnd* pParent = nullptr);
    ~CGridAxisDlg() override;

    CEdit m_editYMin;
    CEdit m_editYMax;
    CEdit m_editXMin;
    CEdit m_editXMax;
    CEdit m_editYLength;
    CEdit m_editYScale;
    CEdit m_editXLength;
    CEdit m_editXScale;
    CButton m_checkXLabels;
    CEdit m_editXGridWidth;
    CEdit m_editXTickLength;
    CEdit m_editXTickStep;
    CEdit m_editXDecimals;
    CEdit m_editXTickStart;
    CButton m_checkYLabels;
    CEdit m_editYGridWidth;
    CEdit m_editYTickLength;
    CEdit m_editYTickStep;
    CEdit m_editYDecimals;
    CEdit m_editYTickStart;
    CEdit m_editYTitle;
    CButton m_checkYTitle;
    CEdit m_editXTitle;
    CButton m_checkXTitle;
    CButton m_btnYLabelFont;
    CButton m_btnYTitleFont;
    CButton m_btnXLabelFont;
    CButton m_btnXTitleFont;

    double m_dXLength;
    double m_dXLineWidth;
    int m_bXTitle;
    double m_dXMax;
    double m_dXMin;
    double m_dXScale;
    CString m_strXTitle;
    double m_dXTickStart;
    int m_nXDecimals;
    double m_dXTickStep;
    double m_dXTickLength;
    int m_bXLabels;
    double m_dYLength;
    double m_dYLineWidth;
    int m_bYTitle;
    double m_dYMax;
    double m_dYMin;
    double m_dYScale;
    CString m_strYTitle;
    double m_dYTickStart;
    int m_nYDecimals;
    double m_dYTickStep;
    double m_dYTickLength;
    double m_dYGridWidth;
    int m_bYLabels;
    double m_dXGridWidth;
    LOGFONT m_lfXTitle;
    COLORREF m_crXTitle;
    LOGFONT m_lfXLabel;
    COLORREF m_crXLabel;
    LOGFONT m_lfYTitle;
    COLORREF m_crYTitle;
    LOGFONT m_lfYLabel;
    COLORREF m_crYLabel;

    void get_font_color(LOGFONT& lf, COLORREF& color);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnXAxisMark();
    void OnYAxisMark();
    void OnXStickMark();
    void OnYStickMark();
    void OnXAxisMarkFont();
    void OnXStickMarkFont();
    void OnYAxisMarkFont();
    void OnYStickMarkFont();
    void OnChangeXAxisLength();
    void OnChangeXAxisScale();
    void OnChangeYAxisLength();
    void OnChangeYAxisScale();
    void OnChangeXAxisMax();
    void OnChangeXAxisMin();
    void OnChangeYAxisMax();
    void OnChangeYAxisMin();

    DECLARE_MESSAGE_MAP()

private:
    enum class LiveBox { Min, Max, Length, Scale };
    // The two directions, numbered as the grid axis numbers them.
    enum class Side { X = 1, Y = 2 };
    struct Direction;
    Direction direction(Side which);
    void onLiveChange(Side which, LiveBox box);
    void exchangeSide(CDataExchange* pDX, Side which);
    void setTickEditsReadOnly(Side which, bool readOnly);
};
