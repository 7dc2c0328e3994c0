// An argument that numpy can turn into an array (an ndarray, a list, a
// tuple): taken as it is, converted and checked by the function that reads
// it, and named as numpy's ArrayLike in the signatures help() shows.
#pragma once

#include <pybind11/pybind11.h>

namespace pytarnex {

struct ArrayLike {
    pybind11::object value;
    operator pybind11::handle() const { return value; }
};

}  // namespace pytarnex

namespace pybind11::detail {

template <>
struct type_caster<pytarnex::ArrayLike> {
    PYBIND11_TYPE_CASTER(pytarnex::ArrayLike, const_name("numpy.typing.ArrayLike"));
    bool load(handle src, bool)
    {
        value.value = reinterpret_borrow<object>(src);
        return true;
    }
};

}  // namespace pybind11::detail
