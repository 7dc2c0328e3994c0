#include "geometry/SegmentGrid.h"

#include <algorithm>
#include <cmath>

SegmentGrid::Box SegmentGrid::Of(double ax, double az, double bx, double bz)
{
    return {std::min(ax, bx), std::min(az, bz), std::max(ax, bx), std::max(az, bz)};
}

SegmentGrid::SegmentGrid(const std::vector<Box>& boxes) : m_boxes(boxes)
{
    if (boxes.empty())
        return;
    double x1 = boxes[0].x1, z1 = boxes[0].z1;
    m_x0 = boxes[0].x0;
    m_z0 = boxes[0].z0;
    for (const Box& b : boxes) {
        m_x0 = std::min(m_x0, b.x0);
        m_z0 = std::min(m_z0, b.z0);
        x1 = std::max(x1, b.x1);
        z1 = std::max(z1, b.z1);
    }
    // About one box a cell: a ring's edges spread along its outline.
    const int side = std::clamp(static_cast<int>(std::ceil(std::sqrt(static_cast<double>(boxes.size())))), 1, 1024);
    m_nx = m_nz = side;
    m_cw = x1 > m_x0 ? (x1 - m_x0) / side : 1;
    m_ch = z1 > m_z0 ? (z1 - m_z0) / side : 1;
    m_cells.resize(static_cast<size_t>(m_nx) * static_cast<size_t>(m_nz));
    for (size_t i = 0; i < boxes.size(); ++i)
        for (int cz = cellZ(boxes[i].z0); cz <= cellZ(boxes[i].z1); ++cz)
            for (int cx = cellX(boxes[i].x0); cx <= cellX(boxes[i].x1); ++cx)
                m_cells[static_cast<size_t>(cz) * static_cast<size_t>(m_nx) + static_cast<size_t>(cx)].push_back(i);
}

int SegmentGrid::cellX(double x) const
{
    return std::clamp(static_cast<int>(std::floor((x - m_x0) / m_cw)), 0, m_nx - 1);
}

int SegmentGrid::cellZ(double z) const
{
    return std::clamp(static_cast<int>(std::floor((z - m_z0) / m_ch)), 0, m_nz - 1);
}

bool SegmentGrid::Visit(const std::function<bool(size_t, size_t)>& visit) const
{
    for (int cz = 0; cz < m_nz; ++cz)
        for (int cx = 0; cx < m_nx; ++cx) {
            const std::vector<size_t>& cell = m_cells[static_cast<size_t>(cz) * static_cast<size_t>(m_nx) +
                                                      static_cast<size_t>(cx)];
            for (size_t a = 0; a < cell.size(); ++a)
                for (size_t b = a + 1; b < cell.size(); ++b) {
                    const Box &p = m_boxes[cell[a]], &q = m_boxes[cell[b]];
                    if (p.x1 < q.x0 || q.x1 < p.x0 || p.z1 < q.z0 || q.z1 < p.z0)
                        continue;
                    // A pair sharing several cells is taken in one: the cell
                    // of the lower corner of the boxes' overlap.
                    if (cellX(std::max(p.x0, q.x0)) != cx || cellZ(std::max(p.z0, q.z0)) != cz)
                        continue;
                    if (visit(std::min(cell[a], cell[b]), std::max(cell[a], cell[b])))
                        return true;
                }
        }
    return false;
}
