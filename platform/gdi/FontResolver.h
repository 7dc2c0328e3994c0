// Turns a logical-font record into an installed font. Windows face names
// resolve to fonts of close metrics (Times New Roman to Liberation Serif,
// Arial to Liberation Sans, SimSun and the default face to a CJK font), so
// Chinese text always shows as glyphs. Fonts and metrics are cached.
#pragma once

#include "platform/gdi/GdiBackend.h"

#include <QFont>
#include <QFontMetricsF>

class FontResolver {
public:
    // The face used when a font names none: a CJK face, so Chinese shows.
    static const char* defaultFace();
    // A Qt font for the style's font at its device height.
    static const QFont& font(const GdiStyle& style);
    static const QFontMetricsF& metrics(const GdiStyle& style);
    static GdiTextMetrics measure(const CString& text, const GdiStyle& style);
    // Registers the face substitutions; called by the above, safe to call again.
    // Thread-safe: the first call from any thread installs them.
    static void installSubstitutions();

private:
    static void insertSubstitutionsOnce();
};
