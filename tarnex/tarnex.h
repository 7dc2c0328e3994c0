// Everything a host needs from tarnex in one include: the framework layer,
// the charts, axes, dialogs and window utilities.
#pragma once

#include "platform/afxwin.h"
#include "platform/AtomicFile.h"
#include "platform/PngWriter.h"

#include "axis/AxisArithmetic.h"
#include "axis/AxisDefaults.h"
#include "axis/AxisDialog.h"
#include "axis/AxisSampleSheet.h"
#include "axis/AxisTextScope.h"
#include "axis/BoundedNumber.h"
#include "axis/CGridAxisDlg.h"
#include "axis/CMyAxis.h"
#include "axis/CMyFontDialog.h"
#include "axis/CMyGridAxis.h"
#include "axis/ParameterDialogRun.h"
#include "frame/CModuleResGuard.h"
#include "res/resource.h"

#include "frame/ChartExporter.h"
#include "frame/ChartMath.h"
#include "frame/TextNumber.h"

#include "model1d/CDrawRPToH.h"
#include "model1d/DrawLayeredModelChart.h"
#include "model1d/LayeredModelFile.h"
#include "model1d/LayeredModelRender.h"
#include "sounding/CDrawRPCurve.h"
#include "sounding/DrawSoundingChart.h"
#include "sounding/SoundingFile.h"
