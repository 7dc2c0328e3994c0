#!/usr/bin/python3
"""Times the Python module: `import tarnex` in a fresh interpreter, and calls
through the module, to set against build/release/bench/tarnex_bench
--benchmark_filter=ForwardCall (the same calls in C++).

    PYTHONPATH=build/release/python /usr/bin/python3 bench/python_calls.py
"""
import statistics
import subprocess
import sys
import time
import timeit

import numpy as np

import tarnex


def import_ms(code, runs=15):
    """Median wall time of `code` in a fresh interpreter, in ms."""
    probe = "import time; t = time.perf_counter(); {}; print((time.perf_counter() - t) * 1e3)"
    times = []
    for _ in range(runs):
        out = subprocess.run([sys.executable, "-c", probe.format(code)], capture_output=True, text=True, check=True)
        times.append(float(out.stdout))
    return statistics.median(times)


def per_call_us(stmt, number=20000, repeat=7):
    """Best of repeat runs, per call, in microseconds of processor time (the
    CPU column of Google Benchmark, less disturbed on a busy machine)."""
    runs = timeit.repeat(stmt, number=number, repeat=repeat, globals=globals(), timer=time.process_time)
    return min(runs) / number * 1e6


thickness, resistivity = np.array([30.0, 50.0]), np.array([100.0, 10.0, 1000.0])
one_time = np.array([0.01])
times31 = np.logspace(-2, 1, 31)
one_period = np.array([1.0])
half_space = np.array([100.0])
no_layers = np.empty(0)

print(f"import tarnex                     {import_ms('import tarnex'):8.1f} ms")
print(f"import numpy, tarnex              {import_ms('import numpy, tarnex'):8.1f} ms")
print(f"import numpy                      {import_ms('import numpy'):8.1f} ms")
print(f"first chart drawn (Qt start-up)   "
      f"{import_ms('import tarnex; tarnex.LayeredModelChart([10], [100, 10]).png()', runs=5):8.1f} ms"
      " (import and drawing included)")
print(f"forward_mt, half-space, 1 period  {per_call_us('tarnex.forward_mt(no_layers, half_space, one_period)'):8.2f} µs")
print(f"forward_tem, 3 layers, 1 time     "
      f"{per_call_us('tarnex.forward_tem(thickness, resistivity, one_time)', number=2000):8.2f} µs")
print(f"forward_tem, 3 layers, 31 times   "
      f"{per_call_us('tarnex.forward_tem(thickness, resistivity, times31)', number=500):8.2f} µs")
print(f"LayeredModelChart, 3 layers       "
      f"{per_call_us('tarnex.LayeredModelChart(thickness, resistivity)', number=5000):8.2f} µs")
