"""Readers' values and order, and the errors bad input and bad files raise."""
import os

import numpy as np
import pytest

import tarnex


def write(tmp_path, name, text):
    path = tmp_path / name
    path.write_text(text)
    return path


def test_sounding_rows_come_back_in_file_order(tmp_path):
    path = write(tmp_path, "s.dat", "time_ms rho v rho_fwd v_fwd\n# a comment\n"
                 "0.5 120 3.5 118 3.25\n1 80.5 1.5 79 1.25\n2e1 40 0.125 41 0.5\n")
    a = tarnex.read_sounding(path)
    assert a.shape == (3, 5) and a.dtype == np.float32
    assert a[0].tolist() == [0.5, 120, 3.5, 118, 3.25]
    assert a[-1].tolist() == [20, 40, 0.125, 41, 0.5]
    assert a.flags.owndata or a.base is not None  # an array Python owns


def test_survey_keeps_the_stations_in_file_order(tmp_path):
    # Names that sorting would reorder, the last one a single row.
    rows = ["Z9, 1, 10, 1, 10, 1", "Z9, 2, 20, 2, 20, 2", "A1, 1, 30, 3, 30, 3",
            "M5, 1, 40, 4, 40, 4", "M5, 3, 50, 5, 50, 5", "B2, 7, 60, 6, 60, 6"]
    path = write(tmp_path, "survey.csv", "station,t,r,v,rf,vf\n" + "\n".join(rows) + "\n")
    survey = tarnex.read_survey(path)
    assert list(survey) == ["Z9", "A1", "M5", "B2"]
    assert survey["M5"][:, 1].tolist() == [40, 50]
    assert survey["B2"].tolist() == [[7, 60, 6, 60, 6]]


def test_layered_model_reads_thickness_and_resistivity(tmp_path):
    path = write(tmp_path, "m.txt", "# model\n10 100\n20.5 5\n1000\n")
    thickness, resistivity = tarnex.read_layered_model(path)
    assert thickness.tolist() == [10, 20.5] and resistivity.tolist() == [100, 5, 1000]


def test_file_errors_are_os_errors(tmp_path):
    with pytest.raises(FileNotFoundError):
        tarnex.read_sounding(tmp_path / "missing.dat")
    with pytest.raises(IsADirectoryError):
        tarnex.read_survey(tmp_path)
    with pytest.raises(FileNotFoundError):
        tarnex.LayeredModelChart.from_file(str(tmp_path / "missing.txt"))
    chart = tarnex.LayeredModelChart([10], [100, 10])
    with pytest.raises(OSError, match="no folder"):
        chart.save(tmp_path / "no" / "m.png")


@pytest.mark.parametrize("text, message", [
    ("0.5 120 3.5 118\n", "s.dat"),                      # short row, named by file
    ("0.5 120 3.5 118 1\n0.5 120 3.5 118 x\n", "s.dat:2: \"x\" is not a number"),
    ("", "no"),
])
def test_bad_sounding_files_are_value_errors_naming_the_place(tmp_path, text, message):
    with pytest.raises(ValueError, match=message):
        tarnex.read_sounding(write(tmp_path, "s.dat", text))


def test_bad_arrays_are_value_errors_with_the_librarys_message():
    x = np.array([1.0, 2.0, 5.0])
    ok = [x, x, x, x, x]
    cases = [
        ((x, x[:2], x, x, x), "x has 3 values, r has 2"),
        ((x, x, x, x, np.array([1, np.nan, 2])), r"v_fwd\[1\] is nan"),
        ((x, x, x, x, np.array([1, 2, np.inf])), r"v_fwd\[2\] is inf"),
        ((np.array([1, 2, 1e39]), x, x, x, x), "single precision"),
        ((np.array([[1, 2, 3]]), x, x, x, x), "one-dimensional"),
        ((np.array([1j, 2, 3]), x, x, x, x), "real numbers"),
        ((["a", "b", "c"], x, x, x, x), "real numbers"),
        ((np.array([0, 2, 3.0]), x, x, x, x), "row 1: the abscissa must be positive"),
    ]
    for columns, message in cases:
        with pytest.raises(ValueError, match=message):
            tarnex.SoundingChart(*columns)
    with pytest.raises(ValueError, match="model must be 1"):
        tarnex.SoundingChart(*ok, model=3)
    with pytest.raises(ValueError, match="row 2: model 2"):
        tarnex.SoundingChart(x, x, np.array([1, -1, 1.0]), x, x, model=2, plain=True)


def test_bad_models_are_value_errors():
    with pytest.raises(ValueError, match="layer 2: half-space resistivity -5 must be greater than 0"):
        tarnex.LayeredModelChart([10], [100, -5])
    with pytest.raises(ValueError, match="layer 1: thickness 0"):
        tarnex.LayeredModelChart([0], [100, 5])
    with pytest.raises(ValueError, match="thickness has 2 values, a model of 2 layers takes 1"):
        tarnex.LayeredModelChart([10, 20], [100, 5])
    with pytest.raises(ValueError, match="exceeds 100000"):
        tarnex.LayeredModelChart([10], [100, 100001])
    tarnex.LayeredModelChart([10], [100, 100000])  # the limit itself is allowed
    with pytest.raises(ValueError, match="names has 1 entries for 2 profiles"):
        tarnex.ProfileChart([0, 1], [[1, 2], [3, 4]], names=["a"])
    with pytest.raises(ValueError, match=r"values\[1\] has 3"):
        tarnex.ProfileChart([0, 1], [[1, 2], [3, 4, 5]])
    square = [[0, 0], [10, 0], [10, -10], [0, -10]]
    with pytest.raises(ValueError, match=r"bodies\[0\]: .*crosses itself: edge 0-2 meets edge 1-3"):
        tarnex.SectionChart(square, [("a", 10, [0, 2, 1, 3])])
    with pytest.raises(ValueError, match=r"bodies\[1\]: vertex index 4 is outside 0..3"):
        tarnex.SectionChart(square, [("a", 10, [0, 1, 2, 3]), ("b", 10, [0, 1, 4])])
    with pytest.raises(ValueError, match=r"bodies\[0\]: .*must be greater than 0"):
        tarnex.SectionChart(square, [("a", 0, [0, 1, 2, 3])])
