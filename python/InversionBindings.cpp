// Inversion of TEM soundings for Python: measured V/I in, a layered model
// with its misfit, uncertainties and depth of investigation out, through the
// modelling library's few-layer inversion.
#include "Bindings.h"

#include "ArrayLike.h"
#include "PyArrays.h"
#include "PyErrors.h"

#include "em1d/InversionError.h"
#include "em1d/LayeredEarth.h"
#include "em1d/ModelError.h"
#include "em1d/TemInversion.h"

#include <pybind11/numpy.h>
#include <pybind11/stl.h>

#include <optional>
#include <string>
#include <utility>

namespace pytarnex {

namespace py = pybind11;
using namespace py::literals;

namespace {

// What invert_tem returns: plain values and new float64 arrays.
struct Inversion {
    py::array thickness, resistivity, modelledV;
    py::dict uncertainty;
    double misfit = 0, chiRms = 0, doi = 0;
    int iterations = 0;
    bool converged = false;
};

Inversion invertTem(const ArrayLike& timesMs, const ArrayLike& v, int layers, double noisePct, double loopRadius,
                    double rxArea, double rampUs, const std::optional<ArrayLike>& sigma,
                    const std::optional<std::pair<ArrayLike, ArrayLike>>& start, const std::string& fix)
{
    std::vector<double> t = DoublesVector(timesMs, "times_ms");
    std::vector<double> volts = DoublesVector(v, "v");
    std::vector<double> sd = sigma ? DoublesVector(*sigma, "sigma") : std::vector<double>{};
    std::vector<double> h0, rho0;
    if (start) {
        h0 = DoublesVector(start->first, "start thickness");
        rho0 = DoublesVector(start->second, "start resistivity");
    }
    em1d::TemSystem system;
    system.loopRadius = loopRadius;
    system.rxArea = rxArea;
    system.rampUs = rampUs;
    em1d::TemInversionResult r;
    std::string refused;
    {
        // Without the GIL: other threads may invert other soundings meanwhile.
        py::gil_scoped_release free;
        try {
            const em1d::TemObservations data(std::move(t), std::move(volts), std::move(sd), noisePct);
            em1d::TemInversion inversion(system);
            if (start)
                inversion.setStartModel(em1d::LayeredEarth(std::move(h0), std::move(rho0)));
            else
                inversion.setLayers(layers);
            if (!fix.empty())
                inversion.fix(fix);
            r = inversion.run(data);
        } catch (const em1d::ModelError& e) {
            refused = e.what();
        } catch (const em1d::InversionError& e) {
            refused = e.what();
        }
    }
    if (!refused.empty())
        RaiseValueError(refused);
    Inversion out;
    out.thickness = ToArray(std::move(r.thickness));
    out.resistivity = ToArray(std::move(r.resistivity));
    out.modelledV = ToArray(std::move(r.modelledVoltage));
    out.uncertainty["resistivity"] = ToArray(std::move(r.resistivityLogStd));
    out.uncertainty["thickness"] = ToArray(std::move(r.thicknessLogStd));
    out.misfit = r.misfitPercent;
    out.chiRms = r.chiRms;
    out.doi = r.depthOfInvestigation;
    out.iterations = r.iterations;
    out.converged = r.converged;
    return out;
}

}  // namespace

void BindInversion(py::module_& m)
{
    py::class_<Inversion>(m, "Inversion", "What invert_tem found.")
        .def_readonly("thickness", &Inversion::thickness, "layer thicknesses, m (one fewer than resistivity)")
        .def_readonly("resistivity", &Inversion::resistivity, "layer resistivities, ohm-m, the half-space last")
        .def_readonly("uncertainty", &Inversion::uncertainty,
                      "{'resistivity': ..., 'thickness': ...}: one standard deviation of the natural log of each\n"
                      "parameter from the posterior covariance (the value lies within p*exp(-s) .. p*exp(s) with\n"
                      "about 68 % confidence); 0 for a fixed parameter, inf for one the data do not resolve")
        .def_readonly("misfit", &Inversion::misfit, "RMS misfit of V in percent: 100*sqrt(mean(((d-m)/d)^2))")
        .def_readonly("chi_rms", &Inversion::chiRms, "sqrt(mean(((d-m)/sigma)^2))")
        .def_readonly("doi", &Inversion::doi, "depth of investigation, m: half the diffusion depth of the last gate")
        .def_readonly("iterations", &Inversion::iterations)
        .def_readonly("converged", &Inversion::converged)
        .def_readonly("modelled_v", &Inversion::modelledV, "the model's V/I at the gates, microvolts per ampere")
        .def("__repr__", [](const Inversion& r) {
            return "<tarnex.Inversion: " + std::to_string(py::len(r.resistivity)) + " layers, misfit " +
                   std::to_string(r.misfit) + " %, doi " + std::to_string(r.doi) + " m>";
        });
    m.def("invert_tem", &invertTem, "times_ms"_a, "v"_a, "layers"_a = 3, "noise_pct"_a = 3.0,
          "loop_radius"_a = 50.0, "rx_area"_a = 1.0, "ramp_us"_a = 0.0, "sigma"_a = py::none(),
          "start"_a = py::none(), "fix"_a = "",
          R"(A few-layer model fitted to a central-loop TEM sounding: an Inversion.

times_ms: gate times in ms, increasing; v: measured V/I in microvolts per
ampere (positive). Levenberg-Marquardt on the logs of resistivity and
thickness, fitting ln V with each gate weighted by noise_pct (percent) or by
sigma (one standard deviation a gate, same unit as v). layers: the number of
layers of the start model made from the data; start=(thickness,
resistivity) starts from that model instead. fix: parameters held at their
start values, e.g. "rho2,h1" or "rho2=50". The system as for forward_tem.
Runs without the GIL. Raises ValueError with the library's message for
fewer gates than free parameters, a non-positive V, unknown names in fix or
a bad start model.)");
}

}  // namespace pytarnex
