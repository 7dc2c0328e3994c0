// The stations of a survey beside the charts: a survey table (one file of many
// stations) or a folder of sounding files, each station's edits kept until saved.
#pragma once

#include "platform/core/CString.h"
#include "sounding/SurveyFile.h"

#include <QListWidget>

#include <functional>

class SurveyBrowser : public QListWidget {
public:
    // A folder of more files than this is refused rather than read in part.
    static constexpr int kMaxFolderStations = 20000;

    explicit SurveyBrowser(QWidget* parent = nullptr);

    // Reads a survey table, or every sounding file (.dat, .cor, .txt) of a
    // folder, one station each named after its file, in natural order of the
    // names. A folder's unreadable files are left out and named in note.
    // False, with the survey held before kept, when nothing could be read.
    bool Open(const QString& path, CString& error, CString& note);
    void Close();
    bool IsOpen() const { return !m_path.isEmpty(); }
    bool IsFolder() const { return m_folder; }
    const QString& Path() const { return m_path; }

    int Count() const { return static_cast<int>(m_survey.stations.size()); }
    int Current() const { return m_current; }
    SurveyStation& Station(int i) { return m_survey.stations.at(static_cast<size_t>(i)); }
    // Selects station i in the list; onChosen is not called.
    void SetCurrent(int i);
    // Marks station i edited, in the data and in the list.
    void MarkEdited(int i);
    // True while a station or the survey's leading lines hold unsaved edits.
    bool AnyEdited() const;
    // The survey as held: its leading comment lines, header and stations.
    const SurveyTable& Table() const { return m_survey; }
    // Replaces the comment lines and header before the first station (a
    // table's settings for all its stations); written at the next save.
    void SetLead(std::string lead);

    // A table is written back whole (edited stations' rows rewritten, the
    // rest as read) to path, which becomes the survey's file; a folder writes
    // each edited station's own file, and path must be the folder. The marks
    // go once everything is written.
    bool Save(const QString& path, CString& error);

    // The user picked a station in the list.
    std::function<void(int)> onChosen;

private:
    void fill();
    void clearMarks();
    QString label(int i) const;

    SurveyTable m_survey;
    QString m_path;
    bool m_folder = false;
    int m_current = -1;
    bool m_filling = false;
    bool m_leadEdited = false;
};
