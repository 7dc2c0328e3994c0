"""Charts drawn from arrays and files, written out and read back."""
import os

import numpy as np
import pytest

import tarnex
from conftest import png_size

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
    assert (chart.rows, chart.model) == (len(rows), 1) and len(rows) > 10
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
