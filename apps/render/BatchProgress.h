// What a batch tells its user while it runs: a bar on a terminal, a plain
// line now and then in a log, nothing when asked to be quiet.
#pragma once

#include <chrono>
#include <cstdio>
#include <mutex>
#include <string>

class BatchProgress {
public:
    enum class Mode { Bar, Lines, Quiet };

    // total: the charts this run draws. out is where the bar goes (stderr).
    // program and unit name the command and what it counts in the lines.
    BatchProgress(size_t total, Mode mode, std::FILE* out = stderr, std::string program = "tarnex-render",
                  std::string unit = "charts");
    // The mode for stderr: a bar on a terminal, lines otherwise.
    static Mode ModeFor(bool quiet);

    // One more chart done (drawn or failed); redraws at most ten times a
    // second on a terminal, writes a line every kLineSeconds otherwise.
    void Done();
    // A message of its own line (an error, a note), never torn by the bar.
    void Say(const std::string& line);
    // Ends the bar with its final state.
    void Finish();

    // "12/400 charts [#####...]  250 charts/s  0:03 left", with width
    // characters of bar (none when 0).
    static std::string Bar(size_t done, size_t total, double seconds, int width = 30,
                           const std::string& unit = "charts");
    static constexpr double kLineSeconds = 5.0;

private:
    void drawLocked(bool force);

    std::mutex m_mutex;
    std::FILE* m_out;
    std::string m_program, m_unit;
    Mode m_mode;
    size_t m_total, m_done = 0;
    std::chrono::steady_clock::time_point m_start, m_lastDraw;
    bool m_barShown = false;
};
