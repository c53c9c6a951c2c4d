#include "calc/dewpoint.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

// A window with no toolkit: it holds the fields and logs every call in order.
class FakeWindow : public CalcWindow {
public:
    FakeWindow() {
        entries = {{"Text1", "18.4"}, {"Text2", "6.79"}, {"Text3", "60.88"}, {"Text4", "3.49"},
                   {"Text5", "9.46"}, {"Text6", "0.7"},  {"Text7", "0.33"},  {"Text8", "23570.0"},
                   {"Text9", "1.4"},  {"Text10", "0.9"}, {"Text11", "0.7"}};
        results = {{"Text12", ""}, {"Text13", ""}, {"Text14", ""}};
    }

    std::string entryText(std::string_view control) const override {
        log.push_back("read " + std::string(control));
        return entries.at(std::string(control));
    }
    std::string entryCaption(std::string_view control) const override {
        return "caption of " + std::string(control);
    }
    void setResultText(std::string_view control, std::string_view text) override {
        log.push_back("set " + std::string(control) + "=" + std::string(text));
        results.at(std::string(control)) = text;
    }
    void showError(std::string_view message) override {
        log.push_back("error");
        messages.emplace_back(message);
    }
    void focusEntry(std::string_view control) override {
        log.push_back("focus " + std::string(control));
    }

    std::vector<std::string> resultTexts() const {
        return {results.at("Text12"), results.at("Text13"), results.at("Text14")};
    }

    std::map<std::string, std::string> entries;
    std::map<std::string, std::string> results;
    std::vector<std::string> messages;
    mutable std::vector<std::string> log;
};

const std::vector<std::string> readingOrder = {
    "read Text9", "read Text10", "read Text11", "read Text1", "read Text2", "read Text3",
    "read Text4", "read Text5",  "read Text6",  "read Text7", "read Text8"};

std::vector<std::string> logAfterReading(const FakeWindow& w) {
    return {w.log.begin() + std::min(w.log.size(), readingOrder.size()), w.log.end()};
}

TEST(Calculate, DefaultsReadEachEntryOnceInOrderAndWriteThreeResults) {
    FakeWindow w;
    const auto before = w.entries;
    runCalculate(w, U'.');

    ASSERT_GE(w.log.size(), readingOrder.size());
    EXPECT_EQ(std::vector<std::string>(w.log.begin(), w.log.begin() + 11), readingOrder);
    EXPECT_EQ(logAfterReading(w), (std::vector<std::string>{"set Text12=87.28481783477017",
                                                            "set Text13=86.55616282714003",
                                                            "set Text14=87.47689663904744"}));
    EXPECT_TRUE(w.messages.empty());
    EXPECT_EQ(w.entries, before);
}

TEST(Calculate, UsesTheUsersDecimalSeparatorBothWays) {
    FakeWindow w;
    w.entries["Text7"] = "0,33";
    w.entries["Text8"] = "23570,0";
    runCalculate(w, U',');
    EXPECT_EQ(w.resultTexts(), (std::vector<std::string>{"87,28481783477017", "86,55616282714003",
                                                         "87,47689663904744"}));
    EXPECT_EQ(w.entries["Text7"], "0,33");
}

TEST(Calculate, RepeatedCalculateWritesTheSameTexts) {
    FakeWindow w;
    runCalculate(w, U'.');
    const auto first = w.resultTexts();
    runCalculate(w, U'.');
    EXPECT_EQ(w.resultTexts(), first);
}

TEST(Calculate, EditingAnEntryLeavesTheResultsUntilTheNextCalculate) {
    FakeWindow w;
    runCalculate(w, U'.');
    const auto first = w.resultTexts();
    w.entries["Text7"] = "2.5";
    EXPECT_EQ(w.resultTexts(), first);
    runCalculate(w, U'.');
    EXPECT_NE(w.resultTexts()[0], first[0]);
}

TEST(Calculate, AcceptsNegativeMoistureAndOverfullAnalyses) {
    FakeWindow w;
    w.entries["Text1"] = "-5";
    w.entries["Text3"] = "90";
    runCalculate(w, U'.');
    EXPECT_TRUE(w.messages.empty());
    for (const std::string& t : w.resultTexts())
        EXPECT_FALSE(t.empty());
}

// Every entry, Ka included, is checked: empty or letters stop the command there.
class ConversionFailure : public testing::TestWithParam<std::tuple<std::size_t, const char*>> {};

TEST_P(ConversionFailure, ClearsResultsNamesTheEntryAndKeepsEveryText) {
    const auto [index, text] = GetParam();
    const std::string control(readingTable[index].control);
    FakeWindow w;
    runCalculate(w, U'.'); // earlier results that must not stand beside the error
    w.log.clear();
    w.entries[control] = text;
    const auto before = w.entries;

    runCalculate(w, U'.');

    EXPECT_EQ(std::vector<std::string>(w.log.begin(), w.log.begin() + index + 1),
              std::vector<std::string>(readingOrder.begin(), readingOrder.begin() + index + 1));
    EXPECT_EQ(std::vector<std::string>(w.log.begin() + index + 1, w.log.end()),
              (std::vector<std::string>{"set Text12=", "set Text13=", "set Text14=", "error",
                                        "focus " + control}));
    EXPECT_EQ(w.entries, before);
    ASSERT_EQ(w.messages.size(), 1u);
    const std::string& m = w.messages[0];
    EXPECT_NE(m.find("数字转换"), std::string::npos) << m;
    EXPECT_NE(m.find("“caption of " + control + "”"), std::string::npos) << m;
    if (*text != '\0') {
        EXPECT_NE(m.find("“" + std::string(text) + "”"), std::string::npos) << m;
    }
}

INSTANTIATE_TEST_SUITE_P(EveryEntry, ConversionFailure,
                         testing::Combine(testing::Range<std::size_t>(0, 11),
                                          testing::Values("", "abc")));

TEST(Calculate, FirstBadEntryInReadingOrderIsReported) {
    FakeWindow w;
    w.entries["Text1"] = "x"; // row one of the window, but read fourth
    w.entries["Text11"] = "y";
    runCalculate(w, U'.');
    EXPECT_EQ(w.log.back(), "focus Text11");
    EXPECT_EQ(std::count(w.log.begin(), w.log.end(), "read Text1"), 0);
}

TEST(Calculate, LongEntryIsQuotedShortened) {
    FakeWindow w;
    w.entries["Text7"] = std::string(1 << 20, '7') + "x";
    runCalculate(w, U'.');
    ASSERT_EQ(w.messages.size(), 1u);
    EXPECT_LT(w.messages[0].size(), 400u);
    EXPECT_NE(w.messages[0].find("\u2026"), std::string::npos);
    EXPECT_EQ(w.entries["Text7"].size(), (1u << 20) + 1);
}

struct ArithmeticCase {
    const char* control;
    const char* text;
    const char* kindName;
};

class ArithmeticFailure : public testing::TestWithParam<ArithmeticCase> {};

TEST_P(ArithmeticFailure, ClearsResultsAndNamesTheKind) {
    FakeWindow w;
    runCalculate(w, U'.');
    w.log.clear();
    w.entries[GetParam().control] = GetParam().text;
    runCalculate(w, U'.');
    EXPECT_EQ(logAfterReading(w),
              (std::vector<std::string>{"set Text12=", "set Text13=", "set Text14=", "error"}));
    ASSERT_EQ(w.messages.size(), 1u);
    EXPECT_NE(w.messages[0].find(GetParam().kindName), std::string::npos) << w.messages[0];
}

INSTANTIATE_TEST_SUITE_P(Entries, ArithmeticFailure,
                         testing::Values(ArithmeticCase{"Text2", "0", "除以零"},
                                         ArithmeticCase{"Text8", "0", "除以零"},
                                         ArithmeticCase{"Text7", "-0.33", "无效运算"},
                                         ArithmeticCase{"Text3", "1e308", "溢出"}));

TEST(ShowResults, FailingSumWritesTheFormedResultsFirst) {
    FakeWindow w;
    DewPointResults r;
    r.t1 = 87.5;
    r.t2 = 1; // not formed: must not be shown
    r.formed = 1;
    r.failure = CalcFailure{FailureKind::Overflow, {}, {}};
    showResults(w, r, U'.');
    EXPECT_EQ(w.log,
              (std::vector<std::string>{"set Text12=87.5", "set Text13=", "set Text14=", "error"}));
    EXPECT_NE(w.messages[0].find("溢出"), std::string::npos);
}

} // namespace
