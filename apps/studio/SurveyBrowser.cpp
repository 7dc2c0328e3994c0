#include "SurveyBrowser.h"

#include "sounding/SoundingFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace {

CString bytes(const QString& text) { return CString(text.toUtf8().constData()); }

// How many of a folder's unreadable files the note names one by one.
constexpr int kNamedFailures = 5;

// Station 2 before station 10: runs of digits compare as numbers, the rest
// as text (Qt's collator cannot do this without ICU).
bool naturalLess(const QString& a, const QString& b)
{
    qsizetype i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (a[i].isDigit() && b[j].isDigit()) {
            qsizetype ei = i, ej = j;
            while (ei < a.size() && a[ei].isDigit())
                ++ei;
            while (ej < b.size() && b[ej].isDigit())
                ++ej;
            // Leading zeros aside, a longer run is a larger number.
            QStringView da = QStringView(a).mid(i, ei - i), db = QStringView(b).mid(j, ej - j);
            while (da.size() > 1 && da[0] == QLatin1Char('0'))
                da = da.mid(1);
            while (db.size() > 1 && db[0] == QLatin1Char('0'))
                db = db.mid(1);
            if (da.size() != db.size())
                return da.size() < db.size();
            if (const int c = da.compare(db); c != 0)
                return c < 0;
            i = ei;
            j = ej;
            continue;
        }
        if (a[i] != b[j])
            return a[i] < b[j];
        ++i;
        ++j;
    }
    if ((a.size() - i) != (b.size() - j))
        return a.size() - i < b.size() - j;
    return a < b;  // "st01" and "st1": a fixed order all the same
}

// Every sounding file of a folder, one station each. The whole folder is held
// to the budget of one sounding file, so that a survey opens where its
// largest single sounding would.
bool readFolder(const QString& path, SurveyTable& out, CString& error, CString& note)
{
    QDir dir(path);
    QStringList names = dir.entryList({QStringLiteral("*.dat"), QStringLiteral("*.cor"), QStringLiteral("*.txt")},
                                      QDir::Files, QDir::NoSort);
    if (names.size() > SurveyBrowser::kMaxFolderStations) {
        error = bytes(QCoreApplication::translate("Studio", "%1 holds %2 sounding files, more than the %3 a survey "
                                                            "folder may hold")
                          .arg(path)
                          .arg(names.size())
                          .arg(SurveyBrowser::kMaxFolderStations));
        return false;
    }
    qint64 total = 0;
    for (const QString& name : names)
        total += QFileInfo(dir.filePath(name)).size();
    if (total > static_cast<qint64>(SoundingFile::kMaxBytes)) {
        error = bytes(QCoreApplication::translate("Studio", "the sounding files of %1 hold %2 MiB, more than the %3 "
                                                            "MiB a survey may hold")
                          .arg(path)
                          .arg(total >> 20)
                          .arg(SoundingFile::kMaxBytes >> 20));
        return false;
    }
    std::sort(names.begin(), names.end(), naturalLess);
    QStringList failures;
    for (const QString& name : names) {
        SurveyStation station;
        CString why;
        if (!SoundingFile::Read(dir.filePath(name).toUtf8().constData(), 0, station.table, why)) {
            failures << QString::fromUtf8(why.GetString());
            continue;
        }
        station.name = name.toUtf8().constData();
        out.stations.push_back(std::move(station));
    }
    if (!failures.isEmpty()) {
        QString text = QCoreApplication::translate("Studio", "%1 of the files were left out:").arg(failures.size());
        for (qsizetype i = 0; i < std::min<qsizetype>(failures.size(), kNamedFailures); ++i)
            text += QStringLiteral("\n") + failures[i];
        if (failures.size() > kNamedFailures)
            text += QStringLiteral("\n…");
        note = bytes(text);
    }
    if (out.stations.empty()) {
        error = bytes(QCoreApplication::translate("Studio", "%1 holds no sounding file that could be read").arg(path));
        if (!note.IsEmpty())
            error += CString("\n") + note;
        return false;
    }
    return true;
}

}  // namespace

SurveyBrowser::SurveyBrowser(QWidget* parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);  // thousands of stations stay quick to lay out
    connect(this, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!m_filling && row >= 0 && row != m_current && onChosen)
            onChosen(row);
    });
}

bool SurveyBrowser::Open(const QString& path, CString& error, CString& note)
{
    const QFileInfo info(path);
    SurveyTable survey;
    const bool folder = info.isDir();
    if (folder ? !readFolder(path, survey, error, note)
               : !SurveyFile::Read(path.toUtf8().constData(), survey, error))
        return false;
    if (survey.stations.empty()) {
        error = bytes(QCoreApplication::translate("Studio", "%1 holds no station").arg(path));
        return false;
    }
    m_survey = std::move(survey);
    m_path = info.absoluteFilePath();
    m_folder = folder;
    m_current = 0;
    m_leadEdited = false;
    fill();
    return true;
}

void SurveyBrowser::Close()
{
    m_survey = SurveyTable();
    m_path.clear();
    m_folder = false;
    m_current = -1;
    m_leadEdited = false;
    fill();
}

void SurveyBrowser::SetCurrent(int i)
{
    if (i < 0 || i >= Count())
        return;
    m_current = i;
    m_filling = true;
    setCurrentRow(i);
    m_filling = false;
}

QString SurveyBrowser::label(int i) const
{
    const SurveyStation& s = m_survey.stations[static_cast<size_t>(i)];
    const QString name = QString::fromUtf8(s.name.GetString());
    return s.edited ? name + QStringLiteral(" *") : name;
}

void SurveyBrowser::MarkEdited(int i)
{
    if (i < 0 || i >= Count() || Station(i).edited)
        return;
    Station(i).edited = true;
    QListWidgetItem* it = item(i);
    it->setText(label(i));
    QFont f = it->font();
    f.setBold(true);
    it->setFont(f);
}

void SurveyBrowser::SetLead(std::string lead)
{
    m_survey.lead = std::move(lead);
    m_leadEdited = true;
}

bool SurveyBrowser::AnyEdited() const
{
    return m_leadEdited || std::any_of(m_survey.stations.begin(), m_survey.stations.end(),
                       [](const SurveyStation& s) { return s.edited; });
}

void SurveyBrowser::clearMarks()
{
    m_leadEdited = false;
    for (int i = 0; i < Count(); ++i) {
        Station(i).edited = false;
        QListWidgetItem* it = item(i);
        it->setText(label(i));
        it->setFont(font());
    }
}

bool SurveyBrowser::Save(const QString& path, CString& error)
{
    if (m_folder) {
        if (QFileInfo(path).absoluteFilePath() != m_path) {
            error = bytes(QCoreApplication::translate(
                "Studio", "A survey folder is saved in place, each edited station to its own file."));
            return false;
        }
        const QDir dir(m_path);
        for (SurveyStation& s : m_survey.stations) {
            if (!s.edited)
                continue;
            const QByteArray file = dir.filePath(QString::fromUtf8(s.name.GetString())).toUtf8();
            if (!SoundingFile::Write(file.constData(), s.table, error))
                return false;
            s.edited = false;
        }
        clearMarks();
        return true;
    }
    const QByteArray file = path.toUtf8();
    if (!SurveyFile::Write(file.constData(), m_survey, error))
        return false;
    // What the file now holds is what later saves keep byte for byte: the
    // edited stations' new rows included.
    SurveyTable written;
    if (!SurveyFile::Read(file.constData(), written, error))
        return false;
    if (written.stations.size() != m_survey.stations.size()) {
        error = bytes(QCoreApplication::translate("Studio", "%1 does not read back as written").arg(path));
        return false;
    }
    m_survey = std::move(written);
    m_path = QFileInfo(path).absoluteFilePath();
    clearMarks();
    return true;
}

void SurveyBrowser::fill()
{
    m_filling = true;
    clear();
    for (int i = 0; i < Count(); ++i)
        addItem(label(i));
    if (m_current >= 0)
        setCurrentRow(m_current);
    m_filling = false;
}
