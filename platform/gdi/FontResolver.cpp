#include "platform/gdi/FontResolver.h"

#include <QString>
#include <QStringList>

#include <algorithm>
#include <cstring>
#include <map>
#include <memory>
#include <mutex>
#include <tuple>

namespace {

constexpr const char* kCjkFace = "WenQuanYi Micro Hei";

struct Entry {
    QFont font;
    std::unique_ptr<QFontMetricsF> metrics;
};

using Key = std::tuple<std::string, int, int, int, int, int>;

// One cache a thread: a batch renders charts on several threads at once, and
// a QFont or its metrics may not be used by two threads together.
std::map<Key, Entry>& cache()
{
    thread_local std::map<Key, Entry> c;
    return c;
}

QString faceOf(const LOGFONT& lf)
{
    const size_t n = strnlen(lf.lfFaceName, LF_FACESIZE);
    if (n == 0)
        return QString::fromUtf8(kCjkFace);
    return QString::fromUtf8(lf.lfFaceName, static_cast<qsizetype>(n));
}

Entry& entryFor(const GdiStyle& st)
{
    FontResolver::installSubstitutions();
    const LOGFONT& lf = st.font;
    const QString face = faceOf(lf);
    int h = st.fontDeviceHeight;
    const Key key{face.toStdString(), h, static_cast<int>(lf.lfWeight), lf.lfItalic, lf.lfUnderline,
                  lf.lfStrikeOut};
    auto it = cache().find(key);
    if (it != cache().end())
        return it->second;

    QFont f(face);
    f.setStyleStrategy(QFont::PreferAntialias);
    f.setHintingPreference(QFont::PreferNoHinting);
    if (lf.lfWeight > 0)
        f.setWeight(static_cast<QFont::Weight>(std::clamp<int>(static_cast<int>(lf.lfWeight), 100, 900)));
    f.setItalic(lf.lfItalic != 0);
    f.setUnderline(lf.lfUnderline != 0);
    f.setStrikeOut(lf.lfStrikeOut != 0);
    // Negative: the character (em) height; positive: the cell height, which
    // is the em height scaled by the face's em / (ascent + descent).
    int em = h < 0 ? -h : h;
    if (h > 0) {
        QFont probe(f);
        probe.setPixelSize(1000);
        const QFontMetricsF pm(probe);
        const double cell = pm.ascent() + pm.descent();
        if (cell > 0)
            em = static_cast<int>(h * 1000.0 / cell + 0.5);
    }
    f.setPixelSize(std::max(1, em));
    Entry e{f, std::make_unique<QFontMetricsF>(f)};
    return cache().emplace(key, std::move(e)).first->second;
}

}  // namespace

const char* FontResolver::defaultFace() { return kCjkFace; }

void FontResolver::installSubstitutions()
{
    static std::once_flag once;
    std::call_once(once, [] { insertSubstitutionsOnce(); });
}

void FontResolver::insertSubstitutionsOnce()
{
    const QString cjk = QString::fromUtf8(kCjkFace);
    const QStringList cjkFallbacks{cjk, QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Droid Sans Fallback")};
    QFont::insertSubstitutions(QStringLiteral("Times New Roman"), {QStringLiteral("Liberation Serif"), cjk});
    QFont::insertSubstitutions(QStringLiteral("Arial"), {QStringLiteral("Liberation Sans"), cjk});
    QFont::insertSubstitutions(QStringLiteral("Courier New"), {QStringLiteral("Liberation Mono"), cjk});
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), {QStringLiteral("Liberation Sans"), cjk});
    QFont::insertSubstitutions(QStringLiteral("MS Shell Dlg"), {QStringLiteral("Liberation Sans"), cjk});
    for (const char* name : {"宋体", "SimSun", "新宋体", "NSimSun", "黑体", "SimHei", "楷体", "楷体_GB2312",
                             "KaiTi", "仿宋", "FangSong", "System"})
        QFont::insertSubstitutions(QString::fromUtf8(name), cjkFallbacks);
}

const QFont& FontResolver::font(const GdiStyle& style) { return entryFor(style).font; }

const QFontMetricsF& FontResolver::metrics(const GdiStyle& style) { return *entryFor(style).metrics; }

GdiTextMetrics FontResolver::measure(const CString& text, const GdiStyle& style)
{
    const QFontMetricsF& m = metrics(style);
    return GdiTextMetrics{m.horizontalAdvance(QString::fromUtf8(text.GetString(), text.GetLength())),
                          m.ascent(), m.descent()};
}
