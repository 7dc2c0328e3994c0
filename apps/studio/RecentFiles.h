// The files the user opened last, newest first, for File > Open Recent; kept
// in the user's settings (organisation "tarnex", application "tarnex-studio").
#pragma once

#include <QList>
#include <QString>

class RecentFiles {
public:
    // What a file was opened as, so that it opens the same way again.
    enum class Kind { Sounding, Model, Survey };
    struct Entry {
        Kind kind;
        QString path;  // absolute
    };
    static constexpr int kMaxEntries = 8;

    // Reads the list from the settings; entries of an unknown kind, without a
    // path or past the cap (a hand-edited file) are left out.
    void Load();
    // Puts path first, dropping an older entry for it and the oldest past
    // the cap, and stores the list.
    void Add(Kind kind, const QString& path);
    // Drops the entry for path, if any, and stores the list.
    void Remove(const QString& path);
    void Clear();
    const QList<Entry>& Entries() const { return m_entries; }

private:
    void save() const;

    QList<Entry> m_entries;
};
