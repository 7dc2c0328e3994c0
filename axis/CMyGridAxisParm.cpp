// The member of CMyGridAxis that runs its parameter dialog: window code, kept
// in libtarnex so that programs that only draw grids need no widgets.
#include "axis/CMyGridAxis.h"

#include "axis/CGridAxisDlg.h"
#include "axis/ParameterDialogRun.h"

namespace {

// The grid axis and its dialog name the exchanged values alike, so one copy
// serves both directions of the exchange.
template <class To, class From>
void copyDialogValues(To& to, const From& from)
{
    to.m_dXLength = from.m_dXLength;
    to.m_dXLineWidth = from.m_dXLineWidth;
    to.m_dXMin = from.m_dXMin;
    to.m_dXMax = from.m_dXMax;
    to.m_dXScale = from.m_dXScale;
    to.m_bXTitle = from.m_bXTitle;
    to.m_strXTitle = from.m_strXTitle;
    to.m_dXTickStart = from.m_dXTickStart;
    to.m_dXTickStep = from.m_dXTickStep;
    to.m_dXTickLength = from.m_dXTickLength;
    to.m_nXDecimals = from.m_nXDecimals;
    to.m_dXGridWidth = from.m_dXGridWidth;
    to.m_bXLabels = from.m_bXLabels;
    to.m_lfXTitle = from.m_lfXTitle;
    to.m_crXTitle = from.m_crXTitle;
    to.m_lfXLabel = from.m_lfXLabel;
    to.m_crXLabel = from.m_crXLabel;
    to.m_dYLength = from.m_dYLength;
    to.m_dYLineWidth = from.m_dYLineWidth;
    to.m_dYMin = from.m_dYMin;
    to.m_dYMax = from.m_dYMax;
    to.m_dYScale = from.m_dYScale;
    to.m_bYTitle = from.m_bYTitle;
    to.m_strYTitle = from.m_strYTitle;
    to.m_dYTickStart = from.m_dYTickStart;
    to.m_dYTickStep = from.m_dYTickStep;
    to.m_dYTickLength = from.m_dYTickLength;
    to.m_nYDecimals = from.m_nYDecimals;
    to.m_dYGridWidth = from.m_dYGridWidth;
    to.m_bYLabels = from.m_bYLabels;
    to.m_lfYTitle = from.m_lfYTitle;
    to.m_crYTitle = from.m_crYTitle;
    to.m_lfYLabel = from.m_lfYLabel;
    to.m_crYLabel = from.m_crYLabel;
}

}  // namespace

void CMyGridAxis::SetAxisParm()
{
    if (!RunParameterDialog<CGridAxisDlg>(*this, [](auto& to, const auto& from) { copyDialogValues(to, from); }))
        return;
    CreatAxis();
}
