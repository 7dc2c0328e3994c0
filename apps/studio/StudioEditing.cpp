// The studio's safe edits: the Edit menu with undo and redo, the status bar
// with the pointer's read-out, the layer table and View > Rescale.
#include "StudioWindow.h"

#include "InversionRun.h"
#include "LayerTable.h"
#include "ModelView.h"
#include "SoundingView.h"
#include "StatusReadout.h"
#include "SurveyBrowser.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QDockWidget>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>

#include <utility>

void StudioWindow::buildEditing()
{
    m_readout = new QLabel;
    m_readout->setMinimumWidth(320);
    statusBar()->addPermanentWidget(m_readout);
    for (ChartView* view : {static_cast<ChartView*>(m_sounding), static_cast<ChartView*>(m_model)}) {
        view->onValueEdit = [this](const ValueEdit& e, bool merge) { m_history.Record(e, merge); };
        view->onMessage = [this](const QString& text) { statusBar()->showMessage(text); };
        view->onReadout = [this](const QString& text) { m_readout->setText(text); };
    }

    m_layers = new LayerTable;
    m_layers->onEdit = [this](const ValueEdit& e) {
        if (!m_model->SetValue(e.field, e.index, e.after))
            return;
        m_history.Record(e);
        statusBar()->showMessage(QCoreApplication::translate("Studio", "%1: %2")
                                     .arg(StatusReadout::FieldName(e.field, e.index, m_model->Layers()),
                                          StatusReadout::Number(e.after)));
        editsChanged();
    };
    m_layers->onRefused = [this](const QString& why) { statusBar()->showMessage(why); };
    auto* dock = new QDockWidget(QCoreApplication::translate("Studio", "Layers"), this);
    dock->setObjectName(QStringLiteral("layers"));
    dock->setWidget(m_layers);
    addDockWidget(Qt::RightDockWidgetArea, dock);

    // Edit sits between File and View.
    auto* edit = new QMenu(QCoreApplication::translate("Studio", "&Edit"), this);
    m_undo = edit->addAction(QCoreApplication::translate("Studio", "&Undo"), [this] { Undo(); });
    m_undo->setShortcut(QKeySequence::Undo);
    m_redo = edit->addAction(QCoreApplication::translate("Studio", "&Redo"), [this] { Redo(); });
    m_redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    // The View menu is the one holding the display models, whatever its
    // caption in the user's language.
    QMenu* view = m_model1 ? qobject_cast<QMenu*>(m_model1->parent()) : nullptr;
    menuBar()->insertMenu(view ? view->menuAction() : nullptr, edit);
    if (view) {
        view->addSeparator();
        view->addAction(QCoreApplication::translate("Studio", "&Rescale"), [this] { Rescale(); });
        // The model chart takes decades for resistivities spanning more than
        // one unless the user asks for a scale.
        QMenu* scale = view->addMenu(QCoreApplication::translate("Studio", "Model Resistivity &Scale"));
        auto* scales = new QActionGroup(scale);
        using Scale = LayeredModelPlan::Scale;
        const std::pair<Scale, QString> choices[] = {
            {Scale::Auto, QCoreApplication::translate("Studio", "&Automatic (decades for a wide range)")},
            {Scale::Linear, QCoreApplication::translate("Studio", "&Linear")},
            {Scale::Log, QCoreApplication::translate("Studio", "L&ogarithmic")}};
        for (const auto& [choice, text] : choices) {
            QAction* a = scale->addAction(text, [this, choice] { m_model->SetResistivityScale(choice); });
            a->setCheckable(true);
            a->setChecked(choice == m_model->ResistivityScale());
            scales->addAction(a);
        }
        view->addAction(dock->toggleViewAction());
    }
    editsChanged();
}

void StudioWindow::editsChanged()
{
    // A survey is modified while any of its stations holds edits not saved,
    // whichever station is shown and whatever its history says.
    m_soundingDoc.modified = m_history.IsModified(documentIndex(m_soundingDoc)) ||
                             (m_survey && m_survey->IsOpen() && m_survey->AnyEdited()) || m_systemChanged;
    m_modelDoc.modified = m_history.IsModified(documentIndex(m_modelDoc));
    updateTitle();
    if (m_undo)
        m_undo->setEnabled(m_history.CanUndo());
    if (m_redo)
        m_redo->setEnabled(m_history.CanRedo());
    if (m_layers)
        m_layers->Refresh(m_model->Model());
    requestForward();
}

bool StudioWindow::takeBack(bool undo)
{
    if (m_sounding->Dragging() || m_model->Dragging() || (m_inversion && m_inversion->Running()))
        return false;
    auto e = undo ? m_history.Undo() : m_history.Redo();
    if (!e)
        return false;
    float value = 0;
    int count = 0;
    // An edit made of several values (an inversion's result) goes back or
    // comes again as a whole.
    for (;;) {
        value = undo ? e->before : e->after;
        ChartView* view = EditHistory::DocumentOf(e->field) == 0 ? static_cast<ChartView*>(m_sounding)
                                                                 : static_cast<ChartView*>(m_model);
        view->SetValue(e->field, e->index, value);
        ++count;
        if (!m_history.StepContinues())
            break;
        e = undo ? m_history.Undo() : m_history.Redo();
    }
    if (count > 1) {
        statusBar()->showMessage(undo ? QCoreApplication::translate("Studio", "Undone: the inverted model")
                                      : QCoreApplication::translate("Studio", "Redone: the inverted model"));
        editsChanged();
        return true;
    }
    const QString what = StatusReadout::FieldName(e->field, e->index, m_model->Layers());
    statusBar()->showMessage(undo ? QCoreApplication::translate("Studio", "Undone: %1 back to %2")
                                        .arg(what, StatusReadout::Number(value))
                                  : QCoreApplication::translate("Studio", "Redone: %1 set to %2")
                                        .arg(what, StatusReadout::Number(value)));
    editsChanged();
    return true;
}

bool StudioWindow::Undo() { return takeBack(true); }
bool StudioWindow::Redo() { return takeBack(false); }

void StudioWindow::Rescale()
{
    m_model->Rescale();
    SetDisplayModel(m_sounding->Chart().m_nDisModel);
}
