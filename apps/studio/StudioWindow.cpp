#include "StudioWindow.h"

#include "AxesPage.h"
#include "ProfilePage.h"
#include "SectionPage.h"
#include "ModelView.h"
#include "SoundingView.h"

#include "chart/BundledData.h"
#include "chart/ChartExporter.h"
#include "model1d/LayeredModelFile.h"
#include "platform/wnd/CFileDialog.h"
#include "sounding/CDrawRPCurve.h"
#include "sounding/SoundingFile.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenuBar>
#include <QMessageBox>
#include <QScrollArea>
#include <QSplitter>
#include <QTabWidget>

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
        doc->view->onEdited = [this, doc] {
            doc->modified = true;
            updateTitle();
        };
    }
    auto* split = new QSplitter(Qt::Vertical);
    split->addWidget(scrolled(m_sounding));
    split->addWidget(scrolled(m_model));
    // The sounding with its model on one page, the axes on another.
    auto* tabs = new QTabWidget;
    tabs->addTab(split, QString::fromUtf8("测深曲线与模型"));
    tabs->addTab(new AxesPage, QString::fromUtf8("坐标轴"));
    auto* profiles = new ProfilePage;
    tabs->addTab(profiles, QString::fromUtf8("剖面曲线"));
    tabs->addTab(new SectionPage, QString::fromUtf8("二维断面"));
    setCentralWidget(tabs);
    buildMenus();
    menuBar()->addMenu(profiles->CreateMenu(this));
    resize(1000, 1000);
    updateTitle();
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
}

void StudioWindow::reportError(const CString& message)
{
    if (onError) {
        onError(message);
        return;
    }
    if (QGuiApplication::platformName() == QLatin1String("offscreen")) {
        std::fprintf(stderr, "tarnex-studio: %s\n", message.GetString());
        return;
    }
    QMessageBox::warning(this, QStringLiteral("tarnex studio"), QString::fromUtf8(message.GetString()));
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

bool StudioWindow::OpenSounding(const char* path)
{
    SoundingTable t;
    CString error;
    if (!SoundingFile::Read(path, 0, t, error)) {
        reportError(error);
        return false;
    }
    m_sounding->SetSounding(t);
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
    if (!doc.write(doc.path, error)) {
        reportError(error);
        return false;
    }
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
    doc.modified = false;
    updateTitle();
    return true;
}

bool StudioWindow::keepOrDrop(Document& doc, const char* what)
{
    if (!doc.modified)
        return true;
    CString text;
    text.Format("The %s %s has unsaved edits. Save them?", what,
                doc.path.IsEmpty() ? "" : fileName(doc.path).toUtf8().constData());
    int answer = IDCANCEL;
    if (onQuestion) {
        answer = onQuestion(text);
    } else if (QGuiApplication::platformName() != QLatin1String("offscreen")) {
        const auto b = QMessageBox::question(this, QStringLiteral("tarnex studio"), QString::fromUtf8(text.GetString()),
                                             QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        answer = b == QMessageBox::Yes ? IDYES : b == QMessageBox::No ? IDNO : IDCANCEL;
    }
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
    doc.modified = false;
    updateTitle();
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
