#include "InversionRun.h"

#include "em1d/InversionError.h"
#include "em1d/TemObservations.h"

#include <QCoreApplication>
#include <QThread>

#include <exception>

InversionRun::InversionRun(QObject* parent) : QObject(parent) {}

InversionRun::~InversionRun()
{
    m_cancel = true;
    if (m_thread.joinable())
        m_thread.join();
}

InversionRun::Outcome InversionRun::Invert(const Request& q, const em1d::InversionControl& control)
{
    Outcome out;
    try {
        em1d::TemInversion inv(q.system);
        inv.setStartModel(em1d::LayeredEarth(q.thick, q.res));
        for (std::size_t i = 0; i < q.resFixed.size() && i < q.res.size(); ++i)
            if (q.resFixed[i])
                inv.fixResistivity(static_cast<int>(i));
        for (std::size_t i = 0; i < q.thickFixed.size() && i < q.thick.size(); ++i)
            if (q.thickFixed[i])
                inv.fixThickness(static_cast<int>(i));
        inv.control() = control;
        out.result = inv.run(em1d::TemObservations(q.timesMs, q.voltage, {}, q.noisePercent));
    } catch (const std::exception& e) {
        out.error = e.what();
    }
    return out;
}

bool InversionRun::Start(Request request)
{
    if (m_running)
        return false;
    if (m_thread.joinable())
        m_thread.join();
    m_cancel = false;
    m_running = true;
    m_thread = std::thread([this, q = std::move(request)] {
        em1d::InversionControl control;
        control.cancel = &m_cancel;
        control.progress = [this](const em1d::InversionProgress& p) {
            Step s{p.iteration, p.misfitPercent, p.thickness ? *p.thickness : std::vector<double>{},
                   p.resistivity ? *p.resistivity : std::vector<double>{}};
            // Queued to the window's thread; dropped if this object is gone.
            QMetaObject::invokeMethod(this, [this, s = std::move(s)] {
                if (m_running && onStep)
                    onStep(s);
            }, Qt::QueuedConnection);
        };
        Outcome out = Invert(q, control);
        QMetaObject::invokeMethod(this, [this, out = std::move(out)]() mutable {
            m_running = false;
            // A cancel the user asked for before the outcome arrived counts,
            // even if the inversion ended on its own meanwhile.
            if (m_cancel)
                out.result.cancelled = true;
            if (onFinished)
                onFinished(out);
        }, Qt::QueuedConnection);
    });
    return true;
}

void InversionRun::Wait()
{
    while (m_running) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(1);
    }
}
