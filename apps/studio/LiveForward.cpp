#include "LiveForward.h"

#include "SoundingForward.h"

#include "em1d/ModelError.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMetaObject>
#include <QThread>

#include <cmath>
#include <span>

LiveForward::LiveForward(QObject* parent) : QObject(parent)
{
    m_pool.setMaxThreadCount(kMaxRunning);
}

LiveForward::~LiveForward()
{
    // Results still queued to this object are dropped with it.
    m_waiting.reset();
    m_pool.waitForDone();
}

LiveForward::Result LiveForward::Compute(const Request& q)
{
    Result r;
    try {
        const em1d::LayeredEarth earth(q.thick, q.res);
        const SoundingForward::Curves c = SoundingForward::Compute(earth, q.system, q.timesMs);
        r.misfitV = SoundingForward::MisfitPercent(q.measuredV, c.v, q.masked);
        r.misfitR = SoundingForward::MisfitPercent(q.measuredR, c.rho, q.masked);
        r.rho = c.rho;
        r.v = c.v;
    } catch (const em1d::ModelError& e) {
        r.error = e.what();
    }
    return r;
}

std::uint64_t LiveForward::Submit(Request request)
{
    const std::uint64_t serial = ++m_serial;
    if (m_running < kMaxRunning)
        start(serial, std::move(request));
    else
        m_waiting.emplace(serial, std::move(request));  // the one waiting before is stale
    return serial;
}

void LiveForward::start(std::uint64_t serial, Request request)
{
    ++m_running;
    QElapsedTimer clock;
    clock.start();
    m_pool.start([this, serial, clock, q = std::move(request)]() {
        if (beforeCompute)
            beforeCompute(serial);
        Result r = Compute(q);
        r.serial = serial;
        QMetaObject::invokeMethod(
            this, [this, clock, r = std::move(r)]() mutable {
                r.elapsedMs = static_cast<double>(clock.nsecsElapsed()) / 1e6;
                finished(std::move(r));
            },
            Qt::QueuedConnection);
    });
}

void LiveForward::finished(Result result)
{
    --m_running;
    if (m_waiting) {
        auto next = std::move(*m_waiting);
        m_waiting.reset();
        start(next.first, std::move(next.second));
    }
    if (result.serial <= m_shown)
        return;  // something newer is on screen already
    m_shown = result.serial;
    if (onResult)
        onResult(result);
}

void LiveForward::Drain()
{
    while (Busy()) {
        m_pool.waitForDone();
        QCoreApplication::sendPostedEvents(this);
        QCoreApplication::processEvents();
    }
}
