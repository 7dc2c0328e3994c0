// Live modelling in the studio: the sounding chart's modelled curves follow
// the layered model as it is edited, with the misfit in the status bar, the
// response of the model as last saved drawn faintly for comparison, masked
// samples, and the forward parameters dialog.
#include "StudioWindow.h"

#include "LiveForward.h"
#include "ModelView.h"
#include "SoundingForward.h"
#include "SoundingView.h"
#include "StatusReadout.h"
#include "SurveyBrowser.h"

#include "em1d/ModelError.h"
#include "sounding/SoundingFile.h"
#include "sounding/SoundingRender.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>

#include <cmath>

namespace {


QString percent(double v) { return std::isfinite(v) ? QString::number(v, 'f', 2) : QStringLiteral("–"); }

QString misfitText(double v, double r)
{
    return QCoreApplication::translate("Studio", "Misfit V %1 % | R %2 %").arg(percent(v), percent(r));
}

std::vector<double> doubles(const CArray<float, float&>& a, int n, double scale = 1)
{
    std::vector<double> out(static_cast<std::size_t>(std::max(0, std::min(n, a.GetSize()))));
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i] = a[static_cast<int>(i)] * scale;
    return out;
}

std::vector<double> doubles(const std::vector<float>& a)
{
    return std::vector<double>(a.begin(), a.end());
}

// Largest over smallest value of the sounding's four curves as shown; 0 when
// some value is not positive (the log-log view cannot show it).
double valueSpan(const SoundingTable& t)
{
    double lo = HUGE_VAL, hi = 0;
    for (const auto* a : {&t.r, &t.v, &t.rFwd, &t.vFwd})
        for (int i = 0; i < std::min(t.Rows(), a->GetSize()); ++i) {
            const double v = (*a)[i];
            if (!(v > 0))
                return 0;
            lo = std::min(lo, v);
            hi = std::max(hi, v);
        }
    return hi > 0 ? hi / lo : 0;
}

// Past this ratio the smaller values of a linear axis lie within 1 % of its
// height from the bottom.
constexpr double kMaxLinearSpan = 100;

// Text of a number for a box of the dialog.
QString boxText(double v) { return QString::number(v, 'g', 7); }

}  // namespace

void StudioWindow::buildForward()
{
    m_live = new LiveForward(this);
    m_live->onResult = [this](const LiveForward::Result& r) {
        // A response asked for the sounding shown before (Page Down pressed
        // while it was computed) belongs to other samples.
        if (ShowingFileModelled() || !m_sounding->HasSounding() || r.serial < m_liveFrom)
            return;
        if (!r.error.empty()) {
            m_misfit->setText(misfitText(std::nan(""), std::nan("")));
            statusBar()->showMessage(QCoreApplication::translate("Studio", "The model cannot be computed: %1").arg(QString::fromStdString(r.error)));
            return;
        }
        m_sounding->SetModelled(r.rho, inFileUnits(r.v));
        m_misfit->setText(misfitText(r.misfitV, r.misfitR));
        m_model->SetInvestigationDepth(ModelView::DepthOfInvestigation(
            doubles(m_sounding->Values().x, m_sounding->Values().Rows(), m_scales.msPerUnit), r.rho,
            m_sounding->Masked()));
        // The first response decides whether the linear value axis can show
        // the curves: a transient's V spans decades, and on a linear axis all
        // but its earliest samples would lie flat on the abscissa.
        if (!m_viewChecked && m_sounding->Chart().m_nDisModel == 1 && !m_sounding->Dragging()) {
            m_viewChecked = true;
            const double span = valueSpan(m_sounding->Values());
            if (span > kMaxLinearSpan && SetDisplayModel(2))
                statusBar()->showMessage(QCoreApplication::translate("Studio", "The values span %1 decades, too many for a linear value axis: "
                                            "the log-log view (model 2) is shown")
                                             .arg(std::floor(std::log10(span))));
        }
    };
    m_misfit = new QLabel;
    m_misfit->setObjectName(QStringLiteral("misfit"));
    statusBar()->addPermanentWidget(m_misfit);
    m_model->onDragValue = [this](int layer, float resistivity) { requestForward(layer, resistivity); };

    QMenu* view = m_model1 ? qobject_cast<QMenu*>(m_model1->parent()) : nullptr;
    if (view) {
        view->addSeparator();
        m_fileModelled = view->addAction(QCoreApplication::translate("Studio", "Show the File's &Modelled Columns"));
        m_fileModelled->setCheckable(true);
        connect(m_fileModelled, &QAction::toggled, this, [this] { showFileModelled(); });
        view->addAction(QCoreApplication::translate("Studio", "Forward &Parameters..."), [this] { CreateForwardDialog()->open(); });
    }
    for (QAction* a : menuBar()->actions())
        if (a->menu() && m_undo && a->menu() == m_undo->parent()) {
            a->menu()->addSeparator();
            a->menu()->addAction(QCoreApplication::translate("Studio", "&Mask or Unmask Sample"), QKeySequence(Qt::CTRL | Qt::Key_M),
                                 [this] { ToggleSelectedMask(); });
        }
}

bool StudioWindow::ShowingFileModelled() const { return m_fileModelled && m_fileModelled->isChecked(); }

void StudioWindow::ShowFileModelled(bool show)
{
    if (m_fileModelled)
        m_fileModelled->setChecked(show);
}

void StudioWindow::showFileModelled()
{
    if (!ShowingFileModelled()) {
        requestForward();
        return;
    }
    if (!m_sounding->HasSounding())
        return;
    m_sounding->SetModelled(doubles(m_fileRFwd), doubles(m_fileVFwd));
    const int n = m_sounding->Chart().m_nCount;
    const auto& masked = m_sounding->Masked();
    m_model->SetInvestigationDepth(ModelView::DepthOfInvestigation(
        doubles(m_sounding->Values().x, n, m_scales.msPerUnit), doubles(m_fileRFwd), masked));
    m_misfit->setText(misfitText(
        SoundingForward::MisfitPercent(doubles(m_sounding->Values().v, n), doubles(m_fileVFwd), masked),
        SoundingForward::MisfitPercent(doubles(m_sounding->Values().r, n), doubles(m_fileRFwd), masked)));
}

void StudioWindow::soundingShown(const SoundingTable& t, const char* path)
{
    const std::string name = path ? std::string(path) : std::string("sounding");
    std::vector<char> flags(static_cast<std::size_t>(t.Rows()), 0);
    std::string why;
    std::vector<int> rows;
    if (t.source && SoundingForward::ReadMask(*t.source, name, t.Rows(), rows, why)) {
        for (int row : rows)
            flags[static_cast<std::size_t>(row)] = 1;
    }
    modellingShown(t, name, t.source ? std::string_view(*t.source) : std::string_view(), t.header, std::move(flags));
    // After the system's note, if any: both are worth reading, the mask's
    // more so, since the misfit rests on it.
    if (!why.empty())
        statusBar()->showMessage(QCoreApplication::translate("Studio", "%1; no sample is masked").arg(QString::fromStdString(why)));
}

void StudioWindow::modellingShown(const SoundingTable& t, const std::string& name, std::string_view systemText,
                                  const std::string& header, std::vector<char> masked)
{
    m_system = em1d::TemSystem();
    m_systemChanged = false;
    m_viewChecked = false;
    m_scales = SoundingForward::Scales();
    std::string unmodelled;
    m_modelling = SoundingForward::ScalesOf(header, m_scales, unmodelled);
    m_liveFrom = m_live ? m_live->LastSubmitted() + 1 : 0;
    m_fileRFwd.assign(t.rFwd.GetData(), t.rFwd.GetData() + t.rFwd.GetSize());
    m_fileVFwd.assign(t.vFwd.GetData(), t.vFwd.GetData() + t.vFwd.GetSize());
    std::string why;
    if (!SoundingForward::ApplySystem(systemText, name, m_system, why)) {
        m_system = em1d::TemSystem();
        statusBar()->showMessage(QCoreApplication::translate("Studio", "%1; the default system is used").arg(QString::fromStdString(why)));
    }
    masked.resize(static_cast<std::size_t>(t.Rows()), 0);
    m_sounding->SetMasked(std::move(masked));
    m_model->SetInvestigationDepth(std::nan(""));
    if (m_misfit)
        m_misfit->clear();
    if (!m_modelling)
        statusBar()->showMessage(QCoreApplication::translate("Studio", "No live modelling: %1").arg(QString::fromStdString(unmodelled)));
    referenceFromModel();
}

std::vector<double> StudioWindow::inFileUnits(std::vector<double> microVoltsPerAmp) const
{
    for (double& v : microVoltsPerAmp)
        v /= m_scales.microVoltsPerUnit;
    return microVoltsPerAmp;
}

void StudioWindow::referenceFromModel()
{
    m_sounding->SetReference({}, {});
    if (!m_modelling || !m_sounding->HasSounding() || m_model->Layers() < 1)
        return;
    const LiveForward::Request q = [&] {
        LiveForward::Request r;
        const LayeredModel& m = m_model->Model();
        r.thick = doubles(m.thick, m.Layers() - 1);
        r.res = doubles(m.res, m.Layers());
        r.system = m_system;
        r.timesMs = doubles(m_sounding->Values().x, m_sounding->Values().Rows(), m_scales.msPerUnit);
        return r;
    }();
    const LiveForward::Result r = LiveForward::Compute(q);
    if (r.error.empty())
        m_sounding->SetReference(r.rho, inFileUnits(r.v));
}

void StudioWindow::requestForward(int layer, float dragged)
{
    if (!m_live || !m_modelling || ShowingFileModelled() || !m_sounding->HasSounding() || m_model->Layers() < 1)
        return;
    const SoundingTable& s = m_sounding->Values();
    const LayeredModel& m = m_model->Model();
    LiveForward::Request q;
    q.thick = doubles(m.thick, m.Layers() - 1);
    q.res = doubles(m.res, m.Layers());
    if (layer >= 0 && static_cast<std::size_t>(layer) < q.res.size())
        q.res[static_cast<std::size_t>(layer)] = dragged;
    q.system = m_system;
    q.timesMs = doubles(s.x, s.Rows(), m_scales.msPerUnit);
    q.measuredR = doubles(s.r, s.Rows());
    q.measuredV = doubles(s.v, s.Rows(), m_scales.microVoltsPerUnit);
    q.masked = m_sounding->Masked();
    m_live->Submit(std::move(q));
}

void StudioWindow::restoreFileModelled(SoundingTable& t) const
{
    const int n = t.Rows();
    if (m_fileRFwd.size() != static_cast<std::size_t>(n) || m_fileVFwd.size() != static_cast<std::size_t>(n) ||
        t.rFwd.GetSize() != n || t.vFwd.GetSize() != n)
        return;
    for (int i = 0; i < n; ++i) {
        t.rFwd[i] = m_fileRFwd[static_cast<std::size_t>(i)];
        t.vFwd[i] = m_fileVFwd[static_cast<std::size_t>(i)];
    }
}

SoundingTable StudioWindow::soundingToSave() const
{
    SoundingTable t = m_sounding->Sounding();
    restoreFileModelled(t);
    std::vector<int> rows;
    const auto& masked = m_sounding->Masked();
    for (std::size_t i = 0; i < masked.size(); ++i)
        if (masked[i])
            rows.push_back(static_cast<int>(i));
    std::string text = t.source ? *t.source : std::string();
    text = SoundingForward::WithCommentLine(text, "mask", SoundingForward::MaskLine(rows));
    if (m_systemChanged)
        text = SoundingForward::WithCommentLine(text, "tem", SoundingForward::SystemLine(m_system));
    if (t.source || !rows.empty() || m_systemChanged)
        t.source = std::make_shared<const std::string>(std::move(text));
    return t;
}

void StudioWindow::SetSystem(const em1d::TemSystem& system)
{
    m_system = system;
    m_systemChanged = true;
    // In a survey the system belongs to a folder's station (its file's
    // "# tem:" line) or to the whole table (a "# tem:" line before its rows).
    if (m_survey && m_survey->IsOpen() && m_survey->Current() >= 0) {
        if (m_survey->IsFolder())
            m_survey->MarkEdited(m_survey->Current());
        else
            m_survey->SetLead(SoundingForward::WithCommentLine(m_survey->Table().lead, "tem",
                                                               SoundingForward::SystemLine(system)));
    }
    editsChanged();
    referenceFromModel();
}

bool StudioWindow::ToggleSelectedMask()
{
    const int index = m_sounding->SelectedIndex();
    if (!m_sounding->HasSounding() || index < 0 || m_sounding->Dragging())
        return false;
    const auto& masked = m_sounding->Masked();
    const bool was = static_cast<std::size_t>(index) < masked.size() && masked[static_cast<std::size_t>(index)];
    const ValueEdit e{EditField::SoundingMask, index, was ? 1.0f : 0.0f, was ? 0.0f : 1.0f};
    if (!m_sounding->SetValue(e.field, e.index, e.after))
        return false;
    m_history.Record(e);
    statusBar()->showMessage(was ? QCoreApplication::translate("Studio", "Sample %1 unmasked").arg(index + 1)
                                 : QCoreApplication::translate("Studio", "Sample %1 masked: left out of the misfit").arg(index + 1));
    editsChanged();
    return true;
}

QDialog* StudioWindow::CreateForwardDialog()
{
    auto* dlg = new QDialog(this);
    dlg->setAttribute(Qt::WA_DeleteOnClose);
    dlg->setObjectName(QStringLiteral("forwardParameters"));
    dlg->setWindowTitle(QCoreApplication::translate("Studio", "Forward Parameters"));
    auto* form = new QFormLayout(dlg);
    auto* shape = new QComboBox;
    shape->setObjectName(QStringLiteral("loopShape"));
    shape->addItems({QCoreApplication::translate("Studio", "Circular loop, radius (m)"), QCoreApplication::translate("Studio", "Square loop, side (m)")});
    auto* size = new QLineEdit(boxText(m_system.loopRadius));
    size->setObjectName(QStringLiteral("loopSize"));
    auto* area = new QLineEdit(boxText(m_system.rxArea));
    area->setObjectName(QStringLiteral("rxArea"));
    auto* ramp = new QLineEdit(boxText(m_system.rampUs));
    ramp->setObjectName(QStringLiteral("ramp"));
    auto* error = new QLabel;
    error->setObjectName(QStringLiteral("error"));
    error->setStyleSheet(QStringLiteral("color: #b00000"));
    form->addRow(QCoreApplication::translate("Studio", "Transmitter loop"), shape);
    form->addRow(QCoreApplication::translate("Studio", "Loop size"), size);
    form->addRow(QCoreApplication::translate("Studio", "Receiver area (m², area × turns)"), area);
    form->addRow(QCoreApplication::translate("Studio", "Turn-off ramp (µs)"), ramp);
    form->addRow(error);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    form->addRow(buttons);
    connect(shape, &QComboBox::currentIndexChanged, dlg, [this, size](int index) {
        const double side = m_system.loopRadius * std::sqrt(M_PI);
        size->setText(boxText(index == 1 ? side : m_system.loopRadius));
    });
    connect(buttons, &QDialogButtonBox::rejected, dlg, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::accepted, dlg, [this, dlg, shape, size, area, ramp, error] {
        const QLocale c = QLocale::c();
        bool okSize = false, okArea = false, okRamp = false;
        const double s = c.toDouble(size->text().trimmed(), &okSize);
        em1d::TemSystem sys = m_system;
        sys.rxArea = c.toDouble(area->text().trimmed(), &okArea);
        sys.rampUs = c.toDouble(ramp->text().trimmed(), &okRamp);
        if (!okSize || !okArea || !okRamp) {
            error->setText(QCoreApplication::translate("Studio", "Type plain numbers, such as 50 or 1.5e2."));
            return;
        }
        try {
            sys.loopRadius = shape->currentIndex() == 1 ? em1d::TemSystem::fromSquareLoop(s).loopRadius : s;
            sys.validate();
        } catch (const em1d::ModelError& e) {
            error->setText(QString::fromStdString(e.what()));
            return;
        }
        SetSystem(sys);
        dlg->accept();
    });
    return dlg;
}
