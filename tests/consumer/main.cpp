// A host that lays out a small sounding chart through the installed headers,
// and models the late-time response of a half-space.
#include <tarnex/tarnex.h>

#include <cmath>
#include <cstdio>
#include <vector>

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
    const em1d::TemForward tem(em1d::TemSystem{});
    const double rho = tem.compute(em1d::LayeredEarth::halfSpace(100), std::vector<double>{10}).rhoApparent[0];
    if (std::fabs(rho / 100 - 1) > 0.01)
        return 2;
    std::printf("points %d\n", chart.m_RPoints.GetSize());
    return chart.m_RPoints.GetSize() == 3 ? 0 : 1;
}
