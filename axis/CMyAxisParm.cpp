// The member of CMyAxis that runs its parameter dialog: window code, kept in
// libtarnex so that programs that only draw axes need no widgets.
#include "axis/CMyAxis.h"

#include "platform/core/ChartMath.h"
#include "axis/AxisDialog.h"
#include "axis/ParameterDialogRun.h"

namespace {

// The axis and its dialog name the exchanged values alike, so one copy
// serves both directions.
template <class To, class From>
void copyDialogValues(To& to, const From& from)
{
    to.m_fLength = from.m_fLength;
    to.m_fMax = from.m_fMax;
    to.m_fMin = from.m_fMin;
    to.m_fScale = from.m_fScale;
    to.m_fTickStart = from.m_fTickStart;
    to.m_fTickStep = from.m_fTickStep;
    to.m_nDecimals = from.m_nDecimals;
    to.m_fTickLength = from.m_fTickLength;
    to.m_bTitle = from.m_bTitle;
    to.m_bLabels = from.m_bLabels;
    to.m_nTickDir = from.m_nTickDir;
    to.m_strTitle = from.m_strTitle;
    to.m_nKind = from.m_nKind;
    to.m_fLabelAngle = from.m_fLabelAngle;
    to.m_fLineWidth = from.m_fLineWidth;
    to.m_fTickLineWidth = from.m_fTickLineWidth;
    to.m_lfTitle = from.m_lfTitle;
    to.m_crTitle = from.m_crTitle;
    to.m_lfLabel = from.m_lfLabel;
    to.m_crLabel = from.m_crLabel;
}

}  // namespace

void CMyAxis::SetAxisParm()
{
    if (!RunParameterDialog<AxisDialog>(*this, [](auto& to, const auto& from) { copyDialogValues(to, from); }))
        return;
    // Only the label font turns with the angle; the title keeps its own.
    m_lfLabel.lfEscapement = chartmath::ToUnits(m_fLabelAngle * 10.0);
    CreatAxis();
}
