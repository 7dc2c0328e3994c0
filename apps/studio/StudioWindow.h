// The studio's main window: the sounding chart above the layered model
// chart, each editable with the mouse, with opening, saving and export of
// both and the choice of the sounding's display model.
#pragma once

#include "EditHistory.h"
#include "RecentFiles.h"
#include "SoundingForward.h"

#include "em1d/TemSystem.h"
#include "platform/core/CString.h"
#include "platform/wnd/CFrameWnd.h"
#include "ui/CTabWindow.h"
#include "ui/CViewExSplitWnd.h"

#include <QMainWindow>

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

class ChartView;
class ModelView;
class PageView;
class QDialog;
class SoundingView;
class SurveyBrowser;
class QDockWidget;
class QAction;
class QLabel;
class LayerTable;
class LiveForward;
class InversionRun;
namespace em1d {
struct TemInversionResult;
}
struct SoundingTable;
class QMenu;

class StudioWindow : public QMainWindow {
public:
    explicit StudioWindow(QWidget* parent = nullptr);
    ~StudioWindow() override;

    // Each returns false after telling the user why (ReportError). With
    // stream, the sounding's numbers are taken five at a time whatever the
    // line breaks, for files whose rows span lines.
    bool OpenSounding(const char* path, bool stream = false);
    bool OpenModel(const char* path);
    // Save writes over the document's own file; a document read from the
    // bundled samples (or never saved) asks for a name instead.
    bool SaveSounding();
    bool SaveSoundingAs();
    bool SaveModel();
    bool SaveModelAs();
    // Saves every document with unsaved edits; stops at the first that
    // fails or whose Save As the user cancels.
    bool SaveAll();
    // Asks for a file and writes the chart there (.png, .svg, .pdf, .bmp).
    bool ExportSoundingChart();
    bool ExportModelChart();
    // 1: logarithmic abscissa with linear values, 2: both logarithmic.
    bool SetDisplayModel(int model);

    // Adds a page as the last tab (one line per page); page may be null and
    // filled later through the returned view's SetContent.
    PageView* AddPage(QWidget* page, const char* label);
    // Writes the active pane (the frame's active view) to a BMP file.
    bool CaptureActivePane(const char* path);
    // Asks for a file, then captures.
    bool CaptureView();
    // The About box: the version and a link to the installed documentation.
    QDialog* CreateAboutDialog();
    // Where the About box's link points: the file URL of DocumentationPath
    // for the running program's folder.
    static CString DocumentationUrl();
    // The documentation of a studio run from programDir: the installed
    // README (share/doc/tarnex/README.md beside bin), else the installed
    // documentation folder, else the README of the source tree it was built
    // from. Resolved as the file system resolves it (no "..").
    static CString DocumentationPath(const char* programDir);

    CTabWindow& Tabs() { return m_tabs; }
    CViewExSplitWnd& Split() { return m_split; }
    CFrameWnd& Frame() { return m_frame; }
    SoundingView* Sounding() { return m_sounding; }
    ModelView* Model() { return m_model; }
    const CString& SoundingPath() const { return m_soundingDoc.path; }
    const CString& ModelPath() const { return m_modelDoc.path; }
    bool SoundingModified() const { return m_soundingDoc.modified; }
    bool ModelModified() const { return m_modelDoc.modified; }

    // Safe edits: undo and redo of every point and layer edit (false when
    // there is nothing to take back or a drag is in progress), the layer
    // table beside the charts, the pointer's read-out in the status bar, and
    // laying both charts out again for their values (View > Rescale).
    bool Undo();
    bool Redo();
    void Rescale();
    EditHistory& History() { return m_history; }
    LayerTable* Layers() { return m_layers; }
    QLabel* Readout() { return m_readout; }
    // A survey table, or a folder whose sounding files are its stations: the
    // station list beside the charts and the first station in the sounding
    // chart. While it is open the sounding document is the survey: saving
    // writes the table back whole (a folder: each edited station's file).
    bool OpenSurvey(const char* path);
    // Shows station index of the open survey; the edits of the station shown
    // before stay with it until the survey is saved or dropped.
    bool ShowStation(int index);
    bool NextStation();      // Page Down
    bool PreviousStation();  // Page Up
    SurveyBrowser* Survey() { return m_survey; }

    // Live modelling (StudioForward.cpp): while a sounding and a layered
    // model are open, the modelled curves are the model's response at the
    // sounding's times, computed away from the window on every model change
    // (during a drag too); the status bar shows the misfit. The system is
    // the sounding's "# tem:" line, edited in the forward parameters dialog.
    LiveForward* Live() { return m_live; }
    // Edit > Invert: inverts the open sounding's unmasked V from the layered
    // model as start, in the background; while it runs the same action (or
    // Escape) cancels it. False when nothing could be started.
    bool Invert();
    void CancelInversion();
    InversionRun* Inversion() { return m_inversion; }
    QLabel* MisfitLabel() { return m_misfit; }
    const em1d::TemSystem& System() const { return m_system; }
    // Takes a new system (the dialog), recorded in the sounding's text.
    void SetSystem(const em1d::TemSystem& system);
    // View > Show the File's Modelled Columns: the file's own modelled R and V
    // instead of the model's response.
    void ShowFileModelled(bool show);
    bool ShowingFileModelled() const;
    QDialog* CreateForwardDialog();
    // Masks or unmasks the selected sample (Edit menu).
    bool ToggleSelectedMask();

    // Opens entry index of the recent files as what it was opened as; an
    // entry whose file is gone is dropped from the list and the user told.
    bool OpenRecent(int index);
    RecentFiles& Recent() { return m_recent; }
    QMenu* RecentMenu() { return m_recentMenu; }

    // Where errors go; a message box by default, standard error offscreen.
    std::function<void(const CString&)> onError;
    // Asks whether to save unsaved edits before they would be lost: IDYES,
    // IDNO or IDCANCEL. A message box by default; offscreen, where nobody
    // can answer, the edits are kept by cancelling. Closing with several
    // documents edited asks once for all: IDYES saves all, IDNO discards
    // all, IDCANCEL keeps the window open.
    std::function<int(const CString&)> onQuestion;
    // Path of a bundled data file: beside an installed binary
    // (../share/tarnex/NAME), else in the source tree's data folder.
    static CString BundledData(const char* name);

private:
    // One of the two documents: its file, whether it holds unsaved edits,
    // and how it is offered and written.
    struct Document {
        CString path;
        bool modified = false;
        const char* defaultExt;
        const char* filter;
        ChartView* view = nullptr;
        std::function<bool(const char* path, CString& error)> write;
        QString what = QString();  // how the user's questions name it ("sounding")
        RecentFiles::Kind kind = RecentFiles::Kind::Sounding;
    };

    bool save(Document& doc);
    // True when the document may be replaced: no unsaved edits, or the user
    // saved or dropped them.
    bool keepOrDrop(Document& doc);
    // The same for all documents at once, as the window closes.
    bool keepOrDropAll();
    std::vector<Document*> modifiedDocuments();
    // Save all (IDYES), discard all (IDNO) or cancel, through onQuestion or a message box.
    int askSaveAll(const QString& text);
    void fillRecentMenu();
    // The survey's list, menu and the sounding chart's edits going to the station shown.
    void buildSurvey();
    // Leaves survey browsing: the sounding document is a single file again.
    void closeSurvey();
    // The chart's edits into the station they were made on.
    void flushStation();
    // " [station 3/60]" while a survey is open.
    QString stationTitle() const;
    void closeEvent(QCloseEvent* e) override;
    // The charts page shown or hidden: its docks and read-outs follow it.
    bool eventFilter(QObject* watched, QEvent* e) override;
    void chartsPageShown(bool shown);
    // Marks a dock hidden only while another page is shown.
    static constexpr const char* kHiddenWithCharts = "hiddenWithCharts";
    bool saveAs(Document& doc);
    void opened(Document& doc, const char* path);
    void buildMenus();
    // Asks through onQuestion (tests) or a message box: IDYES, IDNO or IDCANCEL.
    int ask(const CString& text, bool withCancel);
    void reportError(const CString& message);
    void updateTitle();
    bool exportChart(ChartView* view, const char* suggestedName);

    // The Edit menu, the status bar, the layer table and how the views report
    // their edits (StudioEditing.cpp).
    void buildEditing();
    void buildForward();
    void buildInversion();
    void inversionStep(const std::vector<double>& thick, const std::vector<double>& res);
    void inversionFinished(const em1d::TemInversionResult& result, const std::string& error);
    // A sounding shown: its system, its own modelled columns and its masks.
    void soundingShown(const SoundingTable& table, const char* path);
    // The survey's station index shown: a folder's station as the sounding
    // file it is; a table's station with the system of the table's "# tem:"
    // lines, the abscissa unit its header names, and the masks set on it
    // since the survey was opened (a table has no place for them).
    void stationShown(int index);
    // What every shown sounding sets up for live modelling: system from the
    // "# tem:" lines of systemText (name stands for its file in messages),
    // the units header names (a frequency, a period or V in volts leave
    // live modelling off), masks, the file's own modelled columns.
    void modellingShown(const SoundingTable& table, const std::string& name, std::string_view systemText,
                        const std::string& header, std::vector<char> masked);
    // Puts the file's own modelled columns back into t (the chart's hold the
    // live response), when t still has as many rows.
    void restoreFileModelled(SoundingTable& t) const;
    // The engine's V (µV/A) in the unit of the sounding's V column.
    std::vector<double> inFileUnits(std::vector<double> microVoltsPerAmp) const;
    // A model shown or saved: its response becomes the faint reference.
    void referenceFromModel();
    // Asks for the response of the model as it is (with layer's resistivity
    // at dragged while a side is dragged).
    void requestForward(int layer = -1, float dragged = 0);
    void showFileModelled();
    // The sounding as the file should hold it: its own modelled columns and
    // its masks and system line in its text.
    SoundingTable soundingToSave() const;
    int documentIndex(const Document& doc) const { return &doc == &m_soundingDoc ? 0 : 1; }
    // After an edit, an undo, a save or a load: modified states, title,
    // menu states and the layer table follow the history.
    void editsChanged();
    bool takeBack(bool undo);

    class FrameHost;
    CFrameWnd m_frame;
    CTabWindow m_tabs;
    CViewExSplitWnd m_split;
    SoundingView* m_sounding = nullptr;
    ModelView* m_model = nullptr;
    QAction* m_model1 = nullptr;
    QAction* m_model2 = nullptr;
    Document m_soundingDoc;
    Document m_modelDoc;
    EditHistory m_history;
    LayerTable* m_layers = nullptr;
    QLabel* m_readout = nullptr;
    QAction* m_undo = nullptr;
    QAction* m_redo = nullptr;
    RecentFiles m_recent;
    QMenu* m_recentMenu = nullptr;
    SurveyBrowser* m_survey = nullptr;
    QDockWidget* m_surveyDock = nullptr;
    QAction* m_nextStation = nullptr;
    QAction* m_previousStation = nullptr;
    Document m_plainSounding;  // the sounding document as it is outside a survey
    LiveForward* m_live = nullptr;
    QLabel* m_misfit = nullptr;
    QAction* m_fileModelled = nullptr;
    em1d::TemSystem m_system;
    bool m_systemChanged = false;  // the dialog changed it since the sounding was read
    // The sounding's abscissa to ms and V to µV/A, as the engine takes them;
    // m_modelling false when its units leave nothing to model.
    SoundingForward::Scales m_scales;
    bool m_modelling = true;
    std::vector<float> m_fileRFwd, m_fileVFwd;
    int m_shownStation = -1;  // the survey's station the sounding chart shows, -1 for none
    std::vector<std::vector<char>> m_stationMasks;  // a survey table's masks, by station, until it is closed
    bool m_viewChecked = false;    // the first response has chosen the value axis
    std::uint64_t m_liveFrom = 0;  // the first live request made for the sounding shown
    InversionRun* m_inversion = nullptr;
    QAction* m_invert = nullptr;
    QAction* m_cancelInversion = nullptr;
    std::vector<float> m_invStartThick, m_invStartRes;  // the model the running inversion started from
    std::vector<float> m_invShown;  // the values it last wrote into the chart
    bool m_invAbandoned = false;    // the model changed under it: it writes nothing more
    std::vector<float> modelValues() const;
};
