// Figures for docs/method.md, from the core library itself so the page cannot drift
// from the program.
//   method_data --example            the worked example's table (Markdown)
//   method_data --sweeps DIR         one data file per sweep, for gnuplot
//   method_data --check PAGE         fails if PAGE's worked example is not today's
//   method_data --update PAGE        rewrites PAGE's worked example in place

#include "calc/dewpoint.h"
#include "calc/numtext.h"

#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

namespace {

const std::string begin = "<!-- worked-example:begin -->\n";
const std::string end = "<!-- worked-example:end -->\n";

DewPointInputs defaults() {
    return {1.4, 0.9, 0.7, 18.4, 6.79, 60.88, 3.49, 9.46, 0.7, 0.33, 23570.0};
}

std::string example() {
    const DewPointResults r = computeDewPoints(defaults());
    const DewPointSteps& s = r.steps;
    const struct {
        const char* symbol;
        double value;
        const char* meaning;
    } rows[] = {
        {"V0", s.V0, "theoretical air, m³/kg"},
        {"VN2", s.VN2, "nitrogen volume, m³/kg"},
        {"VCO2", s.VCO2, "carbon dioxide volume, m³/kg"},
        {"VSO2", s.VSO2, "sulfur dioxide volume, m³/kg"},
        {"VH2O0", s.VH2O0, "theoretical water-vapour volume, m³/kg"},
        {"x", s.x, "water-vapour share, % by volume"},
        {"ts", s.ts, "water-vapour dew point, °C"},
        {"S1", s.S1, "sulfur per MJ"},
        {"A1", s.A1, "ash term of formulas one and three"},
        {"S2", s.S2, "sulfur per 1000 kcal"},
        {"A2", s.A2, "ash term of formula two"},
        {"d1", s.d1, "increment of formula one, °C"},
        {"d2", s.d2, "increment of formula two, °C"},
        {"d3", s.d3, "increment of formula three, °C"},
        {"t1", r.t1, "acid dew point, formula one (公式一), °C"},
        {"t2", r.t2, "acid dew point, formula two (公式二), °C"},
        {"t3", r.t3, "acid dew point, formula three (公式三), °C"},
    };
    std::ostringstream out;
    out << "| quantity | value | meaning |\n|---|---|---|\n";
    for (const auto& row : rows)
        out << "| " << row.symbol << " | " << formatNumber(row.value, U'.') << " | " << row.meaning
            << " |\n";
    return out.str();
}

struct Sweep {
    const char* name;
    double DewPointInputs::*field;
    double from, to;
};

int sweeps(const std::string& dir) {
    const Sweep all[] = {{"sulfur", &DewPointInputs::Sar, 0.1, 5},
                         {"ash", &DewPointInputs::Aar, 2, 45},
                         {"moisture", &DewPointInputs::Mt, 2, 40},
                         {"excess_air", &DewPointInputs::alpha, 1.1, 2.0}};
    for (const Sweep& s : all) {
        std::ofstream f(dir + "/" + s.name + ".dat");
        f << "# " << s.name << " t1 t2 t3 ts\n";
        constexpr int steps = 200;
        for (int i = 0; i <= steps; ++i) {
            DewPointInputs in = defaults();
            in.*s.field = s.from + (s.to - s.from) * i / steps;
            const DewPointResults r = computeDewPoints(in);
            if (r.formed == 3)
                f << in.*s.field << ' ' << r.t1 << ' ' << r.t2 << ' ' << r.t3 << ' ' << r.steps.ts
                  << '\n';
        }
        if (!f)
            return 1;
    }
    return 0;
}

bool split(const std::string& page, std::size_t& from, std::size_t& to) {
    from = page.find(begin);
    to = page.find(end);
    if (from == std::string::npos || to == std::string::npos || to < from)
        return false;
    from += begin.size();
    return true;
}

int page(const std::string& path, bool update) {
    std::ifstream in(path);
    std::stringstream buf;
    buf << in.rdbuf();
    std::string text = buf.str();
    std::size_t from = 0, to = 0;
    if (!in || !split(text, from, to)) {
        std::cerr << path << ": no worked-example markers\n";
        return 1;
    }
    const std::string today = example();
    if (!update) {
        if (text.compare(from, to - from, today) == 0)
            return 0;
        std::cerr << path << ": the worked example differs from what the core computes:\n" << today;
        return 1;
    }
    text.replace(from, to - from, today);
    std::ofstream(path) << text;
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "--example") {
        std::cout << example();
        return 0;
    }
    if (argc > 2 && mode == "--sweeps")
        return sweeps(argv[2]);
    if (argc > 2 && (mode == "--check" || mode == "--update"))
        return page(argv[2], mode == "--update");
    std::cerr << "usage: method_data --example | --sweeps DIR | --check PAGE | --update PAGE\n";
    return 2;
}
