// Text to number alone: no accepted text gives a non-finite value, and what is
// accepted reads back the same after formatting.

#include "calc/numtext.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (char32_t separator : {U'.', U','}) {
        const std::optional<double> v = parseNumber(text, separator);
        if (!v)
            continue;
        if (!std::isfinite(*v))
            std::abort();
        const std::optional<double> back = parseNumber(formatNumber(*v, separator), separator);
        if (!back || std::memcmp(&*back, &*v, sizeof(double)) != 0)
            std::abort();
    }
    (void)quoteForMessage(text);
    return 0;
}
