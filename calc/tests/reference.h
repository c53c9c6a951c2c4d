#pragma once

// The default entries and the formulas written out plainly, with no flag handling:
// the reference the core is tested against and the baseline it is benchmarked against.

#include "calc/dewpoint.h"

#include <cmath>

namespace reference {

inline DewPointInputs defaults() {
    DewPointInputs in;
    in.alpha = 1.4;
    in.Ks = 0.9;
    in.Ka = 0.7;
    in.Mt = 18.4;
    in.Aar = 6.79;
    in.Car = 60.88;
    in.Har = 3.49;
    in.Oar = 9.46;
    in.Nar = 0.7;
    in.Sar = 0.33;
    in.Qnet = 23570.0;
    return in;
}

// The formulas written out plainly, as an engineer would type them, with no flag
// handling: the core must agree with this to the bit.
struct Plain {
    double V0, VN2, VCO2, VSO2, VH2O0, x, ts, S1, A1, d1, d3, S2, A2, d2, t1, t2, t3;
};

inline Plain plain(const DewPointInputs& i) {
    Plain p;
    p.V0 = (i.Sar * 0.375 * i.Ks + i.Car) * 0.0889 + i.Har * 0.265 - i.Oar * 0.0333;
    p.VN2 = i.Nar * 0.008 + p.V0 * 0.79;
    p.VCO2 = i.Car * 1.866 / 100;
    p.VSO2 = i.Sar * 0.7 / 100;
    p.VH2O0 = i.Har * 0.111 + i.Mt * 0.0124 + p.V0 * 0.0161;
    p.x = ((i.alpha - 1) * 0.0161 * p.V0 + p.VH2O0) * 100 /
          (p.VCO2 + p.VN2 + p.VSO2 + p.VH2O0 + (i.alpha - 1) * 1.0161 * p.V0);
    p.ts = ((p.x * 8.4064 - 1.2102) - (p.x * 0.4794) * p.x) + ((p.x * 0.01042) * p.x) * p.x;
    const double third = 1.0 / 3;
    p.S1 = i.Sar * 1000 / i.Qnet;
    p.A1 = i.Aar * 900 / i.Qnet;
    p.d1 = std::pow(p.S1, third) * 201.5 / std::pow(1.25, p.A1);
    p.d3 = std::pow(p.S1, third) * 201.5 / std::pow(1.23, p.A1);
    p.S2 = i.Sar * 4187 / i.Qnet;
    p.A2 = i.Aar * 3736.8975 / i.Qnet;
    p.d2 = std::pow(p.S2, third) * 125 / p.A2;
    p.t1 = p.ts + p.d1;
    p.t2 = p.ts + p.d2;
    p.t3 = p.ts + p.d3;
    return p;
}

} // namespace reference
