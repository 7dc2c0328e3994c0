#include "PyArrays.h"

#include "PyErrors.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>
#include <limits>
#include <string>

namespace pytarnex {

namespace {

std::string shapeOf(const py::array& a)
{
    std::string s = "(";
    for (py::ssize_t i = 0; i < a.ndim(); ++i)
        s += (i ? ", " : "") + std::to_string(a.shape(i));
    return s + (a.ndim() == 1 ? ",)" : ")");
}

// The numbers of values as an array of T: the object itself when it already
// is a C-contiguous array of T, otherwise a converted copy.
template <typename T>
py::array_t<T, py::array::c_style | py::array::forcecast> numbersOf(py::handle values, const char* name)
{
    if (py::isinstance<py::array>(values)) {
        const char kind = py::reinterpret_borrow<py::array>(values).dtype().kind();
        // Only real numbers: a complex value would lose its imaginary part.
        if (kind != 'f' && kind != 'i' && kind != 'u' && kind != 'b')
            RaiseValueError(std::string(name) + " must hold real numbers, not values of numpy kind '" + kind + "'");
    }
    auto a = py::array_t<T, py::array::c_style | py::array::forcecast>::ensure(values);
    if (!a)
        RaiseValueError(std::string(name) + " must be a sequence or array of real numbers");
    if (a.ndim() != 1)
        RaiseValueError(std::string(name) + " must be one-dimensional, not of shape " + shapeOf(a));
    if (a.shape(0) > std::numeric_limits<int>::max())
        RaiseValueError(std::string(name) + " has more values than the library can index");
    return a;
}

[[noreturn]] void notFinite(const char* name, py::ssize_t i, double v)
{
    char number[64];
    std::snprintf(number, sizeof number, "%g", v);
    RaiseValueError(std::string(name) + "[" + std::to_string(i) + "] is " + number +
                    (std::isnan(v) || std::isinf(v) ? ", not a finite number"
                                                    : ", beyond the single precision the charts draw in"));
}

}  // namespace

CArray<float, float&> FloatColumn(py::handle values, const char* name)
{
    CArray<float, float&> out;
    const bool single = py::isinstance<py::array_t<float>>(values);
    if (single) {
        const auto a = numbersOf<float>(values, name);
        const float* p = a.data();
        out.SetSize(static_cast<int>(a.shape(0)));
        float* q = out.GetData();
        for (py::ssize_t i = 0; i < a.shape(0); ++i) {
            if (!std::isfinite(p[i]))
                notFinite(name, i, p[i]);
            q[i] = p[i];
        }
        return out;
    }
    const auto a = numbersOf<double>(values, name);
    const double* p = a.data();
    out.SetSize(static_cast<int>(a.shape(0)));
    float* q = out.GetData();
    for (py::ssize_t i = 0; i < a.shape(0); ++i) {
        // Checked before narrowing: a double beyond float's range would
        // become infinity.
        if (!std::isfinite(p[i]) || std::fabs(p[i]) > std::numeric_limits<float>::max())
            notFinite(name, i, p[i]);
        q[i] = static_cast<float>(p[i]);
    }
    return out;
}

DoubleColumn DoublesOf(py::handle values, const char* name, bool requireFinite)
{
    DoubleColumn c;
    c.keep = numbersOf<double>(values, name);
    c.values = std::span<const double>(c.keep.data(), static_cast<size_t>(c.keep.shape(0)));
    if (requireFinite)
        for (size_t i = 0; i < c.values.size(); ++i)
            if (!std::isfinite(c.values[i]))
                notFinite(name, static_cast<py::ssize_t>(i), c.values[i]);
    return c;
}

void CheckSameLength(std::initializer_list<std::pair<const char*, int>> columns)
{
    const auto& first = *columns.begin();
    for (const auto& c : columns)
        if (c.second != first.second)
            RaiseValueError(std::string(first.first) + " has " + std::to_string(first.second) + " values, " +
                            c.first + " has " + std::to_string(c.second));
}

py::array_t<float> ToArray(const CArray<float, float&>& values)
{
    py::array_t<float> a(values.GetSize());
    std::copy(values.GetData(), values.GetData() + values.GetSize(), a.mutable_data());
    return a;
}

py::array_t<double> ToArray(std::vector<double>&& values)
{
    // The array takes the vector's memory: no copy of the numbers.
    auto owner = std::make_unique<std::vector<double>>(std::move(values));
    const auto n = static_cast<py::ssize_t>(owner->size());
    const double* data = owner->data();
    py::capsule free(owner.get(), [](void* p) { delete static_cast<std::vector<double>*>(p); });
    owner.release();
    return py::array_t<double>(n, data, free);
}

std::vector<double> DoublesVector(py::handle values, const char* name)
{
    const DoubleColumn c = DoublesOf(values, name, false);
    return {c.values.begin(), c.values.end()};
}

}  // namespace pytarnex
