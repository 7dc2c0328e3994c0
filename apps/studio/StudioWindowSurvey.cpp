// The studio's survey browsing: a survey table or a folder of soundings, one
// station at a time in the sounding chart, the station list docked beside.
#include "StudioWindow.h"

#include "InversionRun.h"
#include "ModelView.h"
#include "SoundingForward.h"
#include "SoundingView.h"
#include "StudioFileDialog.h"
#include "SurveyBrowser.h"

#include "sounding/SoundingRender.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QDockWidget>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>

#include <string>
#include <string_view>

namespace {

const char* const kSurveyExt = "txt";

// The survey's header from its abscissa on (after the station's name and the
// position), which names the abscissa's unit as a sounding's header does.
std::string abscissaHeader(const SurveyTable& t)
{
    const std::string_view gaps = " \t,";
    std::string_view h = t.header;
    for (int field = 0; field < (t.positions ? 2 : 1); ++field) {
        const std::size_t end = h.find_first_of(gaps);
        h = end == std::string_view::npos ? std::string_view() : h.substr(end);
        const std::size_t next = h.find_first_not_of(gaps);
        h = next == std::string_view::npos ? std::string_view() : h.substr(next);
    }
    return std::string(h);
}

}  // namespace

void StudioWindow::buildSurvey()
{
    m_survey = new SurveyBrowser;
    m_survey->onChosen = [this](int i) { ShowStation(i); };
    m_surveyDock = new QDockWidget(QCoreApplication::translate("Studio", "Stations"), this);
    m_surveyDock->setObjectName(QStringLiteral("stations"));
    m_surveyDock->setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable);
    m_surveyDock->setWidget(m_survey);
    addDockWidget(Qt::LeftDockWidgetArea, m_surveyDock);
    m_surveyDock->hide();
    // An edit of the chart is an edit of the station it shows.
    const std::function<void()> edited = m_sounding->onEdited;
    m_sounding->onEdited = [this, edited] {
        if (m_survey->IsOpen())
            m_survey->MarkEdited(m_survey->Current());
        if (edited)
            edited();
    };

    QMenu* menu = menuBar()->addMenu(QCoreApplication::translate("Studio", "&Survey"));
    menu->addAction(QCoreApplication::translate("Studio", "Open Survey &Table..."), [this] {
        const QString filter = QCoreApplication::translate(
            "Studio", "Survey Tables (*.txt;*.csv;*.dat)|*.txt;*.csv;*.dat|All Files (*.*)|*.*||");
        StudioFileDialog dlg(TRUE, nullptr, "*.*", OFN_HIDEREADONLY | OFN_FILEMUSTEXIST, filter,
                             QCoreApplication::translate("Studio", "Open Survey Table"));
        if (keepOrDrop(m_soundingDoc) && dlg.DoModal() == IDOK)
            OpenSurvey(dlg.GetPathName());
    });
    menu->addAction(QCoreApplication::translate("Studio", "Open Survey &Folder..."), [this] {
        // Nobody can answer a dialog on the offscreen display.
        if (QGuiApplication::platformName() == QLatin1String("offscreen") || !keepOrDrop(m_soundingDoc))
            return;
        const QString dir = QFileDialog::getExistingDirectory(
            this, QCoreApplication::translate("Studio", "Open Survey Folder"));
        if (!dir.isEmpty())
            OpenSurvey(dir.toUtf8().constData());
    });
    menu->addSeparator();
    m_nextStation = menu->addAction(QCoreApplication::translate("Studio", "&Next Station"),
                                    QKeySequence::MoveToNextPage, [this] { NextStation(); });
    m_previousStation = menu->addAction(QCoreApplication::translate("Studio", "&Previous Station"),
                                        QKeySequence::MoveToPreviousPage, [this] { PreviousStation(); });
    // Page Up and Down scroll the pages as usual while no survey is open.
    m_nextStation->setEnabled(false);
    m_previousStation->setEnabled(false);
}

bool StudioWindow::OpenSurvey(const char* path)
{
    const bool browsing = m_survey->IsOpen();
    CString error, note;
    if (!m_survey->Open(QString::fromUtf8(path), error, note)) {
        reportError(error);
        return false;
    }
    if (!browsing)
        m_plainSounding = m_soundingDoc;
    // The chart still shows what was open before: nothing of it goes into
    // the new survey's stations.
    m_shownStation = -1;
    m_stationMasks.assign(static_cast<std::size_t>(m_survey->Count()), {});
    // From now on the sounding document is the survey.
    m_soundingDoc.defaultExt = kSurveyExt;
    m_soundingDoc.filter = "Survey Tables (*.txt;*.csv;*.dat)|*.txt;*.csv;*.dat|All Files (*.*)|*.*||";
    m_soundingDoc.kind = RecentFiles::Kind::Survey;
    m_soundingDoc.what = m_survey->IsFolder() ? QCoreApplication::translate("Studio", "survey folder")
                                              : QCoreApplication::translate("Studio", "survey table");
    m_soundingDoc.write = [this](const char* to, CString& why) {
        flushStation();
        return m_survey->Save(QString::fromUtf8(to), why);
    };
    m_surveyDock->show();
    if (m_tabs.GetCurSel() != 0)  // opened from another page: the list waits for the charts
        chartsPageShown(false);
    m_nextStation->setEnabled(true);
    m_previousStation->setEnabled(true);
    ShowStation(0);
    opened(m_soundingDoc, m_survey->Path().toUtf8().constData());
    if (!note.IsEmpty())
        reportError(note);
    return true;
}

void StudioWindow::closeSurvey()
{
    if (!m_survey->IsOpen())
        return;
    m_survey->Close();
    m_shownStation = -1;
    m_stationMasks.clear();
    m_surveyDock->hide();
    m_surveyDock->setProperty(kHiddenWithCharts, false);
    m_nextStation->setEnabled(false);
    m_previousStation->setEnabled(false);
    m_soundingDoc = m_plainSounding;
    statusBar()->clearMessage();
}

void StudioWindow::flushStation()
{
    const int index = m_shownStation;
    if (!m_survey->IsOpen() || index < 0 || index >= m_survey->Count() || !m_sounding->HasSounding())
        return;
    SurveyStation& station = m_survey->Station(index);
    if (!m_survey->IsFolder() && static_cast<std::size_t>(index) < m_stationMasks.size())
        m_stationMasks[static_cast<std::size_t>(index)] = m_sounding->Masked();
    if (!station.edited)
        return;
    // The chart's modelled columns hold the live response: the station keeps
    // the file's own. A folder's station is a sounding file and keeps its
    // masks and system in its text as one does.
    if (m_survey->IsFolder()) {
        station.table = soundingToSave();
    } else {
        station.table = m_sounding->Sounding();
        restoreFileModelled(station.table);
    }
}

void StudioWindow::stationShown(int index)
{
    const SurveyStation& station = m_survey->Station(index);
    if (m_survey->IsFolder()) {
        const QByteArray path = QDir(m_survey->Path()).filePath(QString::fromUtf8(station.name.GetString())).toUtf8();
        soundingShown(station.table, path.constData());
        return;
    }
    const SurveyTable& t = m_survey->Table();
    // The system: the "# tem:" lines before the first station, then any
    // among this station's rows (the last wins).
    const std::string text = t.lead + station.text;
    std::vector<char> masked;
    if (static_cast<std::size_t>(index) < m_stationMasks.size())
        masked = m_stationMasks[static_cast<std::size_t>(index)];
    modellingShown(station.table, m_survey->Path().toStdString(), text, abscissaHeader(t), std::move(masked));
}

bool StudioWindow::ShowStation(int index)
{
    if (!m_survey->IsOpen() || index < 0 || index >= m_survey->Count())
        return false;
    // An inversion fits the station shown; the user cancels it before
    // leaving the station (the list keeps showing where the data are).
    if (index != m_survey->Current() && m_inversion && m_inversion->Running()) {
        m_survey->SetCurrent(m_survey->Current());
        statusBar()->showMessage(QCoreApplication::translate(
            "Studio", "The inversion fits this station: cancel it (Esc) before another station is shown"));
        return false;
    }
    flushStation();
    // The undo history speaks of one station's samples by their index; it
    // does not carry over to another station. The station keeps its edits
    // and its mark.
    if (index != m_survey->Current())
        m_history.Forget(documentIndex(m_soundingDoc));
    const SurveyStation& station = m_survey->Station(index);
    // Values too small for the linear view are shown in the log-log view; a
    // note in the status bar rather than a message box at every Page Down.
    CString note;
    m_sounding->Chart().m_nDisModel =
        SoundingRender::ReadableModel(station.table, m_sounding->Chart().m_nDisModel, note);
    m_sounding->SetSounding(station.table);
    statusBar()->clearMessage();
    stationShown(index);
    m_shownStation = index;
    const bool logLog = m_sounding->Chart().m_nDisModel == 2;
    m_model2->setChecked(logLog);
    m_model1->setChecked(!logLog);
    if (!note.IsEmpty())
        statusBar()->showMessage(QString::fromUtf8(note.GetString()));
    m_survey->SetCurrent(index);
    editsChanged();
    return true;
}

bool StudioWindow::NextStation() { return ShowStation(m_survey->Current() + 1); }

bool StudioWindow::PreviousStation() { return ShowStation(m_survey->Current() - 1); }

QString StudioWindow::stationTitle() const
{
    if (!m_survey || !m_survey->IsOpen() || m_survey->Current() < 0)
        return QString();
    const int i = m_survey->Current();
    return QStringLiteral(" [%1 %2/%3]")
        .arg(QString::fromUtf8(m_survey->Station(i).name.GetString()))
        .arg(i + 1)
        .arg(m_survey->Count());
}
