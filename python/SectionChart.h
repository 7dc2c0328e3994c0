// The section of a two-dimensional polygon model with its colour bar, made
// from a model file or from numpy vertices and rings of vertex indices.
#pragma once

#include "ArrayLike.h"
#include "Chart.h"

#include "geometry/SectionSheet.h"

#include <memory>
#include <string>
#include <tuple>
#include <vector>

namespace pytarnex {

class SectionChart : public Chart {
public:
    // A body: name, resistivity (ohm-m) and its outer ring as indices into
    // the vertices; a hole: the name of its body and its ring. Rings need
    // not repeat their first vertex at the end.
    using Body = std::tuple<std::string, double, std::vector<long long>>;
    using Hole = std::tuple<std::string, std::vector<long long>>;

    // Lays the section out (ValueError when the model has no extent).
    SectionChart(TMOD2D& model, const std::string& name);
    static std::unique_ptr<SectionChart> FromArrays(const ArrayLike& vertices, const std::vector<Body>& bodies,
                                                    const std::vector<Hole>& holes);
    static std::unique_ptr<SectionChart> FromFile(const std::filesystem::path& path);

    // The model text the arrays stand for, in the model file's format:
    // vertex i is numbered i + 1.
    static std::string ModelText(pybind11::handle vertices, const std::vector<Body>& bodies,
                                 const std::vector<Hole>& holes);

protected:
    void Draw(CDC* dc) override;

private:
    SectionSheet m_sheet;
};

}  // namespace pytarnex
