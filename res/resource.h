// Ids of the library's dialog templates and of their controls.
#pragma once

// Axis parameters.
constexpr unsigned IDD_AXIS_PARAM = 2003;
constexpr int IDC_AXIS_MIN = 1000;
constexpr int IDC_AXIS_MAX = 1001;
constexpr int IDC_AXIS_LENGTH = 1002;
constexpr int IDC_AXIS_SCALE = 1003;
constexpr int IDC_AXIS_KIND_X = 1004;
constexpr int IDC_AXIS_KIND_Y = 1006;
constexpr int IDC_AXIS_KIND_Z = 2008;
constexpr int IDC_AXIS_TITLE_ON = 1005;
constexpr int IDC_AXIS_TITLE = 2007;
constexpr int IDC_AXIS_TITLE_FONT = 1007;
constexpr int IDC_AXIS_LINE_WIDTH = 2015;
constexpr int IDC_AXIS_TICK_DIR = 1009;
constexpr int IDC_AXIS_TICK_LENGTH = 1010;
constexpr int IDC_AXIS_TICK_START = 1020;
constexpr int IDC_AXIS_TICK_STEP = 1021;
constexpr int IDC_AXIS_LABELS_ON = 1011;
constexpr int IDC_AXIS_DECIMALS = 1015;
constexpr int IDC_AXIS_LABEL_ANGLE = 2014;
constexpr int IDC_AXIS_TICK_LINE_WIDTH = 2016;
constexpr int IDC_AXIS_LABEL_FONT = 1012;
constexpr int IDC_AXIS_LINE_STYLE = 1013;
constexpr int IDC_AXIS_TICK_LINE_STYLE = 1014;

// Grid axis parameters: x column, then y column.
constexpr unsigned IDD_GRID_AXIS_PARAM = 2007;
constexpr int IDC_GX_MIN = 2020;
constexpr int IDC_GX_MAX = 2021;
constexpr int IDC_GX_LENGTH = 2022;
constexpr int IDC_GX_SCALE = 2023;
constexpr int IDC_GX_TITLE_ON = 2033;
constexpr int IDC_GX_TITLE = 2034;
constexpr int IDC_GX_LINE_WIDTH = 2024;
constexpr int IDC_GX_TITLE_FONT = 2025;
constexpr int IDC_GX_LABELS_ON = 2026;
constexpr int IDC_GX_LABEL_FONT = 2032;
constexpr int IDC_GX_TICK_LENGTH = 2027;
constexpr int IDC_GX_TICK_START = 2028;
constexpr int IDC_GX_TICK_STEP = 2029;
constexpr int IDC_GX_DECIMALS = 2030;
constexpr int IDC_GX_GRID_WIDTH = 2031;
constexpr int IDC_GY_MIN = 1004;
constexpr int IDC_GY_MAX = 1006;
constexpr int IDC_GY_LENGTH = 1008;
constexpr int IDC_GY_SCALE = 1009;
constexpr int IDC_GY_TITLE_ON = 1013;
constexpr int IDC_GY_TITLE = 2008;
constexpr int IDC_GY_LINE_WIDTH = 2017;
constexpr int IDC_GY_TITLE_FONT = 1014;
constexpr int IDC_GY_LABELS_ON = 1017;
constexpr int IDC_GY_LABEL_FONT = 1019;
constexpr int IDC_GY_TICK_LENGTH = 1016;
constexpr int IDC_GY_TICK_START = 1022;
constexpr int IDC_GY_TICK_STEP = 1023;
constexpr int IDC_GY_DECIMALS = 1018;
constexpr int IDC_GY_GRID_WIDTH = 2018;

// Profile line style.
constexpr unsigned IDD_PROF_LINE = 2006;
constexpr int IDC_PROF_WIDTH = 2016;
constexpr int IDC_PROF_STYLE = 2017;
constexpr int IDC_PROF_COLOR = 2018;
constexpr int IDC_PROF_LIST = 2019;

// Test dialog.
constexpr unsigned IDD_TEST_DIALOG = 2005;
constexpr int IDC_TEST_TEXT = 2006;
constexpr int IDC_TEST_RADIO1 = 2009;
constexpr int IDC_TEST_RADIO2 = 2010;
constexpr int IDC_TEST_RADIO3 = 2011;
