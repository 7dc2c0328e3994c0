// Runs a few-layer inversion of the open sounding on a thread of its own, so
// the window stays live while it iterates. Each accepted step's model and
// misfit, and the end result, are handed to the window's thread; Cancel asks
// the inversion to stop at its next step.
#pragma once

#include "em1d/TemInversion.h"
#include "em1d/TemSystem.h"

#include <QObject>

#include <atomic>
#include <functional>
#include <string>
#include <thread>
#include <vector>

class InversionRun : public QObject {
public:
    struct Request {
        std::vector<double> thick, res;   // start model: m, ohm-m, the half-space last
        std::vector<char> thickFixed, resFixed;  // 1: held at its start value
        em1d::TemSystem system;
        std::vector<double> timesMs, voltage;    // the unmasked samples only
        double noisePercent = 5;
    };
    struct Step {
        int iteration = 0;
        double misfitPercent = 0;
        std::vector<double> thick, res;
    };
    struct Outcome {
        em1d::TemInversionResult result;
        std::string error;   // non-empty: nothing was inverted
    };

    explicit InversionRun(QObject* parent = nullptr);
    ~InversionRun() override;

    // Starts the inversion; false while one is still running.
    bool Start(Request request);
    void Cancel() { m_cancel = true; }
    bool Running() const { return m_running; }
    // Waits until the outcome has been delivered (tests).
    void Wait();

    // Called on the window's thread.
    std::function<void(const Step&)> onStep;
    std::function<void(const Outcome&)> onFinished;

    // The inversion itself, on any thread.
    static Outcome Invert(const Request& request, const em1d::InversionControl& control);

private:
    std::thread m_thread;
    std::atomic<bool> m_cancel{false};
    bool m_running = false;
};
