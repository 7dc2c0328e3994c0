// The sample sheet's editing: the dialog of the part under a point.
#include "axis/AxisSampleSheet.h"

bool AxisSampleSheet::EditAt(const CPoint& logical)
{
    switch (HitTest(logical)) {
    case Part::XAxis: m_xAxis.SetAxisParm(); return true;
    case Part::YAxis: m_yAxis.SetAxisParm(); return true;
    case Part::Grid: m_grid.SetAxisParm(); return true;
    case Part::None: break;
    }
    return false;
}
