// Sounding charts and sample arrays that the chart tests share.
#pragma once

#include "sounding/CDrawRPCurve.h"
#include "sounding/SoundingFile.h"

#include <initializer_list>

using Floats = std::initializer_list<float>;

inline CArray<float, float&> Array(Floats values)
{
    CArray<float, float&> a;
    for (float f : values)
        a.Add(f);
    return a;
}

// A sounding whose modelled curves are its measured ones.
inline SoundingTable Table(Floats x, Floats r, Floats v, const char* header = "")
{
    SoundingTable t;
    t.x = Array(x);
    t.r = Array(r);
    t.v = Array(v);
    t.rFwd = Array(r);
    t.vFwd = Array(v);
    t.header = header;
    return t;
}

inline void Load(CDrawRPCurve& c, Floats x, Floats r, Floats v, Floats rFwd, Floats vFwd)
{
    auto ax = Array(x), ar = Array(r), av = Array(v), arf = Array(rFwd), avf = Array(vFwd);
    c.GetData(ax, ar, av, arf, avf);
}

// Abscissa 1 .. 1000 and values 10 .. 500; sample 1 is (10, 250) on measured R.
inline void LoadReference(CDrawRPCurve& c, int model = 1)
{
    Load(c, {1, 10, 100, 1000}, {100, 250, 300, 500}, {10, 50, 80, 120}, {110, 240, 310, 480}, {12, 45, 85, 110});
    c.m_nDisModel = model;
    c.SetDisModel();
}
