// The cost of the numeric core and of a whole Calculate, with the baselines the
// ratios are taken against, all measured in this one run.

#include "calc/dewpoint.h"
#include "calc/numtext.h"
#include "calc/tests/reference.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <random>
#include <string>
#include <vector>

namespace {

using reference::defaults;

std::vector<DewPointInputs> spread() {
    std::mt19937_64 rng(1);
    std::uniform_real_distribution<double> u(0.5, 1.5);
    std::vector<DewPointInputs> v;
    for (int i = 0; i < 64; ++i) {
        DewPointInputs in = defaults();
        for (const EntryField& e : readingTable)
            in.*e.field *= u(rng);
        v.push_back(in);
    }
    return v;
}

// The same formulas with no flag tests and no environment save and restore.
double plainFormulas(const DewPointInputs& i) {
    const reference::Plain p = reference::plain(i);
    return p.t1 + p.t2 + p.t3;
}

void BM_Core_Defaults(benchmark::State& state) {
    DewPointInputs in = defaults();
    for (auto _ : state) {
        benchmark::DoNotOptimize(in);
        benchmark::DoNotOptimize(computeDewPoints(in));
    }
}
void BM_Baseline_Defaults(benchmark::State& state) {
    DewPointInputs in = defaults();
    for (auto _ : state) {
        benchmark::DoNotOptimize(in);
        benchmark::DoNotOptimize(plainFormulas(in));
    }
}
void BM_Core_Spread(benchmark::State& state) {
    const std::vector<DewPointInputs> inputs = spread();
    std::size_t k = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(computeDewPoints(inputs[k++ % inputs.size()]));
}
void BM_Baseline_Spread(benchmark::State& state) {
    const std::vector<DewPointInputs> inputs = spread();
    std::size_t k = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(plainFormulas(inputs[k++ % inputs.size()]));
}

void BM_ParseNumber(benchmark::State& state) {
    const std::string text = "23570.0";
    for (auto _ : state)
        benchmark::DoNotOptimize(parseNumber(text, U'.'));
}
void BM_FormatNumber(benchmark::State& state) {
    double v = 87.28481783477017;
    for (auto _ : state) {
        benchmark::DoNotOptimize(v);
        benchmark::DoNotOptimize(formatNumber(v, U'.'));
    }
}
// A 1 MiB paste that is not a number: how soon the conversion gives up.
void BM_ParseMiBPaste(benchmark::State& state) {
    const std::string text = std::string(1 << 20, '7') + "x";
    for (auto _ : state)
        benchmark::DoNotOptimize(parseNumber(text, U'.'));
}
void BM_ParseMiBNumber(benchmark::State& state) {
    const std::string text = std::string(1 << 20, '7');
    for (auto _ : state)
        benchmark::DoNotOptimize(parseNumber(text, U'.'));
}

struct MemoryWindow : CalcWindow {
    std::map<std::string, std::string, std::less<>> fields{
        {"Text1", "18.4"}, {"Text2", "6.79"}, {"Text3", "60.88"}, {"Text4", "3.49"},
        {"Text5", "9.46"}, {"Text6", "0.7"},  {"Text7", "0.33"},  {"Text8", "23570.0"},
        {"Text9", "1.4"},  {"Text10", "0.9"}, {"Text11", "0.7"},  {"Text12", ""},
        {"Text13", ""},    {"Text14", ""}};
    std::string entryText(std::string_view c) const override { return fields.find(c)->second; }
    std::string entryCaption(std::string_view c) const override { return std::string(c); }
    void setResultText(std::string_view c, std::string_view t) override {
        fields.find(c)->second = t;
    }
    void showError(std::string_view) override {}
    void focusEntry(std::string_view) override {}
};

void BM_RunCalculate(benchmark::State& state) {
    MemoryWindow w;
    for (auto _ : state)
        runCalculate(w, U'.');
}

BENCHMARK(BM_Core_Defaults);
BENCHMARK(BM_Baseline_Defaults);
BENCHMARK(BM_Core_Spread);
BENCHMARK(BM_Baseline_Spread);
BENCHMARK(BM_ParseNumber);
BENCHMARK(BM_FormatNumber);
BENCHMARK(BM_ParseMiBPaste)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ParseMiBNumber)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RunCalculate)->Unit(benchmark::kMicrosecond);

// Keeps each run's time per iteration so the ratios can be printed at the end.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> ns;
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& r : runs)
            ns[r.benchmark_name()] =
                r.GetAdjustedRealTime() * (r.time_unit == benchmark::kMillisecond   ? 1e6
                                           : r.time_unit == benchmark::kMicrosecond ? 1e3
                                                                                    : 1.0);
        ConsoleReporter::ReportRuns(runs);
    }
};

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const auto ratio = [&](const char* a, const char* b) {
        if (reporter.ns.count(a) && reporter.ns.count(b))
            std::printf("ratio %-18s / %-22s = %.2f\n", a, b, reporter.ns[a] / reporter.ns[b]);
    };
    ratio("BM_Core_Defaults", "BM_Baseline_Defaults");
    ratio("BM_Core_Spread", "BM_Baseline_Spread");
    benchmark::Shutdown();
    return 0;
}
