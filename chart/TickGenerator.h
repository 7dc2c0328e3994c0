// Where the ticks of a chart's scale go, apart from how they are drawn: tick
// i sits at start + i * step logical units, and every k-th one carries a label.
#pragma once

#include "platform/core/ChartMath.h"

class TickGenerator {
public:
    // The most ticks one scale carries, on every chart and axis. Ticks this
    // dense are far below a pixel apart; the cap keeps a wild range or a tiny
    // step from turning one redraw into billions of lines. The first ticks
    // are kept.
    static constexpr int kMaxTicks = 100'000;

    // Number of ticks for a range of `quotient` steps: the whole steps plus
    // the first tick. An undefined or infinite quotient (a step of 0) leaves
    // the first tick alone; one of -1 or less leaves none.
    static int CountFor(double quotient);
    // A count held at the cap; below zero counts as none.
    static int Capped(long long count);

    TickGenerator(double start, double step, int count, int labelEvery = 1)
        : m_start(start), m_step(step), m_count(Capped(count)), m_labelEvery(labelEvery > 0 ? labelEvery : 1)
    {
    }

    int Count() const { return m_count; }
    // Position of tick i, truncated toward zero.
    LONG Position(int i) const { return chartmath::ToUnits(m_start + i * m_step); }
    bool Labelled(int i) const { return i % m_labelEvery == 0; }

    // visit(i, position, labelled) for every tick, first to last.
    template <class Visit>
    void ForEach(Visit visit) const
    {
        for (int i = 0; i < m_count; ++i)
            visit(i, Position(i), Labelled(i));
    }

private:
    double m_start;
    double m_step;
    int m_count;
    int m_labelEvery;
};
