// A host that lays out a small sounding chart through the installed headers.
#include <tarnex/tarnex.h>

#include <cstdio>

int main()
{
    CArray<float, float&> x, r, v, rf, vf;
    const float xs[] = {1.0f, 10.0f, 100.0f};
    for (float f : xs) {
        float one = 10.0f;
        x.Add(f);
        r.Add(one);
        v.Add(one);
        rf.Add(one);
        vf.Add(one);
    }
    CDrawRPCurve chart;
    chart.GetData(x, r, v, rf, vf);
    std::printf("points %d\n", chart.m_RPoints.GetSize());
    return chart.m_RPoints.GetSize() == 3 ? 0 : 1;
}
