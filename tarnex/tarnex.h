// Everything a host needs from tarnex in one include: the framework layer,
// the charts, axes, their dialogs and the exporter.
#pragma once

#include "platform/core/AtomicFile.h"
#include "platform/gdi/PngWriter.h"
#include "platform/wnd/afxwin.h"

#include "axis/AxisDefaults.h"
#include "axis/AxisDialog.h"
#include "axis/AxisSampleSheet.h"
#include "axis/CGridAxisDlg.h"
#include "axis/CMyAxis.h"
#include "axis/CMyFontDialog.h"
#include "axis/CMyGridAxis.h"
#include "chart/BundledData.h"
#include "chart/ChartExporter.h"
#include "frame/CModuleResGuard.h"
#include "res/resource.h"

#include "model1d/CDrawRPToH.h"
#include "model1d/DrawLayeredModelChart.h"
#include "model1d/LayeredModelFile.h"
#include "model1d/LayeredModelRender.h"
#include "sounding/CDrawRPCurve.h"
#include "sounding/DrawSoundingChart.h"
#include "sounding/SoundingFile.h"
#include "sounding/SoundingRender.h"
#include "sounding/SurveyFile.h"
// The two charts as the apps draw them: legend, axis titles, labels kept apart.
#include "model1d/LayeredModelFigure.h"
#include "sounding/SoundingFigure.h"

#include "platform/wnd/CColorDialog.h"
#include "platform/wnd/CListBox.h"
#include "profile/CColorButton.h"
#include "profile/CMyProf.h"
#include "profile/CProfLineDlg.h"
#include "profile/CProfLineList.h"
#include "profile/CRectProf.h"
#include "profile/ProfileFile.h"
#include "profile/ProfilePanel.h"

#include "morvel/CCPloy2DRg.h"
#include "morvel/CMYColor.h"
#include "geometry/CMyPolySect.h"
#include "morvel/PLYDT.h"
#include "geometry/PolyModelFile.h"
#include "geometry/SectionColourBar.h"
#include "geometry/SectionSheet.h"
#include "morvel/TMOD3D.h"

// Window utilities: capture to bitmap, hyperlink label, tab window, splitter, test dialog.
#include "ui/CClientCapture.h"
#include "ui/CHyperLink.h"
#include "ui/CTabWindow.h"
#include "ui/CViewExSplitWnd.h"
#include "ui/dlgtest.h"

// Forward modelling of layered earths (libtarnex-em1d, no Qt): TEM and MT
// responses. Link tarnex::em1d for these.
#include "em1d/LayeredEarth.h"
#include "em1d/ModelError.h"
#include "em1d/MtForward.h"
#include "em1d/TemForward.h"
#include "em1d/TemSystem.h"
#include "em1d/TemInversion.h"
#include "em1d/OccamInversion.h"
