#include "BatchProgress.h"

#include <unistd.h>

#include <cmath>

BatchProgress::BatchProgress(size_t total, Mode mode, std::FILE* out, std::string program, std::string unit)
    : m_out(out), m_program(std::move(program)), m_unit(std::move(unit)), m_mode(mode), m_total(total), m_start(std::chrono::steady_clock::now()), m_lastDraw(m_start)
{
}

BatchProgress::Mode BatchProgress::ModeFor(bool quiet)
{
    if (quiet)
        return Mode::Quiet;
    return isatty(STDERR_FILENO) ? Mode::Bar : Mode::Lines;
}

std::string BatchProgress::Bar(size_t done, size_t total, double seconds, int width, const std::string& unit)
{
    const double part = total ? static_cast<double>(done) / static_cast<double>(total) : 1.0;
    const int filled = static_cast<int>(part * width);
    const double rate = seconds > 0 ? static_cast<double>(done) / seconds : 0.0;
    std::string s = std::to_string(done) + "/" + std::to_string(total) + " " + unit;
    if (width > 0) {
        s += " [";
        s.append(static_cast<size_t>(filled), '#');
        s.append(static_cast<size_t>(width - filled), '.');
        s += ']';
    }
    char tail[96];
    if (rate > 0 && done < total) {
        const long left = std::lround(static_cast<double>(total - done) / rate);
        std::snprintf(tail, sizeof tail, "  %.0f %s/s  %ld:%02ld left", rate, unit.c_str(), left / 60, left % 60);
    } else {
        std::snprintf(tail, sizeof tail, "  %.0f %s/s", rate, unit.c_str());
    }
    return s + tail;
}

void BatchProgress::Done()
{
    std::lock_guard lock(m_mutex);
    ++m_done;
    drawLocked(false);
}

void BatchProgress::Say(const std::string& line)
{
    std::lock_guard lock(m_mutex);
    if (m_barShown)
        std::fputs("\r\x1b[K", m_out);
    std::fprintf(m_out, "%s\n", line.c_str());
    if (m_barShown)
        drawLocked(true);
    std::fflush(m_out);
}

void BatchProgress::Finish()
{
    std::lock_guard lock(m_mutex);
    if (m_mode == Mode::Bar && m_total > 0) {
        drawLocked(true);
        std::fputc('\n', m_out);
        m_barShown = false;
    }
    std::fflush(m_out);
}

void BatchProgress::drawLocked(bool force)
{
    if (m_mode == Mode::Quiet)
        return;
    const auto now = std::chrono::steady_clock::now();
    const double sinceDraw = std::chrono::duration<double>(now - m_lastDraw).count();
    const double seconds = std::chrono::duration<double>(now - m_start).count();
    if (m_mode == Mode::Bar) {
        if (!force && sinceDraw < 0.1 && m_done != m_total)
            return;
        std::fprintf(m_out, "\r%s\x1b[K", Bar(m_done, m_total, seconds, 30, m_unit).c_str());
        m_barShown = true;
    } else {
        if (force || sinceDraw < kLineSeconds)
            return;
        std::fprintf(m_out, "%s: %s\n", m_program.c_str(), Bar(m_done, m_total, seconds, 0, m_unit).c_str());
    }
    std::fflush(m_out);
    m_lastDraw = now;
}
