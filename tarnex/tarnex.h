// Everything a host needs from tarnex in one include: the framework layer,
// the charts, axes, dialogs and window utilities.
#pragma once

#include "platform/afxwin.h"

#include "sounding/CDrawRPCurve.h"
