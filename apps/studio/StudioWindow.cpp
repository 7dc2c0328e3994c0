#include "StudioWindow.h"
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

#include <QMessageBox>
#include <QScrollArea>
#include <QSplitter>
#include <QUrl>

#include <cstdio>

namespace {

const char* const kSoundingFilter = CDrawRPCurve::kFileFilter;
const char* const kModelFilter = LayeredModelFile::kFileFilter;
const char* const kExportFilter = "PNG Image (*.png)|*.png|SVG Drawing (*.svg)|*.svg|PDF Document (*.pdf)|*.pdf|"
                                  "BMP Image (*.bmp)|*.bmp||";
constexpr int kExportDpi = 150;

QScrollArea* scrolled(QWidget* w)
{
    auto* area = new QScrollArea;
    area->setWidget(w);
    area->setWidgetResizable(false);
    area->setBackgroundRole(QPalette::Base);
    return area;
}

constexpr UINT kTabsId = 1;

QString fileName(const CString& path) { return QFileInfo(QString::fromUtf8(path.GetString())).fileName(); }

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
                             error = "no sounding to save";
                             return false;
                         }
                         return SoundingFile::Write(path, m_sounding->Sounding(), error);
                     }};
    m_modelDoc = {CString(), false, "txt", kModelFilter, m_model, [this](const char* path, CString& error) {
                      return LayeredModelFile::Write(path, m_model->Model(), error);
                  }};
    for (Document* doc : {&m_soundingDoc, &m_modelDoc}) {
        doc->view->onEdited = [this] { editsChanged(); };
    }
    // The frame holds the tab window; the first page is the splitter with
    // the two charts side by side, and the page views fill the tabs.
    auto* host = new FrameHost(this);
    setCentralWidget(host);
    m_frame.Attach(host);
    m_tabs.Create(WS_CHILD | WS_VISIBLE | TCS_BOTTOM, CRect(0, 0, 100, 100), &m_frame, kTabsId);
    PageView* charts = AddPage(nullptr, "测深曲线与模型");
    m_split.CreateStatic(charts, 1, 2);
    m_split.CreateView(0, 0, RUNTIME_CLASS(PageView), SIZE{500, 0}, nullptr);
    m_split.CreateView(0, 1, RUNTIME_CLASS(PageView), SIZE{500, 0}, nullptr);
    charts->SetContent(m_split.m_hWnd);
    static_cast<PageView*>(m_split.GetPane(0, 0))->SetContent(m_sounding);
    static_cast<PageView*>(m_split.GetPane(0, 1))->SetContent(m_model);
    auto* axes = new AxesPage;
    axes->setMinimumSize(axes->sizeHint());  // smaller pages scroll
    auto* axesArea = scrolled(axes);
    axesArea->setWidgetResizable(true);
    AddPage(axesArea, "坐标轴");
    auto* profiles = new ProfilePage;
    AddPage(profiles, "剖面曲线");
    AddPage(new SectionPage, "二维断面");
    m_tabs.SetCurSel(0);
    m_tabs.ShowSelTabView();
    m_frame.SetActiveView(static_cast<CView*>(m_split.GetPane(0, 0)));
    buildMenus();
    buildEditing();
    menuBar()->addMenu(profiles->CreateMenu(this));
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
        reportError("no view is active: click into a chart first");
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
        CString error;
        error.Format("could not write the view to %s", path);
        reportError(error);
        return false;
    }
    return true;
}

bool StudioWindow::CaptureView()
{
    CFileDialog dlg(FALSE, "bmp", "view.bmp", OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, "BMP Image (*.bmp)|*.bmp||",
                    &m_frame);
    return dlg.DoModal() == IDOK && CaptureActivePane(dlg.GetPathName());
}

CString StudioWindow::DocumentationUrl()
{
    const QString installed = QCoreApplication::applicationDirPath() + QStringLiteral("/../share/doc/tarnex/README.md");
    const QString path = QFileInfo::exists(installed) ? QFileInfo(installed).absoluteFilePath()
                                                      : QStringLiteral(TARNEX_SOURCE_README);
    return CString(QUrl::fromLocalFile(path).toString().toUtf8().constData());
}

QDialog* StudioWindow::CreateAboutDialog()
{
    auto* dlg = new QDialog(this);
    dlg->setAttribute(Qt::WA_DeleteOnClose);
    dlg->setWindowTitle(QStringLiteral("About tarnex studio"));
    auto* layout = new QVBoxLayout(dlg);
    layout->addWidget(new QLabel(QStringLiteral("<b>tarnex studio</b> %1").arg(QStringLiteral(TARNEX_VERSION))));
    layout->addWidget(new QLabel(QStringLiteral("Sounding curves, layered models and axes of EM sounding work.")));
    // The link sizes itself to its text, so it sits in a box of its own.
    auto* box = new QWidget;
    box->setMinimumSize(560, 24);
    auto* label = new QLabel(QStringLiteral("Documentation"), box);
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

void StudioWindow::buildMenus()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("Open &Sounding..."), QKeySequence::Open, [this] {
        CFileDialog dlg(TRUE, nullptr, "*.*", OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, kSoundingFilter);
        if (keepOrDrop(m_soundingDoc, "sounding") && dlg.DoModal() == IDOK)
            OpenSounding(dlg.GetPathName());
    });
    file->addAction(QCoreApplication::translate("Studio", "Open Sounding as S&tream..."), [this] {
        CFileDialog dlg(TRUE, nullptr, "*.*", OFN_HIDEREADONLY | OFN_FILEMUSTEXIST, kSoundingFilter);
        if (keepOrDrop(m_soundingDoc, "sounding") && dlg.DoModal() == IDOK)
            OpenSounding(dlg.GetPathName(), true);
    });
    file->addAction(QStringLiteral("Open &Model..."), [this] {
        CFileDialog dlg(TRUE, nullptr, "*.*", OFN_HIDEREADONLY | OFN_FILEMUSTEXIST, kModelFilter);
        if (keepOrDrop(m_modelDoc, "layered model") && dlg.DoModal() == IDOK)
            OpenModel(dlg.GetPathName());
    });
    file->addSeparator();
    file->addAction(QStringLiteral("Save Sounding"), QKeySequence::Save, [this] { SaveSounding(); });
    file->addAction(QStringLiteral("Save Sounding As..."), [this] { SaveSoundingAs(); });
    file->addAction(QStringLiteral("Save Model"), [this] { SaveModel(); });
    file->addAction(QStringLiteral("Save Model As..."), [this] { SaveModelAs(); });
    file->addSeparator();
    file->addAction(QStringLiteral("Export Sounding Chart..."), [this] { ExportSoundingChart(); });
    file->addAction(QStringLiteral("Export Model Chart..."), [this] { ExportModelChart(); });
    file->addSeparator();
    file->addAction(QStringLiteral("&Capture View..."), [this] { CaptureView(); });
    file->addSeparator();
    file->addAction(QStringLiteral("&Quit"), QKeySequence::Quit, [this] { close(); });

    QMenu* view = menuBar()->addMenu(QStringLiteral("&View"));
    auto* group = new QActionGroup(this);
    m_model1 = view->addAction(QStringLiteral("Display Model &1 (log abscissa, linear values)"),
                               [this] { SetDisplayModel(1); });
    m_model2 = view->addAction(QStringLiteral("Display Model &2 (log-log)"), [this] { SetDisplayModel(2); });
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

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->addAction(QStringLiteral("&About tarnex studio..."), [this] { CreateAboutDialog()->open(); });
}

void StudioWindow::reportError(const CString& message)
{
    ShowStudioError(this, onError, message);
}

void StudioWindow::updateTitle()
{
    const auto part = [](const CString& path, bool modified) {
        QString s = path.IsEmpty() ? QStringLiteral("(none)") : fileName(path);
        return modified ? s + QLatin1Char('*') : s;
    };
    setWindowTitle(QStringLiteral("tarnex studio - %1 | %2")
                       .arg(part(m_soundingDoc.path, m_soundingDoc.modified), part(m_modelDoc.path, m_modelDoc.modified)));
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
    if (!note.IsEmpty())
        reportError(note);
    // The log-log model may have been refused for these values.
    const bool logLog = m_sounding->Chart().m_nDisModel == 2;
    m_model2->setChecked(logLog);
    m_model1->setChecked(!logLog);
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
        CString text;
        text.Format("%s is read-only. Save the edits under another name?", fileName(doc.path).toUtf8().constData());
        return ask(text, false) == IDYES && saveAs(doc);
    }
    if (!doc.write(doc.path, error)) {
        reportError(error);
        return false;
    }
    m_history.MarkSaved(documentIndex(doc));
    doc.modified = false;
    updateTitle();
    return true;
}

bool StudioWindow::saveAs(Document& doc)
{
    // The dialog asks before a file is replaced.
    CFileDialog dlg(FALSE, doc.defaultExt, fileName(doc.path).toUtf8().constData(),
                    OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, doc.filter, doc.view->Wnd());
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
    updateTitle();
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
    const auto b = QMessageBox::question(this, QStringLiteral("tarnex studio"), QString::fromUtf8(text.GetString()),
                                         buttons);
    return b == QMessageBox::Yes ? IDYES : b == QMessageBox::No ? IDNO : IDCANCEL;
}

bool StudioWindow::keepOrDrop(Document& doc, const char* what)
{
    if (!doc.modified)
        return true;
    CString text;
    text.Format("The %s %s has unsaved edits. Save them?", what,
                doc.path.IsEmpty() ? "" : fileName(doc.path).toUtf8().constData());
    const int answer = ask(text, true);
    if (answer == IDYES)
        return save(doc);
    return answer == IDNO;
}

void StudioWindow::closeEvent(QCloseEvent* e)
{
    if (keepOrDrop(m_soundingDoc, "sounding") && keepOrDrop(m_modelDoc, "layered model"))
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
}

bool StudioWindow::SaveSounding() { return save(m_soundingDoc); }
bool StudioWindow::SaveSoundingAs() { return saveAs(m_soundingDoc); }
bool StudioWindow::SaveModel() { return save(m_modelDoc); }
bool StudioWindow::SaveModelAs() { return saveAs(m_modelDoc); }

bool StudioWindow::exportChart(ChartView* view, const char* suggestedName)
{
    CFileDialog dlg(FALSE, "png", suggestedName, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, kExportFilter, view->Wnd());
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
        reportError("no sounding to export");
        return false;
    }
    return exportChart(m_sounding, "sounding.png");
}

bool StudioWindow::ExportModelChart() { return exportChart(m_model, "layered-model.png"); }

bool StudioWindow::SetDisplayModel(int model)
{
    const bool ok = m_sounding->SetDisplayModel(model);
    if (!ok)
        reportError("the log-log display needs positive abscissas and values: showing display model 1");
    const bool logLog = m_sounding->Chart().m_nDisModel == 2;
    m_model2->setChecked(logLog);
    m_model1->setChecked(!logLog);
    return ok;
}
