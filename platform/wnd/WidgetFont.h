// Logical fonts on widgets: a LOGFONT whose height is in screen pixels
// (negative = character height) becomes the Qt font a control shows, and back.
#pragma once

#include "platform/core/afxtypes.h"

#include <QFont>

class WidgetFont {
public:
    // Face substitutions apply (Times New Roman to Liberation Serif, SimSun to a CJK face).
    static QFont ToQFont(const LOGFONT& lf);
    // Height as a negative character height in pixels; fields a widget font
    // does not carry (escapement, charset, precisions) are left at their defaults.
    static LOGFONT FromQFont(const QFont& f);
    // A font of pointSize points at the screen's resolution.
    static QFont PointFont(const char* face, int pointSize);
    // Screen resolution used for point sizes of dialogs (96 without a screen).
    static int ScreenDpi();
};
