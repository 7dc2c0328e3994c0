#include "SectionPage.h"

#include "StudioFileDialog.h"
#include "StudioWindow.h"

#include "geometry/PolyModelFile.h"
#include "platform/gdi/CRecordingDC.h"
#include "platform/wnd/CFileDialog.h"

#include <QCoreApplication>
#include <QPushButton>


namespace {

constexpr int kButtonsPx = 36;  // strip above the drawing
constexpr int kMarginPx = 16;
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
    if (!sample.IsEmpty())
        Open(sample);
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
    fit();
    update();
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

void SectionPage::fit()
{
    CRecordingDC probe(logicalDpiY(), CSize(1, 1));
    m_sheet.Draw(&probe);
    const CRect b = probe.DeviceBounds();
    m_shift = CPoint(kMarginPx - b.left, kButtonsPx + kMarginPx - b.top);
    m_extent = CSize(b.Width(), b.Height());
    // The whole section stays reachable: a scroll area around the page
    // scrolls rather than squeezing it.
    setMinimumSize(sizeHint());
    updateGeometry();
}

QSize SectionPage::sizeHint() const
{
    return QSize(m_extent.cx + 2 * kMarginPx, m_extent.cy + kButtonsPx + 2 * kMarginPx);
}

void SectionPage::applyMapping(CDC& dc) const
{
    dc.SetMapMode(MM_HIMETRIC);
    dc.SetViewportOrg(m_shift);
}

bool SectionPage::EditAt(const QPoint& pixel)
{
    switch (m_sheet.HitTest(ToLogical(pixel))) {
    case SectionSheet::Part::XAxis: m_sheet.m_Sect.SetXaxs(); break;
    case SectionSheet::Part::YAxis: m_sheet.m_Sect.SetYaxs(); break;
    case SectionSheet::Part::None: return false;
    }
    m_sheet.PlaceBar();
    fit();
    update();
    return true;
}
