// The reflection kernel against the two-layer formula written with the
// standard library's complex functions, over arguments that turn the phase of
// e^{−2uh} through every quadrant and its size from 1 to underflow.
#include "em1d/TeReflection.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <numbers>
#include <vector>

using namespace em1d;

TEST(TeReflection, AgreesWithTheTwoLayerFormulaOverEveryPhase)
{
    using C = std::complex<double>;
    const double mu0 = 4e-7 * std::numbers::pi;
    const double rho1 = 2, rho2 = 500;
    for (double h : {0.5, 7.0, 90.0, 3000.0}) {
        const TeReflection kernel(LayeredEarth({h}, {rho1, rho2}));
        std::vector<double> lambda, omega;
        for (double l = 1e-5; l < 10; l *= 1.7)
            for (double w = 1e-2; w < 1e8; w *= 2.3) {
                lambda.push_back(l);
                omega.push_back(w);
            }
        std::vector<double> re(lambda.size()), im(lambda.size());
        kernel.evaluate(lambda, omega, re, im);
        for (std::size_t p = 0; p < lambda.size(); ++p) {
            const double l = lambda[p];
            const C u1 = std::sqrt(C(l * l, omega[p] * mu0 / rho1));
            const C u2 = std::sqrt(C(l * l, omega[p] * mu0 / rho2));
            const C t = std::tanh(u1 * h);
            const C y = u1 * (u2 + u1 * t) / (u1 + u2 * t);
            const C r = (l - y) / (l + y);
            // Where r is tiny (low frequency) both lose digits to λ − Y.
            const double tolerance = 1e-11 * std::abs(r) + 1e-15;
            ASSERT_NEAR(re[p], r.real(), tolerance) << "h " << h << " lambda " << l << " omega " << omega[p];
            ASSERT_NEAR(im[p], r.imag(), tolerance) << "h " << h << " lambda " << l << " omega " << omega[p];
        }
    }
}
