#include "platform/wnd/WidgetFont.h"

#include "platform/gdi/FontResolver.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <cmath>
#include <cstring>

int WidgetFont::ScreenDpi()
{
    const QScreen* s = QGuiApplication::primaryScreen();
    const int dpi = s ? static_cast<int>(std::lround(s->logicalDotsPerInchY())) : 96;
    return dpi > 0 ? dpi : 96;
}

QFont WidgetFont::ToQFont(const LOGFONT& lf)
{
    GdiStyle st;
    st.font = lf;
    st.fontDeviceHeight = lf.lfHeight == 0 ? -std::max(1, ScreenDpi() * 12 / 72) : lf.lfHeight;
    QFont f = FontResolver::font(st);
    f.setHintingPreference(QFont::PreferDefaultHinting);
    return f;
}

LOGFONT WidgetFont::FromQFont(const QFont& f)
{
    LOGFONT lf;
    int px = f.pixelSize();
    if (px <= 0)
        px = static_cast<int>(std::lround(f.pointSizeF() * ScreenDpi() / 72.0));
    lf.lfHeight = -std::max(1, px);
    lf.lfWeight = std::clamp(static_cast<int>(f.weight()), 100, 900);
    lf.lfItalic = f.italic() ? 1 : 0;
    lf.lfUnderline = f.underline() ? 1 : 0;
    lf.lfStrikeOut = f.strikeOut() ? 1 : 0;
    // The face name is cut at a character boundary to fit the record.
    const QByteArray face = f.family().toUtf8();
    size_t n = std::min<size_t>(static_cast<size_t>(face.size()), LF_FACESIZE - 1);
    while (n > 0 && n < static_cast<size_t>(face.size()) && (static_cast<unsigned char>(face[n]) & 0xC0) == 0x80)
        --n;
    std::memcpy(lf.lfFaceName, face.constData(), n);
    lf.lfFaceName[n] = '\0';
    return lf;
}

QFont WidgetFont::PointFont(const char* face, int pointSize)
{
    LOGFONT lf;
    lf.lfHeight = -std::max(1, static_cast<int>(std::lround(pointSize * ScreenDpi() / 72.0)));
    if (face)
        std::strncpy(lf.lfFaceName, face, LF_FACESIZE - 1);
    return ToQFont(lf);
}
