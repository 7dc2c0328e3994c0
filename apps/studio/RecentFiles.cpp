#include "RecentFiles.h"

#include <QFileInfo>
#include <QSettings>

namespace {

const char* const kKindNames[] = {"sounding", "model", "survey"};

}  // namespace

void RecentFiles::Load()
{
    m_entries.clear();
    QSettings s(QStringLiteral("tarnex"), QStringLiteral("tarnex-studio"));
    const int n = s.beginReadArray(QStringLiteral("recentFiles"));
    for (int i = 0; i < n && m_entries.size() < kMaxEntries; ++i) {
        s.setArrayIndex(i);
        const QString kind = s.value(QStringLiteral("kind")).toString();
        const QString path = s.value(QStringLiteral("path")).toString();
        for (int k = 0; k < 3; ++k) {
            if (kind == QLatin1String(kKindNames[k]) && !path.isEmpty()) {
                m_entries.append({static_cast<Kind>(k), path});
                break;
            }
        }
    }
    s.endArray();
}

void RecentFiles::Add(Kind kind, const QString& path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    Remove(absolute);
    m_entries.prepend({kind, absolute});
    while (m_entries.size() > kMaxEntries)
        m_entries.removeLast();
    save();
}

void RecentFiles::Remove(const QString& path)
{
    m_entries.removeIf([&](const Entry& e) { return e.path == path; });
    save();
}

void RecentFiles::Clear()
{
    m_entries.clear();
    save();
}

void RecentFiles::save() const
{
    QSettings s(QStringLiteral("tarnex"), QStringLiteral("tarnex-studio"));
    s.remove(QStringLiteral("recentFiles"));  // entries past the new size would linger
    s.beginWriteArray(QStringLiteral("recentFiles"), static_cast<int>(m_entries.size()));
    for (int i = 0; i < m_entries.size(); ++i) {
        s.setArrayIndex(i);
        s.setValue(QStringLiteral("kind"), QLatin1String(kKindNames[static_cast<int>(m_entries[i].kind)]));
        s.setValue(QStringLiteral("path"), m_entries[i].path);
    }
    s.endArray();
}
