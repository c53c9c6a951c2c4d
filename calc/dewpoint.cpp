#include "calc/dewpoint.h"

#include <cfenv>
#include <cmath>

namespace {

constexpr int faultFlags = FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW;

// Records the fault raised since the flags were last cleared, if any. When a step
// raised several, invalid operation names it before division by zero before overflow.
bool faulted(DewPointResults& r) {
    const int raised = std::fetestexcept(faultFlags);
    if (raised == 0)
        return false;
    CalcFailure f;
    f.kind = (raised & FE_INVALID)     ? FailureKind::InvalidOperation
             : (raised & FE_DIVBYZERO) ? FailureKind::DivisionByZero
                                       : FailureKind::Overflow;
    r.failure = f;
    return true;
}

// GCC does not honour FENV_ACCESS: at -O2 it may move arithmetic across
// fetestexcept. So every quantity lives in a volatile: each step's value is stored
// before the test that follows it, and the next step loads its operands after that
// test. The grouping of each expression is the one the formulas are written in.
void compute(const DewPointInputs& in, DewPointResults& r) {
    volatile const double alpha = in.alpha, Ks = in.Ks, Mt = in.Mt, Aar = in.Aar, Car = in.Car,
                          Har = in.Har, Oar = in.Oar, Nar = in.Nar, Sar = in.Sar, Qnet = in.Qnet;
    DewPointSteps& s = r.steps;

    volatile const double V0 = (Sar * 0.375 * Ks + Car) * 0.0889 + Har * 0.265 - Oar * 0.0333;
    if (faulted(r))
        return;
    s.V0 = V0;
    volatile const double VN2 = Nar * 0.008 + V0 * 0.79;
    if (faulted(r))
        return;
    s.VN2 = VN2;
    volatile const double VCO2 = Car * 1.866 / 100;
    if (faulted(r))
        return;
    s.VCO2 = VCO2;
    volatile const double VSO2 = Sar * 0.7 / 100;
    if (faulted(r))
        return;
    s.VSO2 = VSO2;
    volatile const double VH2O0 = Har * 0.111 + Mt * 0.0124 + V0 * 0.0161;
    if (faulted(r))
        return;
    s.VH2O0 = VH2O0;
    volatile const double x = ((alpha - 1) * 0.0161 * V0 + VH2O0) * 100 /
                              (VCO2 + VN2 + VSO2 + VH2O0 + (alpha - 1) * 1.0161 * V0);
    if (faulted(r))
        return;
    s.x = x;
    volatile const double ts = x * 8.4064 - 1.2102 - x * 0.4794 * x + x * 0.01042 * x * x;
    if (faulted(r))
        return;
    s.ts = ts;

    const double third = 1.0 / 3;
    volatile const double S1 = Sar * 1000 / Qnet;
    if (faulted(r))
        return;
    s.S1 = S1;
    volatile const double A1 = Aar * 900 / Qnet;
    if (faulted(r))
        return;
    s.A1 = A1;
    volatile const double d1 = std::pow(S1, third) * 201.5 / std::pow(1.25, A1);
    if (faulted(r))
        return;
    s.d1 = d1;
    volatile const double d3 = std::pow(S1, third) * 201.5 / std::pow(1.23, A1);
    if (faulted(r))
        return;
    s.d3 = d3;
    volatile const double S2 = Sar * 4187 / Qnet;
    if (faulted(r))
        return;
    s.S2 = S2;
    volatile const double A2 = Aar * 3736.8975 / Qnet;
    if (faulted(r))
        return;
    s.A2 = A2;
    volatile const double d2 = std::pow(S2, third) * 125 / A2;
    if (faulted(r))
        return;
    s.d2 = d2;

    formSums(ts, d1, d2, d3, r);
}

bool allFinite(const DewPointInputs& in) {
    for (const EntryField& e : readingTable)
        if (!std::isfinite(in.*e.field))
            return false;
    return true;
}

} // namespace

void formSums(double ts, double d1, double d2, double d3, DewPointResults& r) {
    // Volatile for the same reason as in compute(): no sum may start before the
    // previous one has been tested.
    volatile const double tsv = ts;
    volatile const double d[3] = {d1, d2, d3};
    double* const t[3] = {&r.t1, &r.t2, &r.t3};
    for (int k = 0; k < 3; ++k) {
        volatile const double sum = tsv + d[k];
        if (faulted(r))
            return;
        *t[k] = sum;
        r.formed = k + 1;
    }
}

DewPointResults computeDewPoints(const DewPointInputs& in) {
    DewPointResults r;
    // An infinity or NaN would pass through the formulas without raising a flag and
    // come out looking like a result.
    if (!allFinite(in)) {
        r.failure = CalcFailure{FailureKind::InvalidOperation, {}, {}};
        return r;
    }
    std::fenv_t caller;
    std::fegetenv(&caller);
    std::fesetenv(FE_DFL_ENV);
    compute(in, r);
    std::fesetenv(&caller);
    return r;
}
