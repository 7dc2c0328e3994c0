"""Charts drawn from arrays and files, written out and read back."""
import os

import numpy as np
import pytest

import tarnex
from conftest import axis_labels, png_size

HERE = os.path.dirname(os.path.abspath(__file__))
DATA = os.path.join(HERE, "..", "..", "data")

RED, GREEN, BLUE = (255, 0, 0), (10, 150, 0), (0, 0, 255)


def flat_sounding(r_level, model=2):
    """16 samples over 0.1-100 ms: measured R flat at r_level; V at 1 and the
    modelled V at 10000 pin the value axis to four decades."""
    x = np.logspace(-1, 2, 16)
    ones = np.ones_like(x)
    return tarnex.SoundingChart(x, r_level * ones, ones, 30 * ones, 1e4 * ones, model=model)


def test_every_format_is_written_by_its_ending(tmp_path):
    chart = flat_sounding(100)
    for name, magic in [("a.png", b"\x89PNG"), ("b.BMP", b"BM"), ("c.pdf", b"%PDF-"), ("d.svg", b"<")]:
        chart.save(tmp_path / name)
        head = (tmp_path / name).read_bytes()[:200]
        assert head.startswith(magic), name
    assert b"<svg" in (tmp_path / "d.svg").read_bytes()[:400]


def test_size_follows_resolution_and_inline_picture_is_a_png(tmp_path, bitmap):
    chart = flat_sounding(100)
    chart.save(tmp_path / "150.png")
    chart.save(tmp_path / "300.png", dpi=300)
    chart.save(tmp_path / "150.bmp")
    w150, h150 = png_size((tmp_path / "150.png").read_bytes())
    w300, h300 = png_size((tmp_path / "300.png").read_bytes())
    # A sounding chart is about 20 cm wide: near 1200 pixels at 150 dpi.
    assert 1000 < w150 < 1400 and 500 < h150 < 900
    assert abs(w300 - 2 * w150) <= 4 and abs(h300 - 2 * h150) <= 4
    bmp = bitmap((tmp_path / "150.bmp").read_bytes())
    assert (bmp.width, bmp.height) == (w150, h150)
    inline = chart._repr_png_()
    w96, _ = png_size(inline)
    assert abs(w96 - w150 * 96 / 150) <= 4
    assert png_size(chart.png(dpi=150)) == (w150, h150)


def test_measured_r_is_drawn_in_red_at_its_decade(tmp_path, bitmap):
    rows = {}
    for level in (10, 100, 1000):
        path = tmp_path / f"r{level}.bmp"
        flat_sounding(level).save(path)
        bmp = bitmap(path.read_bytes())
        row, pixels = bmp.fullest_row(RED)
        # The curve crosses three decades of the frame; the legend's sample
        # is far shorter.
        assert pixels > bmp.width // 3, (level, pixels)
        rows[level] = row
        assert bmp.fullest_row(GREEN)[1] > bmp.width // 3
    # Higher values higher up, a decade the same height on a log scale.
    assert rows[10] > rows[100] > rows[1000]
    assert abs((rows[10] - rows[100]) - (rows[100] - rows[1000])) <= 2


def test_float32_and_float64_columns_draw_the_same_chart():
    x = np.logspace(-1, 2, 16)
    cols = [x, 100 + x, 1 + x, 90 + x, 2 + x]
    a = tarnex.SoundingChart(*cols).png()
    b = tarnex.SoundingChart(*[c.astype(np.float32) for c in cols]).png()
    c = tarnex.SoundingChart(*[list(map(float, c)) for c in cols]).png()
    assert a == b == c


def test_charts_from_the_bundled_files(tmp_path, bitmap):
    chart = tarnex.SoundingChart.from_file(os.path.join(DATA, "sounding.dat"))
    rows = tarnex.read_sounding(os.path.join(DATA, "sounding.dat"))
    # V falls over seven decades: the log-log view.
    assert (chart.rows, chart.view, chart.model) == (len(rows), "loglog", 2) and len(rows) > 10
    model = tarnex.LayeredModelChart.from_file(os.path.join(DATA, "layered-model.txt"))
    assert model.layers == 4
    model.save(tmp_path / "m.bmp", dpi=100)
    assert bitmap((tmp_path / "m.bmp").read_bytes()).count(BLUE) > 200  # the staircase
    profiles = tarnex.ProfileChart.from_file(os.path.join(DATA, "profiles.txt"))
    assert profiles.names == ["t0.1ms", "t0.3ms", "t1ms", "t3ms", "t10ms"]
    section = tarnex.SectionChart.from_file(os.path.join(DATA, "section-model.txt"))
    for c in (chart, profiles, section):
        w, h = png_size(c.png(dpi=100))
        assert w > 300 and h > 200


def test_profile_and_section_from_arrays():
    x = np.arange(0, 1000, 20.0)
    values = np.vstack([100 + 10 * np.sin(x / 100), 50 + 5 * np.cos(x / 80)])
    chart = tarnex.ProfileChart(x, values, names=["early", "late"])
    assert chart.names == ["early", "late"]
    assert tarnex.ProfileChart(x, values[0]).names == ["剖面 1"]
    vertices = np.array([[0, 0], [1000, 0], [1000, -200], [0, -200], [0, -500], [1000, -500]], float)
    section = tarnex.SectionChart(vertices, [("cover", 30, [0, 1, 2, 3]), ("basement", 2000, [3, 2, 5, 4])])
    w, h = png_size(section.png(dpi=100))
    # True scale: the section is twice as wide as deep, plus the colour bar.
    assert w > h


def test_a_failed_save_keeps_the_existing_file(tmp_path):
    target = tmp_path / "keep.png"
    target.write_bytes(b"old")
    with pytest.raises(ValueError, match="resolution"):
        flat_sounding(100).save(target, dpi=0)
    assert target.read_bytes() == b"old"


def seconds_sounding(**kw):
    """A TEM sounding in seconds (10 µs to 10 ms), V in V/A over seven decades."""
    t = np.logspace(-5, -2, 31)
    v = 2e-2 * (t / 1e-5) ** -2.5
    r = 50 + 30 * np.sin(np.log10(t))
    return tarnex.SoundingChart(t, r, v, r * 1.02, v * 0.97, header="t(s) R V(V/A)", **kw)


def test_any_magnitude_draws_with_distinct_labels_in_a_bounded_picture(tmp_path):
    for view, drawn in (("auto", "loglog"), ("linear", "linear")):
        chart = seconds_sounding(view=view)
        chart.save(tmp_path / "s.svg")
        along, side = axis_labels(tmp_path / "s.svg")
        assert chart.view == drawn and len(side) >= 4 and len(set(side)) == len(side), (view, side)
        assert along == ["1", "10", "100", "1000", "10⁴", "10⁵"], along   # microseconds
        assert max(png_size(chart.png())) <= 2000
        assert drawn == "linear" or "10⁻⁹" in side, side   # V/A as powers of ten
    # The class's own layout takes the abscissa as it stands: below 0.1 it is refused.
    with pytest.raises(ValueError, match="largest abscissa must exceed 0.1"):
        seconds_sounding(plain=True)


def test_view_and_its_older_spelling_model():
    x = np.logspace(-1, 2, 16)
    cols = [x, 100 + x, 10 + x, 90 + x, 20 + x]   # within two decades: auto is linear
    assert [tarnex.SoundingChart(*cols, *m).view for m in ((), (1,), (2,))] == ["linear", "linear", "loglog"]
    assert tarnex.SoundingChart(*cols, model=2, view="loglog").model == 2
    for kw, message in [({"model": 2, "view": "linear"}, "different views"), ({"view": "log"}, "view must be"),
                        ({"model": 3}, "model must be 1")]:
        with pytest.raises(ValueError, match=message):
            tarnex.SoundingChart(*cols, **kw)


def test_measured_only_soundings_draw_no_modelled_curves(tmp_path, bitmap):
    path = tmp_path / "m.csv"
    path.write_text("time_ms,rho,V\n" + "".join(f"{t},{80 + t},{40 / t}\n" for t in (0.05, 0.5, 5, 50)))
    rows = tarnex.read_sounding(path)
    for chart in (tarnex.SoundingChart.from_file(path), tarnex.SoundingChart(*rows.T),
                  tarnex.SoundingChart(*rows.T[:3], model=2, plain=True)):
        chart.save(tmp_path / "m.bmp")
        bmp = bitmap((tmp_path / "m.bmp").read_bytes())
        assert not chart.modelled and bmp.count(RED) > 100 and bmp.count(GREEN) == 0, chart
    with pytest.raises(ValueError, match="r_fwd is given without v_fwd"):
        tarnex.SoundingChart(*rows.T[:3], r_fwd=rows[:, 1])


def test_a_model_over_three_decades_draws_log_resistivity(tmp_path):
    thickness, resistivity = [10, 20, 40, 80], [5, 50, 500, 5000, 50]
    chart = tarnex.LayeredModelChart(thickness, resistivity)
    chart.save(tmp_path / "log.svg")
    assert chart.log_resistivity and {"10", "100", "1000"} <= set(axis_labels(tmp_path / "log.svg")[0])
    assert max(png_size(chart.png())) <= 2000
    # The class's own linear layout stays a strip many times wider than tall.
    plain = tarnex.LayeredModelChart(thickness, resistivity, plain=True)
    w, h = png_size(plain.png())
    assert plain.plain and not plain.log_resistivity and w > 5 * h
    assert not tarnex.LayeredModelChart([30], [100, 500]).log_resistivity
