// The Calculate command on an in-memory window, on any eleven texts. The first byte
// picks the decimal separator; the rest splits at '\n' into the entries in reading
// order (missing ones are empty).

#include "calc/dewpoint.h"
#include "calc/numtext.h"

#include <cmath>
#include <cstdlib>
#include <map>
#include <string>

namespace {

struct MemoryWindow : CalcWindow {
    std::map<std::string, std::string, std::less<>> fields;
    int errors = 0;

    std::string entryText(std::string_view c) const override { return fields.find(c)->second; }
    std::string entryCaption(std::string_view c) const override { return std::string(c); }
    void setResultText(std::string_view c, std::string_view t) override {
        fields.find(c)->second = t;
    }
    void showError(std::string_view) override { ++errors; }
    void focusEntry(std::string_view) override {}
};

void check(bool ok) {
    if (!ok)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    if (size == 0)
        return 0;
    const char32_t separator = (data[0] & 1) ? U',' : U'.';
    std::string_view rest(reinterpret_cast<const char*>(data) + 1, size - 1);

    MemoryWindow w;
    for (const EntryField& e : readingTable) {
        const std::size_t cut = rest.find('\n');
        w.fields.emplace(e.control, rest.substr(0, cut));
        rest = cut == std::string_view::npos ? std::string_view() : rest.substr(cut + 1);
    }
    for (std::string_view r : resultFields)
        w.fields.emplace(r, "stale");
    const auto typed = w.fields;

    runCalculate(w, separator);

    DewPointInputs in;
    const bool readable = !readEntries(w, separator, in);
    const DewPointResults r = readable ? computeDewPoints(in) : DewPointResults{};
    for (const EntryField& e : readingTable)
        check(w.fields.at(std::string(e.control)) == typed.at(std::string(e.control)));
    check(w.errors == (readable && !r.failure ? 0 : 1));
    const double t[3] = {r.t1, r.t2, r.t3};
    for (int k = 0; k < 3; ++k) {
        const std::string& shown = w.fields.at(std::string(resultFields[k]));
        if (k >= r.formed) {
            check(shown.empty());
            continue;
        }
        check(std::isfinite(t[k]));
        const std::optional<double> back = parseNumber(shown, separator);
        check(back && *back == t[k] && std::signbit(*back) == std::signbit(t[k]));
    }
    return 0;
}
