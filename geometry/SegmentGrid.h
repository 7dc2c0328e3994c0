// Finds the pairs of segments whose bounding boxes touch, through a grid of
// buckets over the plane, so that checking a ring of thousands of edges for
// crossings costs about as much as its edges, not their square.
#pragma once

#include <cstddef>
#include <functional>
#include <vector>

class SegmentGrid {
public:
    struct Box {
        double x0, z0, x1, z1;  // x0 <= x1, z0 <= z1
    };
    // The bounding box of the segment from (ax, az) to (bx, bz).
    static Box Of(double ax, double az, double bx, double bz);

    explicit SegmentGrid(const std::vector<Box>& boxes);

    // Calls visit(i, j), i < j, once for every pair of boxes that touch
    // (their edges included); stops early when visit returns true, and then
    // returns true.
    bool Visit(const std::function<bool(size_t, size_t)>& visit) const;

private:
    int cellX(double x) const;
    int cellZ(double z) const;

    const std::vector<Box>& m_boxes;
    double m_x0 = 0, m_z0 = 0, m_cw = 1, m_ch = 1;
    int m_nx = 1, m_nz = 1;
    std::vector<std::vector<size_t>> m_cells;
};
