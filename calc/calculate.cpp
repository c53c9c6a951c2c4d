#include "calc/dewpoint.h"
#include "calc/numtext.h"

namespace {

std::string_view kindName(FailureKind kind) {
    switch (kind) {
    case FailureKind::Conversion:
        return "数字转换";
    case FailureKind::InvalidOperation:
        return "无效运算";
    case FailureKind::DivisionByZero:
        return "除以零";
    case FailureKind::Overflow:
        return "溢出";
    }
    return {};
}

} // namespace

std::optional<CalcFailure> readEntries(const CalcWindow& w, char32_t decimalSeparator,
                                       DewPointInputs& in) {
    for (const EntryField& e : readingTable) {
        std::string text = w.entryText(e.control);
        const std::optional<double> value = parseNumber(text, decimalSeparator);
        if (!value)
            return CalcFailure{FailureKind::Conversion, std::string(e.control), std::move(text)};
        in.*e.field = *value;
    }
    return std::nullopt;
}

std::string failureMessage(const CalcFailure& f, const CalcWindow& w) {
    std::string m;
    if (f.kind == FailureKind::Conversion) {
        m = "输入错误（" + std::string(kindName(f.kind)) + "）：\n“" + w.entryCaption(f.entry) +
            "”";
        if (f.text.empty())
            m += "没有填写数值。";
        else
            m += "中的“" + quoteForMessage(f.text) + "”不是数字。";
        m += "\n请改正后再按“计算”。";
    } else {
        m = "计算错误（" + std::string(kindName(f.kind)) +
            "）：\n这组数据无法算出结果，未算出的结果栏已清空。\n请检查输入数据后再按“计算”。";
    }
    return m;
}

void showResults(CalcWindow& w, const DewPointResults& r, char32_t decimalSeparator) {
    const double t[3] = {r.t1, r.t2, r.t3};
    for (int k = 0; k < 3; ++k)
        w.setResultText(resultFields[k], k < r.formed ? formatNumber(t[k], decimalSeparator) : "");
    if (!r.failure)
        return;
    w.showError(failureMessage(*r.failure, w));
    if (r.failure->kind == FailureKind::Conversion)
        w.focusEntry(r.failure->entry);
}

void runCalculate(CalcWindow& w, char32_t decimalSeparator) {
    DewPointInputs in;
    if (std::optional<CalcFailure> bad = readEntries(w, decimalSeparator, in)) {
        DewPointResults none;
        none.failure = std::move(bad);
        showResults(w, none, decimalSeparator);
        return;
    }
    showResults(w, computeDewPoints(in), decimalSeparator);
}
