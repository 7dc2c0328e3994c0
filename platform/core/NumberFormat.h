// Numbers as data files write them: the shortest decimal form that reads back
// to exactly the same value, the same in every locale.
#pragma once

#include <string>

class NumberFormat {
public:
    // 0.4f gives "0.4", not "0.400000006"; 1e+20f gives "1e+20".
    static std::string Shortest(float v);
    static std::string Shortest(double v);
};
