#include "SectionChart.h"

#include "PyErrors.h"

#include "geometry/PolyModelFile.h"
#include "morvel/TMOD2D.h"

#include <pybind11/numpy.h>

#include <charconv>
#include <cmath>
#include <regex>

namespace pytarnex {

namespace py = pybind11;

namespace {

constexpr const char* kArraysName = "section";

void appendNumber(std::string& s, double v)
{
    char buf[32];
    const auto r = std::to_chars(buf, buf + sizeof buf, v);
    s += ' ';
    s.append(buf, r.ptr);
}

void appendRing(std::string& s, const std::vector<long long>& ring, long long vertices, const std::string& what)
{
    if (ring.empty())
        RaiseValueError(what + ": the ring names no vertex");
    for (long long i : ring) {
        if (i < 0 || i >= vertices)
            RaiseValueError(what + ": vertex index " + std::to_string(i) + " is outside 0.." +
                            std::to_string(vertices - 1));
        s += ' ' + std::to_string(i + 1);
    }
    // Closed on its first vertex, as the format wants; a ring given closed
    // already is left as it is.
    if (ring.size() < 2 || ring.front() != ring.back())
        s += ' ' + std::to_string(ring.front() + 1);
}

// A reader's message about the text made from arrays, in the arrays' terms:
// "section:7: body ..." becomes "bodies[1]: body ...", vertex numbers
// become indices.
std::string inArrayTerms(const std::string& message, long long vertices, size_t bodies)
{
    std::string m = message;
    static const std::regex lead(R"(^section:(\d+): )");
    std::smatch match;
    if (std::regex_search(m, match, lead)) {
        const long long line = std::stoll(match[1]);
        std::string where;
        if (line <= vertices)
            where = "vertices[" + std::to_string(line - 1) + "]";
        else if (line <= vertices + static_cast<long long>(bodies))
            where = "bodies[" + std::to_string(line - vertices - 1) + "]";
        else
            where = "holes[" + std::to_string(line - vertices - static_cast<long long>(bodies) - 1) + "]";
        m = where + ": " + match.suffix().str();
    } else if (m.rfind("section: ", 0) == 0) {
        m = m.substr(9);
    }
    // "vertex 3", "edge 1-3": vertex numbers of the text are indices + 1.
    static const std::regex vertex(R"((vertex |edge )(\d+)(-(\d+))?)");
    std::string out;
    size_t at = 0;
    for (auto it = std::sregex_iterator(m.begin(), m.end(), vertex); it != std::sregex_iterator(); ++it) {
        const auto& v = *it;
        out += m.substr(at, static_cast<size_t>(v.position()) - at);
        out += v[1].str() + std::to_string(std::stoll(v[2]) - 1);
        if (v[4].matched)
            out += "-" + std::to_string(std::stoll(v[4]) - 1);
        at = static_cast<size_t>(v.position() + v.length());
    }
    return out + m.substr(at);
}

}  // namespace

SectionChart::SectionChart(TMOD2D& model, const std::string& name)
{
    if (!m_sheet.Load(model))
        RaiseValueError(name + ": the model has no extent to draw");
}

std::string SectionChart::ModelText(py::handle vertices, const std::vector<Body>& bodies,
                                    const std::vector<Hole>& holes)
{
    auto v = py::array_t<double, py::array::c_style | py::array::forcecast>::ensure(vertices);
    if (!v || v.ndim() != 2 || v.shape(1) != 2)
        RaiseValueError("vertices must be an array of shape (n, 2): x along the profile and elevation z");
    const long long n = v.shape(0);
    std::string text;
    text.reserve(static_cast<size_t>(n) * 40);
    const double* p = v.data();
    for (long long i = 0; i < n; ++i) {
        for (int k = 0; k < 2; ++k)
            if (!std::isfinite(p[2 * i + k]))
                RaiseValueError("vertices[" + std::to_string(i) + "] is not finite");
        text += "vertex " + std::to_string(i + 1);
        appendNumber(text, p[2 * i]);
        appendNumber(text, p[2 * i + 1]);
        text += '\n';
    }
    for (size_t b = 0; b < bodies.size(); ++b) {
        const auto& [name, rho, ring] = bodies[b];
        const std::string what = "bodies[" + std::to_string(b) + "]";
        if (name.empty() || name.find_first_of(" \t\r\n#") != std::string::npos)
            RaiseValueError(what + ": a body's name is one word without '#'");
        if (!std::isfinite(rho))
            RaiseValueError(what + ": the resistivity is not finite");
        text += "body " + name;
        appendNumber(text, rho);
        appendRing(text, ring, n, what);
        text += '\n';
    }
    for (size_t h = 0; h < holes.size(); ++h) {
        const auto& [body, ring] = holes[h];
        const std::string what = "holes[" + std::to_string(h) + "]";
        if (body.empty() || body.find_first_of(" \t\r\n#") != std::string::npos)
            RaiseValueError(what + ": a body's name is one word without '#'");
        text += "hole " + body;
        appendRing(text, ring, n, what);
        text += '\n';
    }
    return text;
}

std::unique_ptr<SectionChart> SectionChart::FromArrays(const ArrayLike& vertices, const std::vector<Body>& bodies,
                                                       const std::vector<Hole>& holes)
{
    const std::string text = ModelText(vertices, bodies, holes);
    const long long n = py::len(vertices);
    TMOD2D model;
    CString error;
    if (!PolyModelFile::Parse(text.c_str(), kArraysName, model, error))
        RaiseValueError(inArrayTerms(error.str(), n, bodies.size()));
    return std::make_unique<SectionChart>(model, "section");
}

std::unique_ptr<SectionChart> SectionChart::FromFile(const std::filesystem::path& path)
{
    CheckReadable(path);
    TMOD2D model;
    CString error;
    if (!PolyModelFile::Read(path.c_str(), model, error))
        RaiseValueError(error.str());
    return std::make_unique<SectionChart>(model, path.string());
}

void SectionChart::Draw(CDC* dc) { m_sheet.Draw(dc); }

}  // namespace pytarnex
