// Forward responses of layered earths for Python: central-loop TEM and 1-D
// magnetotellurics, numpy arrays in and out, through the modelling library.
#include "Bindings.h"

#include "ArrayLike.h"
#include "PyArrays.h"
#include "PyErrors.h"

#include "em1d/LayeredEarth.h"
#include "em1d/ModelError.h"
#include "em1d/MtForward.h"
#include "em1d/TemForward.h"

#include <pybind11/numpy.h>
#include <pybind11/stl.h>

#include <optional>

#include <string>

namespace pytarnex {

namespace py = pybind11;
using namespace py::literals;

namespace {

// Runs a computation without the GIL, so that threads may model at once;
// a refusal of the library comes back as ValueError with its message.
template <typename Fn>
void modelled(Fn&& fn)
{
    std::string refused;
    {
        py::gil_scoped_release free;
        try {
            fn();
        } catch (const em1d::ModelError& e) {
            refused = e.what();
        }
    }
    if (!refused.empty())
        RaiseValueError(refused);
}

py::tuple forwardTem(const ArrayLike& thickness, const ArrayLike& resistivity, const ArrayLike& timesMs,
                     double loopRadius, double rxArea, double rampUs, const std::optional<ArrayLike>& gateWidthMs)
{
    std::vector<double> h = DoublesVector(thickness, "thickness");
    std::vector<double> rho = DoublesVector(resistivity, "resistivity");
    // Read in place when the times are a contiguous float64 array.
    const DoubleColumn times = DoublesOf(timesMs, "times_ms", false);
    em1d::TemSystem system;
    system.loopRadius = loopRadius;
    system.rxArea = rxArea;
    system.rampUs = rampUs;
    if (gateWidthMs)
        system.gateWidthMs = DoublesVector(*gateWidthMs, "gate_width_ms");
    em1d::TemResponse response;
    modelled([&] {
        const em1d::LayeredEarth earth(std::move(h), std::move(rho));
        response = em1d::TemForward(std::move(system)).compute(earth, times.values);
    });
    return py::make_tuple(ToArray(std::move(response.rhoApparent)), ToArray(std::move(response.voltage)));
}

py::tuple forwardMt(const ArrayLike& thickness, const ArrayLike& resistivity, const ArrayLike& periodsS)
{
    std::vector<double> h = DoublesVector(thickness, "thickness");
    std::vector<double> rho = DoublesVector(resistivity, "resistivity");
    const DoubleColumn periods = DoublesOf(periodsS, "periods_s", false);
    em1d::MtResponse response;
    modelled([&] {
        const em1d::LayeredEarth earth(std::move(h), std::move(rho));
        response = em1d::MtForward::compute(earth, periods.values);
    });
    return py::make_tuple(ToArray(std::move(response.rhoApparent)), ToArray(std::move(response.phaseDeg)));
}

}  // namespace

void BindForward(py::module_& m)
{
    m.def("forward_tem", &forwardTem, "thickness"_a, "resistivity"_a, "times_ms"_a, "loop_radius"_a = 50.0,
          "rx_area"_a = 1.0, "ramp_us"_a = 0.0, "gate_width_ms"_a = py::none(),
          R"(The central-loop TEM response of a layered earth: (rho_a, v).

thickness: m, one value a layer above the half-space; resistivity: ohm-m,
one a layer, the half-space's last. times_ms: times after the end of the
turn-off, in ms (1e-6 to 1e6). loop_radius: m (a square loop of side s: the
radius s / sqrt(pi)); rx_area: the receiver's effective area (area x turns),
m^2; ramp_us: a linear turn-off ramp, microseconds (0: a step).
gate_width_ms: optional, one width a time: each sample is then the average
over a gate of that width centred on its time.

Returns float64 arrays, one value a time: rho_a, the late-time apparent
resistivity (ohm-m), and v, the normalised voltage V/I (microvolts per
ampere, positive for a decaying field). A contiguous float64 times_ms is
read in place; the results are new arrays holding the library's own
vectors (no copy). The computation runs without the GIL.
Raises ValueError with the library's message for a non-positive or
non-finite resistivity, a negative thickness, lengths that do not match, a
time out of range or a system out of its limits.)");
    m.def("forward_mt", &forwardMt, "thickness"_a, "resistivity"_a, "periods_s"_a,
          R"(The 1-D magnetotelluric response of a layered earth: (rho_a, phase_deg).

thickness and resistivity as for forward_tem; periods_s in seconds (1e-6 to
1e8). Returns float64 arrays of the apparent resistivity (ohm-m) and the
impedance phase (degrees; 45 over a half-space). Raises ValueError with the
library's message for a bad model or period.)");
}

}  // namespace pytarnex
