"""invert_tem on soundings made from known models with stated noise: the
conductor of an H-type earth is found by its depth and conductance (h/rho;
equivalence leaves h and rho alone poorly resolved), fixed parameters stay,
bad data are refused."""
import numpy as np
import pytest

import tarnex

TIMES = np.logspace(-2, 1, 31)  # 0.01 to 10 ms
H, RHO = [30.0, 50.0], [100.0, 10.0, 1000.0]


def sounding(noise_pct, seed=3):
    _, v = tarnex.forward_tem(H, RHO, TIMES)
    rng = np.random.default_rng(seed)
    return v * (1 + noise_pct / 100 * rng.standard_normal(v.size))


def test_an_h_type_conductor_is_found_by_depth_and_conductance():
    r = tarnex.invert_tem(TIMES, sounding(3.0), layers=3, noise_pct=3.0)
    assert r.resistivity.shape == (3,) and r.thickness.shape == (2,)
    assert r.thickness[0] == pytest.approx(30.0, rel=0.10)
    assert r.thickness[1] / r.resistivity[1] == pytest.approx(50.0 / 10.0, rel=0.10)
    # Misfit within 1.5 times the noise added; the fit is the model's response.
    assert r.misfit < 4.5
    _, v = tarnex.forward_tem(r.thickness, r.resistivity, TIMES)
    np.testing.assert_allclose(r.modelled_v, v, rtol=1e-3)
    assert r.doi > 100.0
    assert set(r.uncertainty) == {"resistivity", "thickness"}
    assert np.all(r.uncertainty["resistivity"] > 0)


def test_a_fixed_parameter_keeps_its_value():
    r = tarnex.invert_tem(TIMES, sounding(2.0), start=([20.0, 40.0], [80.0, 20.0, 500.0]), fix="rho3=1000,h1")
    assert r.resistivity[2] == 1000.0
    assert r.thickness[0] == 20.0
    assert r.uncertainty["resistivity"][2] == 0.0


@pytest.mark.parametrize("times, v, kwargs, message", [
    (TIMES[:4], np.ones(4), {"layers": 3}, "gate"),             # 5 free parameters, 4 gates
    (TIMES, -np.ones(31), {}, "gate 1"),                        # V must be positive
    (TIMES, np.ones(31), {"fix": "rho9"}, "rho9"),
])
def test_bad_data_are_value_errors_naming_the_cause(times, v, kwargs, message):
    with pytest.raises(ValueError, match=message):
        tarnex.invert_tem(times, v, **kwargs)
