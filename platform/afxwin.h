// The framework layer in one include: value types, drawing, windows.
#pragma once

#include "platform/afxtypes.h"
#include "platform/CArray.h"
#include "platform/CBitmap.h"
#include "platform/CBrush.h"
#include "platform/CDC.h"
#include "platform/CFont.h"
#include "platform/CImageDC.h"
#include "platform/CPen.h"
#include "platform/CPoint.h"
#include "platform/CRecordingDC.h"
#include "platform/CRect.h"
#include "platform/CSize.h"
#include "platform/CString.h"
#include "platform/CStringArray.h"
#include "platform/CVectorDC.h"
#include "platform/CWnd.h"
