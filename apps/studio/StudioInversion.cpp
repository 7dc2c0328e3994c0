// Inversion in the studio: Edit > Invert fits the layered model to the open
// sounding's measured V on a thread of its own. The model chart and the
// modelled curves follow each accepted step, the status bar shows the
// iteration and the misfit, Escape or the same action cancels (the model
// goes back to where it started), and the result is one step of undo.
#include "StudioWindow.h"

#include "InversionRun.h"
#include "LayerTable.h"
#include "ModelView.h"
#include "SoundingView.h"
#include "SurveyBrowser.h"

#include "em1d/TemInversion.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>

#include <cmath>

namespace {

QString invertText() { return QCoreApplication::translate("Studio", "&Invert"); }
QString cancelText() { return QCoreApplication::translate("Studio", "Cancel &Inversion"); }

}  // namespace

void StudioWindow::buildInversion()
{
    m_inversion = new InversionRun(this);
    m_inversion->onStep = [this](const InversionRun::Step& s) {
        inversionStep(s.thick, s.res);
        statusBar()->showMessage(QCoreApplication::translate("Studio", "Inverting: iteration %1, misfit %2 % (Esc cancels)")
                                     .arg(s.iteration)
                                     .arg(s.misfitPercent, 0, 'f', 2));
    };
    m_inversion->onFinished = [this](const InversionRun::Outcome& o) { inversionFinished(o.result, o.error); };

    m_invert = new QAction(invertText(), this);
    m_invert->setObjectName(QStringLiteral("invert"));
    m_invert->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_I));
    connect(m_invert, &QAction::triggered, this, [this] {
        if (m_inversion->Running())
            CancelInversion();
        else
            Invert();
    });
    // Escape cancels only while an inversion runs: a disabled action leaves
    // the key to the charts otherwise.
    m_cancelInversion = new QAction(this);
    m_cancelInversion->setShortcut(QKeySequence(Qt::Key_Escape));
    m_cancelInversion->setEnabled(false);
    connect(m_cancelInversion, &QAction::triggered, this, [this] { CancelInversion(); });
    addAction(m_cancelInversion);

    QMenu* edit = m_undo ? qobject_cast<QMenu*>(m_undo->parent()) : nullptr;
    if (edit) {
        edit->addSeparator();
        edit->addAction(m_invert);
    } else {
        addAction(m_invert);
    }
}

bool StudioWindow::Invert()
{
    if (!m_modelling || m_inversion->Running() || !m_sounding->HasSounding() || m_model->Layers() < 1 ||
        m_sounding->Dragging() || m_model->Dragging())
        return false;
    const SoundingTable& s = m_sounding->Values();
    const LayeredModel& m = m_model->Model();
    InversionRun::Request q;
    m_invStartThick.clear();
    m_invStartRes.clear();
    for (int i = 0; i < m.Layers(); ++i) {
        m_invStartRes.push_back(m.res[i]);
        q.res.push_back(m.res[i]);
        if (i + 1 < m.Layers()) {
            m_invStartThick.push_back(m.thick[i]);
            q.thick.push_back(m.thick[i]);
        }
    }
    q.resFixed = m_layers->FixedResistivity();
    q.thickFixed = m_layers->FixedThickness();
    q.system = m_system;
    // Masked samples take no part: the inversion sees only the others.
    const auto& masked = m_sounding->Masked();
    for (int i = 0; i < s.Rows(); ++i) {
        if (static_cast<std::size_t>(i) < masked.size() && masked[static_cast<std::size_t>(i)])
            continue;
        q.timesMs.push_back(s.x[i] * m_scales.msPerUnit);
        q.voltage.push_back(s.v[i] * m_scales.microVoltsPerUnit);
    }
    if (!m_inversion->Start(std::move(q)))
        return false;
    m_invShown = modelValues();
    m_invAbandoned = false;
    // The model is the inversion's while it runs: no drags, no typing.
    m_model->setEnabled(false);
    m_layers->setEnabled(false);
    m_invert->setText(cancelText());
    m_cancelInversion->setEnabled(true);
    statusBar()->showMessage(QCoreApplication::translate("Studio", "Inverting… (Esc cancels)"));
    return true;
}

void StudioWindow::CancelInversion()
{
    if (m_inversion && m_inversion->Running())
        m_inversion->Cancel();
}

std::vector<float> StudioWindow::modelValues() const
{
    const LayeredModel& m = m_model->Model();
    std::vector<float> out;
    for (int i = 0; i < m.Layers(); ++i)
        out.push_back(m.res[i]);
    for (int i = 0; i + 1 < m.Layers() && i < m.thick.GetSize(); ++i)
        out.push_back(m.thick[i]);
    return out;
}

void StudioWindow::inversionStep(const std::vector<double>& thick, const std::vector<double>& res)
{
    // A model that is no longer the one last written (the user opened
    // another meanwhile) is not the inversion's: the run is cancelled and
    // leaves it alone.
    if (m_invAbandoned || modelValues() != m_invShown) {
        m_invAbandoned = true;
        CancelInversion();
        return;
    }
    if (res.size() != static_cast<std::size_t>(m_model->Layers()))
        return;
    for (std::size_t i = 0; i < res.size(); ++i)
        m_model->SetValue(EditField::LayerResistivity, static_cast<int>(i), static_cast<float>(res[i]));
    for (std::size_t i = 0; i < thick.size(); ++i)
        m_model->SetValue(EditField::LayerThickness, static_cast<int>(i), static_cast<float>(thick[i]));
    // The iterations may take the model beyond the scales it was drawn on:
    // the chart follows them with scales that hold them.
    if (m_model->OutlineLeavesFrame())
        m_model->Rescale();
    m_invShown = modelValues();
    m_layers->Refresh(m_model->Model());
    requestForward();
}

void StudioWindow::inversionFinished(const em1d::TemInversionResult& r, const std::string& error)
{
    m_invert->setText(invertText());
    m_cancelInversion->setEnabled(false);
    m_model->setEnabled(true);
    m_layers->setEnabled(true);
    // Back to the start model first: steps shown on the way are no edits.
    inversionStep(std::vector<double>(m_invStartThick.begin(), m_invStartThick.end()),
                  std::vector<double>(m_invStartRes.begin(), m_invStartRes.end()));
    if (m_invAbandoned) {
        statusBar()->showMessage(QCoreApplication::translate("Studio", "Inversion cancelled: the model was changed while it ran"));
        editsChanged();
        return;
    }
    if (!error.empty()) {
        statusBar()->showMessage(QCoreApplication::translate("Studio", "The sounding cannot be inverted: %1").arg(QString::fromStdString(error)));
        editsChanged();
        return;
    }
    if (r.cancelled || r.resistivity.size() != m_invStartRes.size()) {
        statusBar()->showMessage(QCoreApplication::translate("Studio", "Inversion cancelled: the model is as it was"));
        editsChanged();
        return;
    }
    std::vector<ValueEdit> edits;
    for (std::size_t i = 0; i < r.resistivity.size(); ++i)
        edits.push_back({EditField::LayerResistivity, static_cast<int>(i), m_invStartRes[i], static_cast<float>(r.resistivity[i])});
    for (std::size_t i = 0; i < r.thickness.size() && i < m_invStartThick.size(); ++i)
        edits.push_back({EditField::LayerThickness, static_cast<int>(i), m_invStartThick[i], static_cast<float>(r.thickness[i])});
    for (const ValueEdit& e : edits)
        m_model->SetValue(e.field, e.index, e.after);
    if (m_model->OutlineLeavesFrame())
        m_model->Rescale();
    m_history.RecordTogether(edits);
    m_layers->SetUncertainty(m_model->Model(), r.thicknessLogStd, r.resistivityLogStd);
    statusBar()->showMessage(QCoreApplication::translate("Studio", "Inverted in %1 iterations: misfit %2 %%3")
                                 .arg(r.iterations)
                                 .arg(r.misfitPercent, 0, 'f', 2)
                                 .arg(r.converged ? QString() : QCoreApplication::translate("Studio", " (not converged)")));
    editsChanged();
}
