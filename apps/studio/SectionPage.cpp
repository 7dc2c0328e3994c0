#include "SectionPage.h"

#include "StudioFileDialog.h"
#include "StudioWindow.h"

#include "geometry/PolyModelFile.h"
#include "platform/gdi/CDC.h"
#include "platform/wnd/CFileDialog.h"

#include <QCoreApplication>
#include <QPushButton>


namespace {

constexpr int kButtonsPx = 36;  // strip above the drawing
constexpr int kExportDpi = 300;

}  // namespace

SectionPage::SectionPage(QWidget* parent) : StudioPage(parent, kExportDpi)
{
    setWindowTitle(QCoreApplication::translate("Studio", "Section"));
    setToolTip(QCoreApplication::translate("Studio", "Double-click an axis to change it"));
    m_open = new QPushButton(QCoreApplication::translate("Studio", "Open Model…"), this);
    m_export = new QPushButton(QCoreApplication::translate("Studio", "Export…"), this);
    m_open->move(6, 6);
    m_export->move(12 + m_open->sizeHint().width(), 6);
    connect(m_open, &QPushButton::clicked, this, [this] { OpenWithDialog(); });
    connect(m_export, &QPushButton::clicked, this, [this] { ExportWithDialog(); });
    const CString sample = StudioWindow::BundledData("section-model.txt");
    if (sample.IsEmpty() || !Open(sample))
        contentChanged();
}

SectionPage::~SectionPage() = default;

bool SectionPage::Open(const char* path)
{
    TMOD2D model;
    CString error;
    if (!PolyModelFile::Read(path, model, error)) {
        reportError(error);
        return false;
    }
    SectionSheet sheet;
    if (!sheet.Load(model)) {
        // A section too thin for the page is told with its sizes; a model
        // without extent in the user's language.
        std::string why;
        if (SectionSheet::Fits(model, why) || why.find(" mm ") == std::string::npos)
            why.clear();
        reportError(!why.empty() ? CString((std::string(path) + ": " + why).c_str())
                                 : CString(QCoreApplication::translate("Studio", "%1: the model has no extent to draw")
                                               .arg(QString::fromUtf8(path))
                                               .toUtf8()
                                               .constData()));
        return false;
    }
    m_sheet.Load(model);
    m_path = path;
    contentChanged();
    return true;
}

bool SectionPage::OpenWithDialog()
{
    StudioFileDialog dlg(TRUE, nullptr, "*.txt", OFN_HIDEREADONLY | OFN_FILEMUSTEXIST,
                         QCoreApplication::translate("Studio", "Polygon Models (*.txt)|*.txt|All Files (*.*)|*.*||"),
                         QCoreApplication::translate("Studio", "Open Polygon Model"));
    return dlg.DoModal() == IDOK && Open(dlg.GetPathName());
}

bool SectionPage::ExportWithDialog()
{
    StudioFileDialog dlg(FALSE, "png", "section.png", OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                         StudioFileDialog::ExportFilter(), QCoreApplication::translate("Studio", "Export Section"));
    return dlg.DoModal() == IDOK && Export(dlg.GetPathName());
}

int SectionPage::controlStrip() const { return kButtonsPx; }

int SectionPage::mapMode() const { return MM_HIMETRIC; }

bool SectionPage::EditAt(const QPoint& pixel)
{
    switch (m_sheet.HitTest(ToLogical(pixel))) {
    case SectionSheet::Part::XAxis: m_sheet.m_Sect.SetXaxs(); break;
    case SectionSheet::Part::YAxis: m_sheet.m_Sect.SetYaxs(); break;
    case SectionSheet::Part::None: return false;
    }
    m_sheet.PlaceBar();
    contentChanged();
    return true;
}
