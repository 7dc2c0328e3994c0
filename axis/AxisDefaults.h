// The default font of axis titles and labels: bold Times New Roman, 500
// logical units high, as both the linear and the grid axis start with.
#pragma once

#include "platform/core/afxtypes.h"

#include <cstring>

namespace axisdefaults {

inline void DefaultAxisFont(LOGFONT& lf)
{
    lf = LOGFONT{};
    lf.lfHeight = 500;
    lf.lfWidth = 0;
    lf.lfEscapement = 0;
    lf.lfOrientation = 0;
    lf.lfWeight = 700;
    lf.lfItalic = lf.lfUnderline = lf.lfStrikeOut = 0;
    lf.lfCharSet = 0;
    lf.lfOutPrecision = lf.lfClipPrecision = lf.lfQuality = 0;
    lf.lfPitchAndFamily = 18;  // variable pitch, Roman family
    std::strcpy(lf.lfFaceName, "Times New Roman");
}

}  // namespace axisdefaults
