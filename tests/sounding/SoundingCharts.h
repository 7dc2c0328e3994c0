// Sounding charts and sample arrays that the chart tests share.
#pragma once

#include "sounding/CDrawRPCurve.h"

#include <initializer_list>

inline CArray<float, float&> Floats(std::initializer_list<float> values)
{
    CArray<float, float&> a;
    for (float f : values)
        a.Add(f);
    return a;
}

inline void Load(CDrawRPCurve& c, std::initializer_list<float> x, std::initializer_list<float> r,
                 std::initializer_list<float> v, std::initializer_list<float> rFwd, std::initializer_list<float> vFwd)
{
    auto ax = Floats(x), ar = Floats(r), av = Floats(v), arf = Floats(rFwd), avf = Floats(vFwd);
    c.GetData(ax, ar, av, arf, avf);
}

// Abscissa 1 .. 1000 and values 10 .. 500; sample 1 is (10, 250) on measured R.
inline void LoadReference(CDrawRPCurve& c, int model = 1)
{
    Load(c, {1, 10, 100, 1000}, {100, 250, 300, 500}, {10, 50, 80, 120}, {110, 240, 310, 480}, {12, 45, 85, 110});
    if (model != 1) {
        c.m_nDisModel = model;
        c.SetDisModel();
    }
}
