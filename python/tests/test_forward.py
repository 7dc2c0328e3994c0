"""Forward responses against published reference values and the half-space's
closed forms (Ward & Hohmann 1988), within 0.1 %."""
from math import erf, exp, pi, sqrt

import numpy as np
import pytest

import tarnex

MU0 = 4e-7 * pi
TIMES = np.array([0.01, 0.1, 1.0, 10.0])


def half_space_dbdt(rho, t_s, a):
    x = sqrt(MU0 / (4 * rho * t_s)) * a
    return -(rho / a ** 3) * (3 * erf(x) - 2 / sqrt(pi) * x * (3 + 2 * x * x) * exp(-x * x))


def half_space_b(rho, t_s, a):
    x = sqrt(MU0 / (4 * rho * t_s)) * a
    return MU0 / (2 * a) * (3 * exp(-x * x) / (sqrt(pi) * x) + (1 - 3 / (2 * x * x)) * erf(x))


@pytest.mark.parametrize("thickness, resistivity, dbdt, rho_late", [
    ([], [100.0], [-2.285804e-4, -1.180475e-6, -3.925762e-9, -1.247717e-11],
     [143.951, 103.801, 100.375, 100.037]),
    ([30.0, 50.0], [100.0, 10.0, 1000.0], [-1.601291e-4, -5.215827e-6, -4.045161e-8, -1.675457e-11],
     [182.499, 38.550, 21.197, 82.190]),
])
def test_tem_matches_the_reference_values(thickness, resistivity, dbdt, rho_late):
    rho_a, v = tarnex.forward_tem(thickness, resistivity, TIMES)
    assert v.dtype == np.float64 and v.shape == (4,)
    np.testing.assert_allclose(v, -1e6 * np.array(dbdt), rtol=1e-3)
    np.testing.assert_allclose(rho_a, rho_late, rtol=1e-3)


def test_tem_system_parameters_reach_the_engine():
    rho, t = 100.0, np.array([0.05, 0.5, 5.0])
    # Another loop radius and receiver area: the closed form scaled by the area.
    _, v = tarnex.forward_tem([], [rho], t, loop_radius=20.0, rx_area=250.0)
    expected = [-1e6 * 250.0 * half_space_dbdt(rho, ts * 1e-3, 20.0) for ts in t]
    np.testing.assert_allclose(v, expected, rtol=1e-3)
    # A linear ramp of tau: dB/dt is the drop of B over [t, t + tau] over tau.
    tau = 200e-6
    _, v = tarnex.forward_tem([], [rho], t, ramp_us=tau * 1e6)
    expected = [-1e6 * (half_space_b(rho, ts * 1e-3 + tau, 50.0) - half_space_b(rho, ts * 1e-3, 50.0)) / tau
                for ts in t]
    np.testing.assert_allclose(v, expected, rtol=1e-3)
    # Gates: the mean of dB/dt over each gate, the last gate included.
    widths = np.array([0.02, 0.2, 2.0])
    _, v = tarnex.forward_tem([], [rho], t, gate_width_ms=widths)
    t1, t2 = (t - widths / 2) * 1e-3, (t + widths / 2) * 1e-3
    expected = [-1e6 * (half_space_b(rho, b, 50.0) - half_space_b(rho, a, 50.0)) / (b - a) for a, b in zip(t1, t2)]
    np.testing.assert_allclose(v, expected, rtol=1e-3)


def test_mt_matches_the_reference_values():
    rho_a, phase = tarnex.forward_mt([1000.0], [100.0, 10.0], [0.01, 1.0, 100.0])
    np.testing.assert_allclose(rho_a, [102.665, 27.072, 11.194], rtol=1e-3)
    np.testing.assert_allclose(phase, [44.17, 62.11, 48.03], rtol=1e-3)
    rho_a, phase = tarnex.forward_mt([], [30.0], np.logspace(-3, 3, 7))
    np.testing.assert_allclose(rho_a, 30.0, rtol=1e-9)
    np.testing.assert_allclose(phase, 45.0, rtol=1e-9)


def test_bad_models_raise_the_engines_message():
    cases = [
        (([30.0], [100.0, -1.0], TIMES), "layer 2: resistivity -1"),
        (([30.0], [100.0, np.nan], TIMES), "layer 2: resistivity nan"),
        (([30.0, 5.0], [100.0, 1.0], TIMES), "2 resistivities need 1 thicknesses, not 2"),
        (([30.0], [100.0, 1.0], [0.0, 1.0]), "time 1: 0 ms"),
        (([30.0], [100.0, 1.0], [[1.0]]), "one-dimensional"),
    ]
    for args, message in cases:
        with pytest.raises(ValueError, match=message):
            tarnex.forward_tem(*args)
    with pytest.raises(ValueError, match="loop radius -1"):
        tarnex.forward_tem([], [100.0], TIMES, loop_radius=-1.0)
    with pytest.raises(ValueError, match="1 gate widths for 4 times"):
        tarnex.forward_tem([], [100.0], TIMES, gate_width_ms=[1.0])
    with pytest.raises(ValueError, match="resistivity 0"):
        tarnex.forward_mt([], [0.0], [1.0])
