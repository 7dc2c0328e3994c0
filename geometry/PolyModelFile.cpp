#include "geometry/PolyModelFile.h"

#include "platform/core/TextNumber.h"
#include "platform/core/TextTable.h"

#include "geometry/SegmentGrid.h"
#include "morvel/TMOD2D.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <map>
#include <set>
#include <string>
#include <unordered_map>
#include <vector>

namespace {

struct Pt {
    double x, z;
};

struct Ring {
    int line;               // line of the file that wrote it
    std::vector<int> ids;   // vertex ids as written, closed (last == first)
    std::vector<int> at;    // vertex indices, open (closing vertex dropped)
};

struct Body {
    std::string name;
    double rho;
    Ring outer;
    std::vector<Ring> holes;
};

// A word of the file in a message, and a word as a number, as every reader
// quotes and reads them.
std::string quoted(const std::string& s) { return "\"" + TextNumber::Quote(s) + "\""; }

bool isNumber(const std::string& s, double& out) { return TextNumber::Read(s, out) == TextNumber::Result::Ok; }

bool toId(const std::string& s, int& out)
{
    const auto r = std::from_chars(s.data(), s.data() + s.size(), out);
    return r.ec == std::errc() && r.ptr == s.data() + s.size() && out > 0;
}

double cross(const Pt& o, const Pt& a, const Pt& b) { return (a.x - o.x) * (b.z - o.z) - (a.z - o.z) * (b.x - o.x); }

bool onSegment(const Pt& p, const Pt& a, const Pt& b)
{
    return std::min(a.x, b.x) <= p.x && p.x <= std::max(a.x, b.x) && std::min(a.z, b.z) <= p.z &&
           p.z <= std::max(a.z, b.z);
}

// Closed segments ab and cd share at least one point.
bool segmentsMeet(const Pt& a, const Pt& b, const Pt& c, const Pt& d)
{
    const double d1 = cross(c, d, a), d2 = cross(c, d, b), d3 = cross(a, b, c), d4 = cross(a, b, d);
    if (((d1 > 0 && d2 < 0) || (d1 < 0 && d2 > 0)) && ((d3 > 0 && d4 < 0) || (d3 < 0 && d4 > 0)))
        return true;
    return (d1 == 0 && onSegment(a, c, d)) || (d2 == 0 && onSegment(b, c, d)) || (d3 == 0 && onSegment(c, a, b)) ||
           (d4 == 0 && onSegment(d, a, b));
}

double signedArea(const std::vector<int>& ring, const std::vector<Pt>& v)
{
    double a = 0;
    for (size_t i = 0; i < ring.size(); ++i) {
        const Pt& p = v[static_cast<size_t>(ring[i])];
        const Pt& q = v[static_cast<size_t>(ring[(i + 1) % ring.size()])];
        a += p.x * q.z - q.x * p.z;
    }
    return a / 2;
}

bool inside(const Pt& p, const std::vector<int>& ring, const std::vector<Pt>& v)
{
    bool in = false;
    for (size_t i = 0, j = ring.size() - 1; i < ring.size(); j = i++) {
        const Pt& a = v[static_cast<size_t>(ring[i])];
        const Pt& b = v[static_cast<size_t>(ring[j])];
        if ((a.z > p.z) != (b.z > p.z) && p.x < (b.x - a.x) * (p.z - a.z) / (b.z - a.z) + a.x)
            in = !in;
    }
    return in;
}

class Reader {
public:
    Reader(const char* name, CString& error) : m_name(name), m_error(error) {}

    bool parse(const char* text);
    void build(TMOD2D& m) const;

private:
    bool fail(int line, const std::string& msg)
    {
        if (line > 0)
            m_error.Format("%s:%d: %s", m_name, line, msg.c_str());
        else
            m_error.Format("%s: %s", m_name, msg.c_str());
        return false;
    }
    bool vertex(int line, const std::vector<std::string>& t);
    bool ring(int line, const std::vector<std::string>& t, size_t from, const std::string& what, Ring& out);
    bool checkRing(const Ring& r, const std::string& what);
    // The first pair of edges (by the first edge, then the second) of a ring
    // that meet other than at the corner two neighbours share; n when none.
    void firstCrossing(const std::vector<int>& ring, size_t& i, size_t& j) const;
    // Whether an edge of one ring meets an edge of another.
    bool ringsMeet(const std::vector<int>& a, const std::vector<int>& b) const;
    std::vector<SegmentGrid::Box> boxes(const std::vector<int>& ring) const;

    const char* m_name;
    CString& m_error;
    std::vector<Pt> m_pts;
    std::vector<int> m_ids;
    std::unordered_map<int, int> m_index;
    std::vector<Body> m_bodies;
    std::map<std::string, size_t> m_byName;
    long long m_refs = 0;
};

bool Reader::vertex(int line, const std::vector<std::string>& t)
{
    if (t.size() != 4)
        return fail(line, "a vertex line holds \"vertex ID X Z\", found " + std::to_string(t.size()) + " words");
    int id = 0;
    if (!toId(t[1], id))
        return fail(line, "vertex number " + quoted(t[1]) + " is not a positive whole number");
    Pt p{};
    if (!isNumber(t[2], p.x) || !isNumber(t[3], p.z))
        return fail(line, "vertex " + t[1] + ": " + quoted(isNumber(t[2], p.x) ? t[3] : t[2]) + " is not a number");
    if (std::fabs(p.x) > PolyModelFile::kMaxCoordinate || std::fabs(p.z) > PolyModelFile::kMaxCoordinate)
        return fail(line, "vertex " + t[1] + " lies more than 10000 km from the origin");
    if (m_index.count(id))
        return fail(line, "vertex " + t[1] + " is declared twice");
    if (static_cast<int>(m_pts.size()) >= PolyModelFile::kMaxVertices)
        return fail(line, "too many vertices: at most " + std::to_string(PolyModelFile::kMaxVertices) + " are allowed");
    m_index[id] = static_cast<int>(m_pts.size());
    m_pts.push_back(p);
    m_ids.push_back(id);
    return true;
}

bool Reader::ring(int line, const std::vector<std::string>& t, size_t from, const std::string& what, Ring& out)
{
    out.line = line;
    const size_t n = t.size() - from;
    if (n > static_cast<size_t>(PolyModelFile::kMaxRingVertices) + 1)
        return fail(line, what + " has " + std::to_string(n) + " vertices, more than the " +
                              std::to_string(PolyModelFile::kMaxRingVertices) + " a ring may have");
    m_refs += static_cast<long long>(n);
    if (m_refs > PolyModelFile::kMaxRingReferences)
        return fail(line, "the rings name more than " + std::to_string(PolyModelFile::kMaxRingReferences) +
                              " vertices in all");
    for (size_t i = from; i < t.size(); ++i) {
        int id = 0;
        if (!toId(t[i], id))
            return fail(line, what + ": vertex number " + quoted(t[i]) + " is not a positive whole number");
        const auto it = m_index.find(id);
        if (it == m_index.end())
            return fail(line, what + ": unknown vertex " + t[i] + " (declare it above with \"vertex\")");
        out.ids.push_back(id);
        out.at.push_back(it->second);
    }
    if (out.ids.size() < 4 || out.ids.front() != out.ids.back()) {
        if (!out.ids.empty() && out.ids.front() != out.ids.back())
            return fail(line, what + " is open: its ring must end at its first vertex " +
                                  std::to_string(out.ids.front()));
        return fail(line, what + " needs at least three vertices and the first again to close it");
    }
    out.at.pop_back();
    return checkRing(out, what);
}

std::vector<SegmentGrid::Box> Reader::boxes(const std::vector<int>& ring) const
{
    std::vector<SegmentGrid::Box> out;
    out.reserve(ring.size());
    for (size_t i = 0; i < ring.size(); ++i) {
        const Pt& p = m_pts[static_cast<size_t>(ring[i])];
        const Pt& q = m_pts[static_cast<size_t>(ring[(i + 1) % ring.size()])];
        out.push_back(SegmentGrid::Of(p.x, p.z, q.x, q.z));
    }
    return out;
}

void Reader::firstCrossing(const std::vector<int>& a, size_t& ci, size_t& cj) const
{
    const size_t n = a.size();
    ci = cj = n;
    auto P = [&](size_t i) -> const Pt& { return m_pts[static_cast<size_t>(a[i % n])]; };
    const std::vector<SegmentGrid::Box> box = boxes(a);
    SegmentGrid(box).Visit([&](size_t i, size_t j) {
        if (j < i + 2 || (i == 0 && j == n - 1))
            return false;  // neighbours, checked for folding back
        if ((i < ci || (i == ci && j < cj)) && segmentsMeet(P(i), P(i + 1), P(j), P(j + 1))) {
            ci = i;
            cj = j;
        }
        return false;
    });
}

bool Reader::ringsMeet(const std::vector<int>& a, const std::vector<int>& b) const
{
    std::vector<SegmentGrid::Box> box = boxes(a);
    const std::vector<SegmentGrid::Box> other = boxes(b);
    box.insert(box.end(), other.begin(), other.end());
    auto P = [&](size_t k, size_t step) -> const Pt& {
        const std::vector<int>& r = k < a.size() ? a : b;
        const size_t at = k < a.size() ? k : k - a.size();
        return m_pts[static_cast<size_t>(r[(at + step) % r.size()])];
    };
    return SegmentGrid(box).Visit([&](size_t i, size_t j) {
        return i < a.size() && j >= a.size() && segmentsMeet(P(i, 0), P(i, 1), P(j, 0), P(j, 1));
    });
}

bool Reader::checkRing(const Ring& r, const std::string& what)
{
    const std::vector<int>& a = r.at;
    const size_t n = a.size();
    std::set<int> seen;
    for (size_t i = 0; i < n; ++i)
        if (!seen.insert(a[i]).second)
            return fail(r.line, what + " passes vertex " + std::to_string(m_ids[static_cast<size_t>(a[i])]) +
                                    " twice");
    auto P = [&](size_t i) -> const Pt& { return m_pts[static_cast<size_t>(a[i % n])]; };
    size_t fold = n;
    for (size_t i = 0; i < n && fold == n; ++i) {
        // Neighbouring edges share a corner; they may not fold back onto each other.
        const Pt &p = P(i), &q = P(i + 1), &s = P(i + 2);
        if (cross(p, q, s) == 0 && (q.x - p.x) * (s.x - q.x) + (q.z - p.z) * (s.z - q.z) < 0)
            fold = i;
    }
    size_t ci = n, cj = n;
    firstCrossing(a, ci, cj);
    if (fold < n && fold <= ci)
        return fail(r.line, what + " turns back on itself at vertex " + std::to_string(m_ids[static_cast<size_t>(a[(fold + 1) % n])]));
    if (ci < n)
        return fail(r.line, what + " crosses itself: edge " + std::to_string(m_ids[static_cast<size_t>(a[ci])]) + "-" +
                                std::to_string(m_ids[static_cast<size_t>(a[(ci + 1) % n])]) + " meets edge " +
                                std::to_string(m_ids[static_cast<size_t>(a[cj])]) + "-" +
                                std::to_string(m_ids[static_cast<size_t>(a[(cj + 1) % n])]));
    if (signedArea(a, m_pts) == 0)
        return fail(r.line, what + " encloses no area");
    return true;
}

bool Reader::parse(const char* text)
{
    // Words separated by blanks (a comma is part of a word: body names may
    // hold one); no header.
    TextTable::Rules rules;
    rules.commas = false;
    rules.maxFieldChars = 256;
    TextTable table(text ? std::string_view(text) : std::string_view(), m_name, rules);
    TextTable::Line line;
    std::vector<std::string> t;
    while (table.Next(line)) {
        const int lineNo = line.number;
        t.assign(line.fields.size(), std::string());
        for (size_t k = 0; k < line.fields.size(); ++k)
            t[k].assign(line.fields[k].text);
        const std::string& key = t[0];
        if (key == "vertex") {
            if (!vertex(lineNo, t))
                return false;
        } else if (key == "body") {
            if (t.size() < 3)
                return fail(lineNo, "a body line holds \"body NAME RHO\" and its closed ring of vertex numbers");
            const std::string& name = t[1];
            if (m_byName.count(name))
                return fail(lineNo, "body " + quoted(name) + " is declared twice");
            if (static_cast<int>(m_bodies.size()) >= PolyModelFile::kMaxBodies)
                return fail(lineNo, "too many bodies: at most " + std::to_string(PolyModelFile::kMaxBodies) +
                                        " are allowed");
            Body b{name, 0, {}, {}};
            if (!isNumber(t[2], b.rho))
                return fail(lineNo, "body " + quoted(name) + ": resistivity " + quoted(t[2]) + " is not a number");
            if (!(b.rho > 0))
                return fail(lineNo, "body " + quoted(name) + ": resistivity " + t[2] + " must be greater than 0");
            if (b.rho > PolyModelFile::kMaxResistivity)
                return fail(lineNo, "body " + quoted(name) + ": resistivity " + t[2] + " exceeds 1e9 ohm-m");
            if (!ring(lineNo, t, 3, "body " + quoted(name), b.outer))
                return false;
            m_byName[name] = m_bodies.size();
            m_bodies.push_back(std::move(b));
        } else if (key == "hole") {
            if (t.size() < 2)
                return fail(lineNo, "a hole line holds \"hole NAME\" and its closed ring of vertex numbers");
            const auto it = m_byName.find(t[1]);
            if (it == m_byName.end())
                return fail(lineNo, "hole in unknown body " + quoted(t[1]) + " (declare the body above)");
            Body& b = m_bodies[it->second];
            if (static_cast<int>(b.holes.size()) >= PolyModelFile::kMaxHolesPerBody)
                return fail(lineNo, "body " + quoted(b.name) + " has more than " +
                                        std::to_string(PolyModelFile::kMaxHolesPerBody) + " holes");
            Ring h;
            const std::string what = "hole in body " + quoted(b.name);
            if (!ring(lineNo, t, 2, what, h))
                return false;
            const std::vector<int>& o = b.outer.at;
            if (ringsMeet(h.at, o))
                return fail(lineNo, what + " touches or crosses the body's outer ring");
            if (!inside(m_pts[static_cast<size_t>(h.at[0])], o, m_pts))
                return fail(lineNo, what + " lies outside the body's outer ring");
            b.holes.push_back(std::move(h));
        } else {
            return fail(lineNo, "unknown keyword " + quoted(key) + ": a line starts with vertex, body or hole");
        }
    }
    if (table.Failed()) {
        m_error = table.Error();
        return false;
    }
    if (m_bodies.empty())
        return fail(0, "no bodies: the model needs at least one \"body\" line");
    return true;
}

void Reader::build(TMOD2D& m) const
{
    m.RemoveAll();
    m.m_Verts.SetSize(static_cast<int>(m_pts.size()));
    for (size_t i = 0; i < m_pts.size(); ++i) {
        VERT3D& v = m.m_Verts[static_cast<int>(i)];
        v.x = m_pts[i].x;
        v.y = m_pts[i].z;
        v.nId = m_ids[i];
    }
    // A boundary shared by two bodies is one line, walked once each way.
    std::map<std::pair<int, int>, int> lineOf;
    auto addRing = [&](const Ring& r, int body, bool hole) {
        POLY3D& p = m.m_Polys.AddNew();
        const int pi = m.m_Polys.GetSize() - 1;
        p.nId = pi + 1;
        p.dArea = signedArea(r.at, m_pts);
        p.m_Cplx.Add(body);
        // The body lies left of the walk on a counter-clockwise outer ring and
        // right of it on a counter-clockwise hole.
        const bool bodyLeft = (p.dArea > 0) != hole;
        for (size_t i = 0; i < r.at.size(); ++i) {
            const int a = r.at[i], b = r.at[(i + 1) % r.at.size()];
            const auto key = std::minmax(a, b);
            auto it = lineOf.find(key);
            if (it == lineOf.end()) {
                LINE3D& l = m.m_Lines.AddNew();
                l.nV0 = a;
                l.nV1 = b;
                l.nId = m.m_Lines.GetSize();
                it = lineOf.emplace(key, m.m_Lines.GetSize() - 1).first;
                m.m_Verts[a].m_Lines.Add(it->second);
                m.m_Verts[b].m_Lines.Add(it->second);
            }
            LINE3D& l = m.m_Lines[it->second];
            const int sense = l.nV0 == a ? 1 : -1;
            p.m_Lines.Add(it->second);
            p.m_Sense.Add(sense);
            ((sense > 0) == bodyLeft ? l.m_Left : l.m_Right).Add(body);
            m.m_Verts[a].m_Polys.Add(pi);
        }
        return pi;
    };
    for (size_t bi = 0; bi < m_bodies.size(); ++bi) {
        const Body& b = m_bodies[bi];
        const int body = static_cast<int>(bi);
        POLY3D_CPLX& c = m.m_Cplx.AddNew();
        c.nId = body + 1;
        c.dRho = b.rho;
        c.m_Rings.Add(addRing(b.outer, body, false));
        for (const Ring& h : b.holes)
            c.m_Rings.Add(addRing(h, body, true));
        std::set<int> verts(b.outer.at.begin(), b.outer.at.end());
        for (const Ring& h : b.holes)
            verts.insert(h.at.begin(), h.at.end());
        for (int v : verts) {
            c.m_Verts.Add(v);
            m.m_Verts[v].m_Cplx.Add(body);
        }
    }
    // Bodies on the two sides of a line are neighbours.
    std::set<std::pair<int, int>> pairs;
    for (int li = 0; li < m.m_Lines.GetSize(); ++li) {
        LINE3D& l = m.m_Lines[li];
        for (int a : l.m_Left)
            for (int b : l.m_Right)
                if (a != b && pairs.insert(std::minmax(a, b)).second) {
                    m.m_Cplx[a].m_Neighbours.Add(b);
                    m.m_Cplx[b].m_Neighbours.Add(a);
                }
    }
}

}  // namespace

bool PolyModelFile::Parse(const char* text, const char* name, TMOD2D& model, CString& error)
{
    Reader r(name ? name : "(model)", error);
    if (!r.parse(text))
        return false;
    r.build(model);
    return true;
}

bool PolyModelFile::Read(const char* path, TMOD2D& model, CString& error)
{
    std::string text;
    if (!TextTable::Load(path, static_cast<size_t>(kMaxFileBytes), text, error))
        return false;
    return Parse(text.c_str(), path, model, error);
}
