#!/usr/bin/python3
"""The TEM forward calculation of em1d written in vectorised numpy, as a peer
for its benchmark: the same filters (47-point Hankel J1, 101-point sine for
lagged convolution), the same lattice of times with three extra at each end,
the same natural cubic spline in ln t of ln|dBz/dt|, the same layered earths.
Prints the processor time of one 31-time curve (0.01-10 ms) for 1, 3, 10 and
30 layers, best of five timeit repeats.

    /usr/bin/python3 bench/em1d_numpy.py [--json]
"""
import json
import os
import sys
import time
import timeit

import numpy as np

HERE = os.path.dirname(os.path.abspath(__file__))
FILTERS = os.path.join(HERE, "..", "em1d", "filters")
MU0 = 4e-7 * np.pi
MARGIN = 3


def load(name):
    return np.loadtxt(os.path.join(FILTERS, name + ".txt"), comments="#")


HANKEL = load("hankel_gupt_47_1997_j1")
FOURIER = load("fourier_wer_101_2020b_sincos")


def earth_of(layers):
    """Layers of 5-40 m alternating between 1.6 and 2500 ohm-m (as Em1dBench.cpp)."""
    rho = [10 ** (0.2 + 3.2 * ((i * 7) % 11) / 10) for i in range(layers)]
    h = [5 + 35 * ((i * 5) % 9) / 8 for i in range(layers - 1)]
    return np.array(h, float), np.array(rho, float)


def reflection(lam, omega, h, rho):
    """r_TE on the grid omega x lam, recursion from the half-space upwards."""
    l2 = (lam ** 2)[None, :]
    iw = 1j * omega[:, None] * MU0
    y = np.sqrt(l2 + iw / rho[-1])
    for j in range(len(rho) - 2, -1, -1):
        u = np.sqrt(l2 + iw / rho[j])
        e = np.exp(-2 * u * h[j])
        y = u * (y * (1 + e) + u * (1 - e)) / (u * (1 + e) + y * (1 - e))
    return (lam[None, :] - y) / (lam[None, :] + y)


def natural_spline(x, y, xq):
    n = len(x)
    hx = np.diff(x)
    a = np.zeros((n - 2, n - 2))
    idx = np.arange(n - 2)
    a[idx, idx] = 2 * (hx[:-1] + hx[1:])
    a[idx[1:], idx[:-1]] = hx[1:-1]
    a[idx[:-1], idx[1:]] = hx[1:-1]
    s = np.diff(y) / hx
    m = np.zeros(n)
    m[1:-1] = np.linalg.solve(a, 6 * np.diff(s))
    i = np.clip(np.searchsorted(x, xq) - 1, 0, n - 2)
    hh = hx[i]
    p = (x[i + 1] - xq) / hh
    q = (xq - x[i]) / hh
    return p * y[i] + q * y[i + 1] + ((p ** 3 - p) * m[i] + (q ** 3 - q) * m[i + 1]) * hh ** 2 / 6


def tem_curve(times_ms, h, rho, radius=50.0):
    t = np.asarray(times_ms) * 1e-3
    base, wsin = FOURIER[:, 0], FOURIER[:, 1]
    n = len(base)
    delta = np.log(base[-1] / base[0]) / (n - 1)
    first = int(np.floor(np.log(t.min()) / delta)) - MARGIN
    last = int(np.ceil(np.log(t.max()) / delta)) + MARGIN
    count = last - first + 1
    omega = base[0] * np.exp(np.arange(-last, n - first) * delta)
    lam = HANKEL[:, 0] / radius
    r = reflection(lam, omega, h, rho)
    imhz = 0.5 * (r.imag * lam[None, :] * HANKEL[:, 1][None, :]).sum(axis=1)
    k = np.arange(first, last + 1)
    # The lagged sums: time t_k uses omega[last - k : last - k + n].
    window = np.lib.stride_tricks.sliding_window_view(imhz, n)[last - k]
    tk = np.exp(k * delta)
    dbdt = 2 * MU0 / np.pi * (window @ wsin) / tk
    return -np.exp(natural_spline(np.log(tk), np.log(-dbdt), np.log(t)))


def main():
    times = 0.01 * 10 ** (np.arange(31) / 10)
    # The published half-space value at 1 ms, as a check of the method.
    check = tem_curve([1.0], np.array([]), np.array([100.0]))[0]
    assert abs(check / -3.925762e-9 - 1) < 1e-3, check
    results = {}
    for layers in (1, 3, 10, 30):
        h, rho = earth_of(layers)
        timer = timeit.Timer(lambda: tem_curve(times, h, rho), timer=time.process_time)
        number, _ = timer.autorange()
        best = min(timer.repeat(repeat=5, number=number)) / number
        results[layers] = best * 1e6
    if "--json" in sys.argv:
        print(json.dumps(results))
    else:
        for layers, us in results.items():
            print(f"numpy 31-time curve, {layers:2d} layers: {us:9.1f} us")


if __name__ == "__main__":
    main()
