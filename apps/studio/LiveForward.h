// Computes the modelled curves of the open sounding from the layered model
// away from the window's thread, so that a drag never waits for them. Every
// request carries a number that grows with each model change; a result is
// shown only when nothing newer has been shown, so a slow computation that
// ends after a quicker, later one is dropped. At most two computations run
// at once and one waits: a new request replaces the waiting one.
#pragma once

#include "em1d/TemSystem.h"

#include <QObject>
#include <QThreadPool>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class LiveForward : public QObject {
public:
    // One model and the sounding it is compared with.
    struct Request {
        std::vector<double> thick, res;   // m, ohm-m; the half-space last in res
        em1d::TemSystem system;
        std::vector<double> timesMs;
        std::vector<double> measuredR, measuredV;
        std::vector<char> masked;         // 1: the sample takes no part in the misfit
    };
    struct Result {
        std::uint64_t serial = 0;         // the request's number
        std::vector<double> rho, v;       // modelled R (ohm-m) and V (µV/A) a sample
        double misfitV = 0, misfitR = 0;  // RMS %, NaN when no sample could be compared
        std::string error;                // non-empty: the engine refused the model
        double elapsedMs = 0;             // from the request to the result's arrival
    };

    explicit LiveForward(QObject* parent = nullptr);
    ~LiveForward() override;

    // Queues the computation; returns its number.
    std::uint64_t Submit(Request request);
    // Called on the window's thread with each result that is newer than the
    // one shown before.
    std::function<void(const Result&)> onResult;
    // Called on the worker before computing request serial (tests slow one down).
    std::function<void(std::uint64_t serial)> beforeCompute;

    std::uint64_t LastSubmitted() const { return m_serial; }
    std::uint64_t LastShown() const { return m_shown; }
    // Whether some computation is running or waiting.
    bool Busy() const { return m_running > 0 || m_waiting.has_value(); }
    // Waits until nothing runs or waits and every result is delivered (tests, closing).
    void Drain();

    // The computation itself, on any thread.
    static Result Compute(const Request& request);

private:
    void start(std::uint64_t serial, Request request);
    void finished(Result result);

    QThreadPool m_pool;
    std::uint64_t m_serial = 0, m_shown = 0;
    int m_running = 0;
    std::optional<std::pair<std::uint64_t, Request>> m_waiting;
    static constexpr int kMaxRunning = 2;
};
