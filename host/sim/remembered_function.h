// A function of one number that keeps its last argument and result: the flight and the
// aircraft ask the atmosphere the same question several times a frame, and the answer
// takes a pow.
#pragma once

#include <limits>

class RememberedFunction {
public:
    explicit RememberedFunction(double (*function)(double)) : function_(function) {}

    double operator()(double x) const {
        if (!(x == x_)) {  // written so that a first call, or a NaN, always works it out
            y_ = function_(x);
            x_ = x;
        }
        return y_;
    }

private:
    double (*function_)(double);
    mutable double x_ = std::numeric_limits<double>::quiet_NaN();
    mutable double y_ = 0.0;
};
