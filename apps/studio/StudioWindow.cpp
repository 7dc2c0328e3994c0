#include "StudioWindow.h"
#include "StudioFileDialog.h"
#include "StudioMessage.h"

#include "AxesPage.h"
#include "ProfilePage.h"
#include "SectionPage.h"
#include "ModelView.h"
#include "PageView.h"
#include "SoundingView.h"

#include "chart/BundledData.h"
#include "chart/ChartExporter.h"
#include "platform/gdi/CImageDC.h"
#include "ui/CClientCapture.h"
#include "ui/CHyperLink.h"
#include "model1d/LayeredModelFile.h"
#include "platform/wnd/CFileDialog.h"
#include "sounding/CDrawRPCurve.h"
#include "sounding/SoundingFile.h"
#include "sounding/SoundingRender.h"

#include <QActionGroup>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QResizeEvent>
#include <QScreen>
#include <QVBoxLayout>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenuBar>
#include "platform/core/AtomicFile.h"

#include <QDir>
#include <QDockWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollArea>
#include <QStatusBar>
#include <QSplitter>
#include <QUrl>

#include <cstdio>

namespace {

const char* const kSoundingFilter = CDrawRPCurve::kFileFilter;
const char* const kModelFilter = LayeredModelFile::kFileFilter;
constexpr int kExportDpi = 150;

// A page in a scroll area: stretched over a pane larger than the page's
// least size, scroll bars in a smaller one.
QScrollArea* scrolled(QWidget* w)
{
    auto* area = new QScrollArea;
    area->setWidget(w);
    area->setWidgetResizable(true);
    area->setBackgroundRole(QPalette::Base);
    return area;
}

constexpr UINT kTabsId = 1;

QString fileName(const CString& path) { return QFileInfo(QString::fromUtf8(path.GetString())).fileName(); }
CString bytes(const QString& text) { return CString(text.toUtf8().constData()); }

bool isBundled(const CString& path)
{
    if (path.IsEmpty())
        return false;
    const QString dir = QFileInfo(QString::fromUtf8(path.GetString())).canonicalPath();
    for (const char* name : {"sounding.dat", "layered-model.txt"}) {
        const CString bundled = StudioWindow::BundledData(name);
        if (!bundled.IsEmpty() && QFileInfo(QString::fromUtf8(bundled.GetString())).canonicalPath() == dir)
            return true;
    }
    return false;
}

}  // namespace

CString StudioWindow::BundledData(const char* name) { return ::BundledData::Path(name); }

// The frame's window: the tab window and its views follow its size.
class StudioWindow::FrameHost : public QWidget {
public:
    explicit FrameHost(StudioWindow* owner) : m_owner(owner) {}

protected:
    void resizeEvent(QResizeEvent* e) override
    {
        CRect r(0, 0, e->size().width(), e->size().height());
        if (m_owner->m_tabs.IsWindow())
            m_owner->m_tabs.MoveTabView(r);
        QWidget::resizeEvent(e);
    }

private:
    StudioWindow* m_owner;
};

StudioWindow::StudioWindow(QWidget* parent) : QMainWindow(parent)
{
    m_sounding = new SoundingView;
    m_model = new ModelView;
    m_soundingDoc = {CString(), false, "dat", kSoundingFilter, m_sounding, [this](const char* path, CString& error) {
                         if (!m_sounding->HasSounding()) {
                             error = bytes(QCoreApplication::translate("Studio", "There is no sounding to save."));
                             return false;
                         }
                         return SoundingFile::Write(path, soundingToSave(), error);
                     }};
    m_modelDoc = {CString(), false, "txt", kModelFilter, m_model, [this](const char* path, CString& error) {
                      return LayeredModelFile::Write(path, m_model->Model(), error);
                  }};
    m_soundingDoc.what = QCoreApplication::translate("Studio", "sounding");
    m_soundingDoc.kind = RecentFiles::Kind::Sounding;
    m_modelDoc.what = QCoreApplication::translate("Studio", "layered model");
    m_modelDoc.kind = RecentFiles::Kind::Model;
    m_recent.Load();
    for (Document* doc : {&m_soundingDoc, &m_modelDoc}) {
        doc->view->onEdited = [this] { editsChanged(); };
    }
    // The frame holds the tab window; the first page is the splitter with
    // the two charts side by side, and the page views fill the tabs.
    auto* host = new FrameHost(this);
    setCentralWidget(host);
    m_frame.Attach(host);
    m_tabs.Create(WS_CHILD | WS_VISIBLE | TCS_BOTTOM, CRect(0, 0, 100, 100), &m_frame, kTabsId);
    PageView* charts = AddPage(nullptr, bytes(QCoreApplication::translate("Studio", "Sounding and Model")));
    m_split.CreateStatic(charts, 1, 2);
    m_split.CreateView(0, 0, RUNTIME_CLASS(PageView), SIZE{500, 0}, nullptr);
    m_split.CreateView(0, 1, RUNTIME_CLASS(PageView), SIZE{500, 0}, nullptr);
    charts->SetContent(m_split.m_hWnd);
    static_cast<PageView*>(m_split.GetPane(0, 0))->SetContent(m_sounding);
    static_cast<PageView*>(m_split.GetPane(0, 1))->SetContent(m_model);
    // The drawing pages grow to fill a larger pane and scroll in one
    // smaller than their readable size.
    auto* axes = new AxesPage;
    AddPage(scrolled(axes), bytes(QCoreApplication::translate("Studio", "Axes")));
    auto* profiles = new ProfilePage;
    AddPage(scrolled(profiles), bytes(QCoreApplication::translate("Studio", "Profiles")));
    auto* section = new SectionPage;
    AddPage(scrolled(section), bytes(QCoreApplication::translate("Studio", "Section")));
    m_tabs.SetCurSel(0);
    m_tabs.ShowSelTabView();
    m_frame.SetActiveView(static_cast<CView*>(m_split.GetPane(0, 0)));
    buildMenus();
    buildEditing();
    buildForward();
    buildInversion();
    menuBar()->addMenu(profiles->CreateMenu(this));
    buildSurvey();
    // Help stays the last menu, whatever the pages added.
    for (QAction* a : menuBar()->actions()) {
        if (a->menu() && a->menu()->objectName() == QLatin1String("help")) {
            menuBar()->removeAction(a);
            menuBar()->addAction(a);
            break;
        }
    }
    // The layer table, the station list and the status bar's read-outs
    // belong to the charts: they leave with the first page.
    if (CWnd* first = m_tabs.GetTabView(0); first && first->m_hWnd)
        first->m_hWnd->installEventFilter(this);
    // The first window fits the screen's available area.
    const QRect avail = screen() ? screen()->availableGeometry() : QRect(0, 0, 1280, 960);
    resize(std::min(1280, avail.width() * 9 / 10), std::min(960, avail.height() * 9 / 10));
    updateTitle();
}

PageView* StudioWindow::AddPage(QWidget* page, const char* label)
{
    CView* view = m_tabs.AddTabView(RUNTIME_CLASS(PageView), nullptr, &m_frame, m_tabs.GetItemCount(), label, 0);
    auto* pageView = static_cast<PageView*>(view);
    if (pageView && page)
        pageView->SetContent(page);
    if (pageView && m_frame.m_hWnd) {
        CRect r(0, 0, m_frame.m_hWnd->width(), m_frame.m_hWnd->height());
        m_tabs.MoveTabView(r);
        m_tabs.ShowSelTabView();
    }
    return pageView;
}

bool StudioWindow::CaptureActivePane(const char* path)
{
    CWnd* pane = m_split.GetActivePane();
    if (!pane || !pane->m_hWnd) {
        reportError(bytes(QCoreApplication::translate("Studio", "No view is active: click into a chart first.")));
        return false;
    }
    // What the pane shows, on a surface of the screen's depth.
    QWidget* w = pane->m_hWnd;
    const QImage shot = w->grab().toImage().convertToFormat(QImage::Format_RGB32);
    CImageDC dc(std::max(1, shot.width()), std::max(1, shot.height()), w->logicalDpiX());
    dc.SetBitsPixel(w->screen() ? w->screen()->depth() : 32);
    dc.DrawImage(0, 0, shot);
    CClientCapture capture;
    capture.Capture(&dc, CRect(0, 0, shot.width(), shot.height()));
    if (!capture.WriteDIB(path)) {
        const QString where = QString::fromUtf8(path);
        reportError(bytes(QCoreApplication::translate("Studio", "Could not write the view to %1.").arg(where)));
        return false;
    }
    return true;
}

bool StudioWindow::CaptureView()
{
    StudioFileDialog dlg(FALSE, "bmp", "view.bmp", OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                         QCoreApplication::translate("Studio", "BMP Image (*.bmp)|*.bmp||"),
                         QCoreApplication::translate("Studio", "Capture View"), &m_frame);
    return dlg.DoModal() == IDOK && CaptureActivePane(dlg.GetPathName());
}

CString StudioWindow::DocumentationPath(const char* programDir)
{
    const QString docs = QString::fromUtf8(programDir) + QStringLiteral("/" TARNEX_DOC_FROM_BINDIR);
    const CString readme = ::BundledData::Find(docs.toUtf8().constData(), "README.md");
    if (!readme.IsEmpty())
        return readme;
    // Packagers may leave the README out and keep the guides.
    const QFileInfo folder(docs);
    if (folder.isDir())
        return bytes(folder.canonicalFilePath());
    return CString(TARNEX_SOURCE_README);
}

CString StudioWindow::DocumentationUrl()
{
    const CString path = DocumentationPath(QCoreApplication::applicationDirPath().toUtf8().constData());
    return bytes(QUrl::fromLocalFile(QString::fromUtf8(path.GetString())).toString());
}

QDialog* StudioWindow::CreateAboutDialog()
{
    auto* dlg = new QDialog(this);
    dlg->setAttribute(Qt::WA_DeleteOnClose);
    dlg->setWindowTitle(QCoreApplication::translate("Studio", "About tarnex studio"));
    auto* layout = new QVBoxLayout(dlg);
    layout->addWidget(new QLabel(
        QCoreApplication::translate("Studio", "<b>tarnex studio</b> %1").arg(QStringLiteral(TARNEX_VERSION))));
    layout->addWidget(new QLabel(QCoreApplication::translate(
        "Studio", "Sounding curves, layered models, profiles, sections and axes of EM sounding work.")));
    // The link sizes itself to its text, so it sits in a box of its own.
    auto* box = new QWidget;
    box->setMinimumSize(560, 24);
    auto* label = new QLabel(QCoreApplication::translate("Studio", "Documentation"), box);
    label->setGeometry(0, 2, 560, 20);
    auto* link = new CHyperLink;
    link->SetURL(DocumentationUrl());
    link->SubclassWindow(label);
    QObject::connect(dlg, &QObject::destroyed, [link] { delete link; });
    layout->addWidget(box);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dlg, &QDialog::accept);
    layout->addWidget(buttons);
    return dlg;
}

StudioWindow::~StudioWindow() = default;

bool StudioWindow::eventFilter(QObject* watched, QEvent* e)
{
    // A minimised window hides its pages too; only a change of tab counts.
    if ((e->type() == QEvent::Show || e->type() == QEvent::Hide) && !e->spontaneous()) {
        CWnd* charts = m_tabs.GetTabView(0);
        if (charts && watched == charts->m_hWnd)
            chartsPageShown(e->type() == QEvent::Show);
    }
    return QMainWindow::eventFilter(watched, e);
}

void StudioWindow::chartsPageShown(bool shown)
{
    // A dock the user closed stays closed; one hidden for another page comes
    // back with the charts.
    const char* const away = kHiddenWithCharts;
    for (QDockWidget* dock : findChildren<QDockWidget*>()) {
        if (!shown && !dock->isHidden()) {
            dock->setProperty(away, true);
            dock->hide();
        } else if (shown && dock->property(away).toBool()) {
            dock->setProperty(away, false);
            dock->show();
        }
    }
    for (QLabel* readout : {m_readout, m_misfit})
        if (readout)
            readout->setVisible(shown);
    if (!shown)
        statusBar()->clearMessage();  // a note on the sounding read

}

void StudioWindow::buildMenus()
{
    QMenu* file = menuBar()->addMenu(QCoreApplication::translate("Studio", "&File"));
    file->addAction(QCoreApplication::translate("Studio", "Open &Sounding..."), QKeySequence::Open, [this] {
        StudioFileDialog dlg(TRUE, nullptr, "*.*", OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                             QString::fromUtf8(kSoundingFilter),
                             QCoreApplication::translate("Studio", "Open Sounding"));
        if (keepOrDrop(m_soundingDoc) && dlg.DoModal() == IDOK)
            OpenSounding(dlg.GetPathName());
    });
    file->addAction(QCoreApplication::translate("Studio", "Open Sounding as S&tream..."), [this] {
        StudioFileDialog dlg(TRUE, nullptr, "*.*", OFN_HIDEREADONLY | OFN_FILEMUSTEXIST,
                             QString::fromUtf8(kSoundingFilter),
                             QCoreApplication::translate("Studio", "Open Sounding as Stream"));
        if (keepOrDrop(m_soundingDoc) && dlg.DoModal() == IDOK)
            OpenSounding(dlg.GetPathName(), true);
    });
    file->addAction(QCoreApplication::translate("Studio", "Open &Model..."), [this] {
        StudioFileDialog dlg(TRUE, nullptr, "*.*", OFN_HIDEREADONLY | OFN_FILEMUSTEXIST,
                             QString::fromUtf8(kModelFilter),
                             QCoreApplication::translate("Studio", "Open Layered Model"));
        if (keepOrDrop(m_modelDoc) && dlg.DoModal() == IDOK)
            OpenModel(dlg.GetPathName());
    });
    // The recent files, filled each time the menu opens.
    m_recentMenu = file->addMenu(QCoreApplication::translate("Studio", "Open &Recent"));
    QObject::connect(m_recentMenu, &QMenu::aboutToShow, this, [this] { fillRecentMenu(); });
    fillRecentMenu();
    file->addSeparator();
    file->addAction(QCoreApplication::translate("Studio", "Save Sounding"), QKeySequence::Save,
                    [this] { SaveSounding(); });
    file->addAction(QCoreApplication::translate("Studio", "Save Sounding As..."), [this] { SaveSoundingAs(); });
    file->addAction(QCoreApplication::translate("Studio", "Save Model"), [this] { SaveModel(); });
    file->addAction(QCoreApplication::translate("Studio", "Save Model As..."), [this] { SaveModelAs(); });
    file->addAction(QCoreApplication::translate("Studio", "Save A&ll"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S),
                    [this] { SaveAll(); });
    file->addSeparator();
    file->addAction(QCoreApplication::translate("Studio", "Export Sounding Chart..."),
                    [this] { ExportSoundingChart(); });
    file->addAction(QCoreApplication::translate("Studio", "Export Model Chart..."), [this] { ExportModelChart(); });
    file->addSeparator();
    file->addAction(QCoreApplication::translate("Studio", "&Capture View..."), [this] { CaptureView(); });
    file->addSeparator();
    file->addAction(QCoreApplication::translate("Studio", "&Quit"), QKeySequence::Quit, [this] { close(); });

    QMenu* view = menuBar()->addMenu(QCoreApplication::translate("Studio", "&View"));
    auto* group = new QActionGroup(this);
    m_model1 = view->addAction(QCoreApplication::translate("Studio", "Display Model &1 (log abscissa, linear values)"),
                               [this] { SetDisplayModel(1); });
    m_model2 = view->addAction(QCoreApplication::translate("Studio", "Display Model &2 (log-log)"),
                               [this] { SetDisplayModel(2); });
    for (QAction* a : {m_model1, m_model2}) {
        a->setCheckable(true);
        group->addAction(a);
    }
    m_model1->setChecked(true);
    view->addSeparator();
    // Ctrl+wheel zooms a chart about the pointer; this shows both whole again.
    view->addAction(QCoreApplication::translate("Studio", "&Fit to Window"), QKeySequence(Qt::CTRL | Qt::Key_0),
                    [this] {
                        m_sounding->FitToWindow();
                        m_model->FitToWindow();
                    });

    QMenu* help = menuBar()->addMenu(QCoreApplication::translate("Studio", "&Help"));
    help->setObjectName(QStringLiteral("help"));
    help->addAction(QCoreApplication::translate("Studio", "&About tarnex studio..."),
                    [this] { CreateAboutDialog()->open(); });
}

void StudioWindow::reportError(const CString& message)
{
    ShowStudioError(this, onError, message);
}

void StudioWindow::updateTitle()
{
    const auto part = [](const CString& path, bool modified) {
        QString s = path.IsEmpty() ? QCoreApplication::translate("Studio", "(none)") : fileName(path);
        return modified ? s + QLatin1Char('*') : s;
    };
    setWindowTitle(QCoreApplication::translate("Studio", "tarnex studio - %1 | %2")
                       .arg(part(m_soundingDoc.path, m_soundingDoc.modified) + stationTitle(),
                            part(m_modelDoc.path, m_modelDoc.modified)));
}

bool StudioWindow::OpenSounding(const char* path, bool stream)
{
    SoundingTable t;
    CString error;
    if (!SoundingFile::Read(path, 0, t, error, stream ? SoundingFile::Layout::Stream : SoundingFile::Layout::Lines)) {
        reportError(error);
        return false;
    }
    // Values too small for the linear view are shown in the log-log view,
    // and the user is told why.
    CString note;
    const int readable = SoundingRender::ReadableModel(t, m_sounding->Chart().m_nDisModel, note);
    m_sounding->Chart().m_nDisModel = readable;
    m_sounding->SetSounding(t);
    soundingShown(t, path);
    if (!note.IsEmpty())
        reportError(note);
    // The log-log model may have been refused for these values.
    const bool logLog = m_sounding->Chart().m_nDisModel == 2;
    m_model2->setChecked(logLog);
    m_model1->setChecked(!logLog);
    closeSurvey();
    opened(m_soundingDoc, path);
    return true;
}

bool StudioWindow::OpenModel(const char* path)
{
    LayeredModel m;
    CString error;
    if (!LayeredModelFile::Read(path, m, error)) {
        reportError(error);
        return false;
    }
    m_model->SetModel(m);
    opened(m_modelDoc, path);
    referenceFromModel();
    return true;
}

bool StudioWindow::save(Document& doc)
{
    // The bundled samples are not overwritten in place.
    if (doc.path.IsEmpty() || isBundled(doc.path))
        return saveAs(doc);
    CString error;
    if (!AtomicFile::CheckWritable(doc.path, error) && error.str().find("read-only") != std::string::npos) {
        // A file its owner made read-only is kept; the user may save a copy.
        const QString text =
            QCoreApplication::translate("Studio", "%1 is read-only. Save the edits under another name?")
                .arg(fileName(doc.path));
        return ask(bytes(text), false) == IDYES && saveAs(doc);
    }
    if (!doc.write(doc.path, error)) {
        reportError(error);
        return false;
    }
    m_history.MarkSaved(documentIndex(doc));
    doc.modified = false;
    updateTitle();
    if (&doc == &m_soundingDoc)
        m_systemChanged = false;
    if (&doc == &m_modelDoc)
        referenceFromModel();
    updateTitle();
    return true;
}

bool StudioWindow::saveAs(Document& doc)
{
    // The dialog asks before a file is replaced.
    StudioFileDialog dlg(FALSE, doc.defaultExt, fileName(doc.path).toUtf8().constData(),
                         OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, QString::fromUtf8(doc.filter),
                         QCoreApplication::translate("Studio", "Save the %1 As").arg(doc.what), doc.view->Wnd());
    if (dlg.DoModal() != IDOK)
        return false;
    CString error;
    if (!doc.write(dlg.GetPathName(), error)) {
        reportError(error);
        return false;
    }
    doc.path = dlg.GetPathName();
    m_history.MarkSaved(documentIndex(doc));
    doc.modified = false;
    if (&doc == &m_soundingDoc)
        m_systemChanged = false;
    updateTitle();
    if (&doc == &m_modelDoc)
        referenceFromModel();
    return true;
}

int StudioWindow::ask(const CString& text, bool withCancel)
{
    if (onQuestion)
        return onQuestion(text);
    if (QGuiApplication::platformName() == QLatin1String("offscreen"))
        return IDCANCEL;
    const auto buttons = withCancel ? QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel
                                    : QMessageBox::Yes | QMessageBox::No;
    const auto b = QMessageBox::question(this, QCoreApplication::translate("Studio", "tarnex studio"),
                                         QString::fromUtf8(text.GetString()), buttons);
    return b == QMessageBox::Yes ? IDYES : b == QMessageBox::No ? IDNO : IDCANCEL;
}

bool StudioWindow::keepOrDrop(Document& doc)
{
    if (!doc.modified)
        return true;
    const QString text =
        doc.path.IsEmpty()
            ? QCoreApplication::translate("Studio", "The %1 has unsaved edits. Save them?").arg(doc.what)
            : QCoreApplication::translate("Studio", "The %1 %2 has unsaved edits. Save them?")
                  .arg(doc.what, fileName(doc.path));
    const int answer = ask(bytes(text), true);
    if (answer == IDYES)
        return save(doc);
    return answer == IDNO;
}

std::vector<StudioWindow::Document*> StudioWindow::modifiedDocuments()
{
    std::vector<Document*> docs;
    for (Document* doc : {&m_soundingDoc, &m_modelDoc})
        if (doc->modified)
            docs.push_back(doc);
    return docs;
}

bool StudioWindow::SaveAll()
{
    for (Document* doc : modifiedDocuments())
        if (!save(*doc))
            return false;
    return true;
}

bool StudioWindow::keepOrDropAll()
{
    const std::vector<Document*> docs = modifiedDocuments();
    if (docs.size() < 2)
        return docs.empty() || keepOrDrop(*docs.front());
    // Several documents: one question for all of them rather than one each.
    QString list;
    for (const Document* doc : docs)
        list += QStringLiteral("\n    %1 %2").arg(doc->what, doc->path.IsEmpty() ? QString() : fileName(doc->path));
    const QString text =
        QCoreApplication::translate("Studio", "These documents have unsaved edits:\n%1\n\nSave all of them?").arg(list);
    const int answer = askSaveAll(text);
    if (answer == IDYES)
        return SaveAll();
    return answer == IDNO;
}

int StudioWindow::askSaveAll(const QString& text)
{
    if (onQuestion)
        return onQuestion(bytes(text));
    if (QGuiApplication::platformName() == QLatin1String("offscreen"))
        return IDCANCEL;
    QMessageBox box(QMessageBox::Question, QCoreApplication::translate("Studio", "tarnex studio"), text,
                    QMessageBox::NoButton, this);
    QPushButton* saveAll = box.addButton(QCoreApplication::translate("Studio", "Save All"), QMessageBox::AcceptRole);
    QPushButton* discard =
        box.addButton(QCoreApplication::translate("Studio", "Discard All"), QMessageBox::DestructiveRole);
    box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(saveAll);
    box.exec();
    return box.clickedButton() == saveAll ? IDYES : box.clickedButton() == discard ? IDNO : IDCANCEL;
}

void StudioWindow::closeEvent(QCloseEvent* e)
{
    if (keepOrDropAll())
        e->accept();
    else
        e->ignore();
}

void StudioWindow::opened(Document& doc, const char* path)
{
    doc.path = path;
    m_history.Forget(documentIndex(doc));
    doc.modified = false;
    doc.view->FitToWindow();  // a document just opened shows whole
    editsChanged();
    // The bundled samples come back by themselves; the user's files are remembered.
    if (!isBundled(doc.path))
        m_recent.Add(doc.kind, QString::fromUtf8(path));
}

bool StudioWindow::OpenRecent(int index)
{
    if (index < 0 || index >= m_recent.Entries().size())
        return false;
    const RecentFiles::Entry entry = m_recent.Entries()[index];
    if (!QFileInfo::exists(entry.path)) {
        m_recent.Remove(entry.path);
        reportError(bytes(
            QCoreApplication::translate("Studio", "%1 no longer exists; it was removed from the recent files.")
                .arg(entry.path)));
        return false;
    }
    const QByteArray path = entry.path.toUtf8();
    switch (entry.kind) {
    case RecentFiles::Kind::Sounding:
        return keepOrDrop(m_soundingDoc) && OpenSounding(path.constData());
    case RecentFiles::Kind::Model:
        return keepOrDrop(m_modelDoc) && OpenModel(path.constData());
    case RecentFiles::Kind::Survey:
        return keepOrDrop(m_soundingDoc) && OpenSurvey(path.constData());
    }
    return false;
}

void StudioWindow::fillRecentMenu()
{
    m_recentMenu->clear();
    const QList<RecentFiles::Entry>& entries = m_recent.Entries();
    for (int i = 0; i < entries.size(); ++i) {
        // Numbered for the keyboard; the path in full, as two files may share a name.
        const QString label = QStringLiteral("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(entries[i].path));
        QAction* a = m_recentMenu->addAction(label, [this, i] { OpenRecent(i); });
        a->setData(entries[i].path);
    }
    if (!entries.isEmpty())
        m_recentMenu->addSeparator();
    QAction* clear = m_recentMenu->addAction(QCoreApplication::translate("Studio", "&Clear Recent Files"), [this] {
        m_recent.Clear();
        fillRecentMenu();
    });
    clear->setEnabled(!entries.isEmpty());
}

bool StudioWindow::SaveSounding() { return save(m_soundingDoc); }
bool StudioWindow::SaveSoundingAs() { return saveAs(m_soundingDoc); }
bool StudioWindow::SaveModel() { return save(m_modelDoc); }
bool StudioWindow::SaveModelAs() { return saveAs(m_modelDoc); }

bool StudioWindow::exportChart(ChartView* view, const char* suggestedName)
{
    StudioFileDialog dlg(FALSE, "png", suggestedName, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                         StudioFileDialog::ExportFilter(), QCoreApplication::translate("Studio", "Export Chart"),
                         view->Wnd());
    if (dlg.DoModal() != IDOK)
        return false;
    CString error;
    if (!ChartExporter::Export([view](CDC* dc) { view->Draw(dc); }, dlg.GetPathName(), kExportDpi, error)) {
        reportError(error);
        return false;
    }
    return true;
}

bool StudioWindow::ExportSoundingChart()
{
    if (!m_sounding->HasSounding()) {
        reportError(bytes(QCoreApplication::translate("Studio", "There is no sounding to export.")));
        return false;
    }
    return exportChart(m_sounding, "sounding.png");
}

bool StudioWindow::ExportModelChart() { return exportChart(m_model, "layered-model.png"); }

bool StudioWindow::SetDisplayModel(int model)
{
    const bool ok = m_sounding->SetDisplayModel(model);
    if (!ok)
        reportError(bytes(QCoreApplication::translate(
            "Studio", "The log-log display needs positive abscissas and values: showing display model 1.")));
    const bool logLog = m_sounding->Chart().m_nDisModel == 2;
    m_model2->setChecked(logLog);
    m_model1->setChecked(!logLog);
    return ok;
}
