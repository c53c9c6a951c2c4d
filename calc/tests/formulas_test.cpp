#include "calc/dewpoint.h"
#include "calc/tests/reference.h"

#include <gtest/gtest.h>

#include <bit>
#include <cfenv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>

namespace {

using reference::defaults;
using reference::plain;
using reference::Plain;

std::uint64_t bits(double v) {
    return std::bit_cast<std::uint64_t>(v);
}

#define EXPECT_SAME_DOUBLE(a, b) EXPECT_EQ(bits(a), bits(b)) << (a) << " vs " << (b)

void expectMatchesPlain(const DewPointInputs& in, const DewPointResults& r) {
    const Plain p = plain(in);
    const DewPointSteps& s = r.steps;
    EXPECT_SAME_DOUBLE(s.V0, p.V0);
    EXPECT_SAME_DOUBLE(s.VN2, p.VN2);
    EXPECT_SAME_DOUBLE(s.VCO2, p.VCO2);
    EXPECT_SAME_DOUBLE(s.VSO2, p.VSO2);
    EXPECT_SAME_DOUBLE(s.VH2O0, p.VH2O0);
    EXPECT_SAME_DOUBLE(s.x, p.x);
    EXPECT_SAME_DOUBLE(s.ts, p.ts);
    EXPECT_SAME_DOUBLE(s.d1, p.d1);
    EXPECT_SAME_DOUBLE(s.d2, p.d2);
    EXPECT_SAME_DOUBLE(s.d3, p.d3);
    EXPECT_SAME_DOUBLE(r.t1, p.t1);
    EXPECT_SAME_DOUBLE(r.t2, p.t2);
    EXPECT_SAME_DOUBLE(r.t3, p.t3);
}

TEST(Formulas, DefaultEntriesGiveTheKnownFigures) {
    const DewPointResults r = computeDewPoints(defaults());
    ASSERT_FALSE(r.failure);
    EXPECT_EQ(r.formed, 3);
    EXPECT_SAME_DOUBLE(r.steps.x, 8.282494724486527);
    EXPECT_SAME_DOUBLE(r.steps.ts, 41.449460785595555);
    EXPECT_SAME_DOUBLE(r.t1, 87.28481783477017);
    EXPECT_SAME_DOUBLE(r.t2, 86.55616282714003);
    EXPECT_SAME_DOUBLE(r.t3, 87.47689663904744);
    expectMatchesPlain(defaults(), r);
}

// Realistic coals and far-off analyses alike must agree with the plain evaluation
// bit for bit, whatever the order of growth of the terms.
TEST(Formulas, RandomInputsMatchThePlainFormulasExactly) {
    std::mt19937_64 rng(20261211);
    std::uniform_real_distribution<double> pct(0.0, 80.0), small(0.01, 10.0), coef(0.5, 3.0),
        heat(5000.0, 40000.0), wide(-1e6, 1e6), mag(-30.0, 30.0);
    int formed = 0;
    for (int n = 0; n < 20000; ++n) {
        DewPointInputs in;
        if (n % 2 == 0) {
            in = {coef(rng),  coef(rng) / 3, coef(rng) / 3, pct(rng),   pct(rng), pct(rng),
                  small(rng), small(rng),    small(rng),    small(rng), heat(rng)};
        } else {
            const auto any = [&] {
                return wide(rng) * std::pow(10.0, mag(rng));
            };
            in = {any(), any(), any(), any(),           any(), any(),
                  any(), any(), any(), std::abs(any()), any()};
        }
        const DewPointResults r = computeDewPoints(in);
        if (r.formed < 3)
            continue; // the plain evaluation has no defined figures to compare here
        ++formed;
        expectMatchesPlain(in, r);
        if (HasFailure())
            FAIL() << "first mismatch at case " << n;
    }
    EXPECT_GT(formed, 10000);
}

TEST(Formulas, NoSulfurLeavesOnlyTheWaterDewPoint) {
    DewPointInputs in = defaults();
    in.Sar = 0;
    const DewPointResults r = computeDewPoints(in);
    ASSERT_EQ(r.formed, 3);
    EXPECT_EQ(r.steps.d1, 0.0);
    EXPECT_EQ(r.steps.d2, 0.0);
    EXPECT_EQ(r.steps.d3, 0.0);
    EXPECT_EQ(r.t1, r.steps.ts);
    EXPECT_EQ(r.t2, r.steps.ts);
    EXPECT_EQ(r.t3, r.steps.ts);
}

TEST(Formulas, NoExcessAirDropsBothExcessTerms) {
    DewPointInputs in = defaults();
    in.alpha = 1;
    const DewPointResults r = computeDewPoints(in);
    ASSERT_EQ(r.formed, 3);
    const DewPointSteps& s = r.steps;
    EXPECT_SAME_DOUBLE(s.x, s.VH2O0 * 100 / (s.VCO2 + s.VN2 + s.VSO2 + s.VH2O0));
}

TEST(Formulas, KsEntersOnlyTheTheoreticalAir) {
    DewPointInputs in = defaults();
    in.Ks = 0;
    const DewPointResults r = computeDewPoints(in);
    ASSERT_EQ(r.formed, 3);
    EXPECT_SAME_DOUBLE(r.steps.V0, in.Car * 0.0889 + in.Har * 0.265 - in.Oar * 0.0333);

    in.Sar *= 2; // sulfur still moves the SO2 volume and every formula
    const DewPointResults more = computeDewPoints(in);
    EXPECT_SAME_DOUBLE(more.steps.V0, r.steps.V0);
    EXPECT_GT(more.steps.VSO2, r.steps.VSO2);
    EXPECT_GT(more.t1, r.t1);
    EXPECT_GT(more.t2, r.t2);
    EXPECT_GT(more.t3, r.t3);
}

TEST(Formulas, KaChangesNothing) {
    const DewPointResults base = computeDewPoints(defaults());
    for (double ka : {0.0, -5.0, 1e300}) {
        DewPointInputs in = defaults();
        in.Ka = ka;
        const DewPointResults r = computeDewPoints(in);
        EXPECT_SAME_DOUBLE(r.t1, base.t1);
        EXPECT_SAME_DOUBLE(r.t2, base.t2);
        EXPECT_SAME_DOUBLE(r.t3, base.t3);
    }
}

TEST(Formulas, NegativeAndOverfullAnalysesAreComputed) {
    DewPointInputs in = defaults();
    in.Mt = -10;
    in.Car = 95; // percentages now add up to well over 100
    const DewPointResults r = computeDewPoints(in);
    EXPECT_EQ(r.formed, 3);
    EXPECT_FALSE(r.failure);
    expectMatchesPlain(in, r);
}

struct FailureCase {
    const char* name;
    void (*change)(DewPointInputs&);
    FailureKind kind;
};

class FormulaFailure : public testing::TestWithParam<FailureCase> {};

TEST_P(FormulaFailure, StopsWithTheKindRaisedAndNothingFormed) {
    DewPointInputs in = defaults();
    GetParam().change(in);
    const DewPointResults r = computeDewPoints(in);
    ASSERT_TRUE(r.failure);
    EXPECT_EQ(r.failure->kind, GetParam().kind);
    EXPECT_EQ(r.formed, 0);
}

constexpr double inf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Inputs, FormulaFailure,
    testing::Values(
        FailureCase{"NoHeat", [](DewPointInputs& i) { i.Qnet = 0; }, FailureKind::DivisionByZero},
        FailureCase{"NoHeatNoSulfur", [](DewPointInputs& i) { i.Qnet = 0, i.Sar = 0; },
                    FailureKind::InvalidOperation},
        FailureCase{"NoAsh", [](DewPointInputs& i) { i.Aar = 0; }, FailureKind::DivisionByZero},
        FailureCase{"NoAshNoSulfur", [](DewPointInputs& i) { i.Aar = 0, i.Sar = 0; },
                    FailureKind::InvalidOperation},
        FailureCase{"NegativeSulfur", [](DewPointInputs& i) { i.Sar = -0.33; },
                    FailureKind::InvalidOperation},
        FailureCase{"EmptyFlueGas",
                    [](DewPointInputs& i) { i.Mt = i.Car = i.Har = i.Oar = i.Nar = i.Sar = 0; },
                    FailureKind::InvalidOperation},
        FailureCase{"HugeCarbon", [](DewPointInputs& i) { i.Car = 1e308; }, FailureKind::Overflow},
        FailureCase{"HugeMoisture", [](DewPointInputs& i) { i.Mt = 1.7e308; },
                    FailureKind::Overflow},
        FailureCase{"HugeAshPower", [](DewPointInputs& i) { i.Aar = 1e6; }, FailureKind::Overflow},
        // 1.25^A1 underflows to 0, which is no failure, but then divides.
        FailureCase{"HugeNegativeAsh", [](DewPointInputs& i) { i.Aar = -1e6; },
                    FailureKind::DivisionByZero},
        FailureCase{"InfiniteEntry", [](DewPointInputs& i) { i.Nar = inf; },
                    FailureKind::InvalidOperation},
        FailureCase{"NanEntry", [](DewPointInputs& i) { i.Ka = std::nan(""); },
                    FailureKind::InvalidOperation}),
    [](const testing::TestParamInfo<FailureCase>& p) { return p.param.name; });

TEST(Formulas, NoAshStillFormsFormulasOneAndThree) {
    DewPointInputs in = defaults();
    in.Aar = 0;
    const DewPointResults r = computeDewPoints(in);
    ASSERT_TRUE(r.failure);
    const Plain p = plain(in);
    EXPECT_SAME_DOUBLE(r.steps.d1, p.d1); // 1.25^0 = 1: finite
    EXPECT_SAME_DOUBLE(r.steps.d3, p.d3);
    EXPECT_EQ(r.steps.d2, 0.0); // never formed
}

TEST(Formulas, FailingSumKeepsTheEarlierResults) {
    constexpr double big = std::numeric_limits<double>::max();
    std::feclearexcept(FE_ALL_EXCEPT);
    DewPointResults r;
    formSums(big, 0, big, 1, r);
    EXPECT_EQ(r.formed, 1);
    EXPECT_EQ(r.t1, big);
    ASSERT_TRUE(r.failure);
    EXPECT_EQ(r.failure->kind, FailureKind::Overflow);

    std::feclearexcept(FE_ALL_EXCEPT);
    DewPointResults last;
    formSums(-big, 0, 0, -big, last);
    EXPECT_EQ(last.formed, 2);
    EXPECT_EQ(last.t2, -big);
    ASSERT_TRUE(last.failure);
    EXPECT_EQ(last.failure->kind, FailureKind::Overflow);
}

// The caller's rounding mode and flags must neither change the figures nor be changed.
TEST(Formulas, CallersFloatingPointEnvironmentIsKept) {
    std::feclearexcept(FE_ALL_EXCEPT);
    ASSERT_EQ(std::fesetround(FE_UPWARD), 0);
    std::feraiseexcept(FE_DIVBYZERO | FE_INEXACT);

    const DewPointResults r = computeDewPoints(defaults());
    DewPointInputs bad = defaults();
    bad.Sar = -1;
    const DewPointResults failed = computeDewPoints(bad);

    const int round = std::fegetround();
    const int flags = std::fetestexcept(FE_ALL_EXCEPT);
    std::fesetround(FE_TONEAREST);
    std::feclearexcept(FE_ALL_EXCEPT);

    EXPECT_EQ(round, FE_UPWARD);
    EXPECT_EQ(flags, FE_DIVBYZERO | FE_INEXACT);
    EXPECT_EQ(r.formed, 3);
    EXPECT_FALSE(r.failure);
    EXPECT_SAME_DOUBLE(r.t1, 87.28481783477017);
    ASSERT_TRUE(failed.failure);
    EXPECT_EQ(failed.failure->kind, FailureKind::InvalidOperation);
}

} // namespace
