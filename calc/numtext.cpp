#include "calc/numtext.h"

#include <algorithm>
#include <charconv>
#include <system_error>

namespace {

constexpr char32_t invalidCodePoint = 0xFFFFFFFF;
constexpr char32_t replacementChar = 0xFFFD;

// Decodes one UTF-8 sequence at `pos` and advances past it; an ill-formed sequence
// (overlong, surrogate, beyond U+10FFFF, truncated) yields invalidCodePoint and
// advances by one byte.
char32_t nextCodePoint(std::string_view s, std::size_t& pos) {
    const auto byte = [&](std::size_t i) {
        return static_cast<unsigned char>(s[i]);
    };
    const unsigned char b0 = byte(pos);
    if (b0 < 0x80) {
        ++pos;
        return b0;
    }
    int len = 0;
    char32_t cp = 0;
    char32_t min = 0;
    if ((b0 & 0xE0) == 0xC0) {
        len = 2, cp = b0 & 0x1F, min = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        len = 3, cp = b0 & 0x0F, min = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        len = 4, cp = b0 & 0x07, min = 0x10000;
    } else {
        ++pos;
        return invalidCodePoint;
    }
    if (pos + len > s.size()) {
        ++pos;
        return invalidCodePoint;
    }
    for (int i = 1; i < len; ++i) {
        const unsigned char b = byte(pos + i);
        if ((b & 0xC0) != 0x80) {
            ++pos;
            return invalidCodePoint;
        }
        cp = (cp << 6) | (b & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        ++pos;
        return invalidCodePoint;
    }
    pos += len;
    return cp;
}

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// The ASCII character a code point of a number stands for: ' ' for a blank, '.' for
// a decimal point, 'e' for an exponent mark; 0 if it cannot be part of a number.
char asciiForm(char32_t cp, char32_t decimalSeparator) {
    if (cp == decimalSeparator || cp == U'.' || cp == U'\uFF0E')
        return '.';
    if (cp >= U'0' && cp <= U'9')
        return static_cast<char>(cp);
    if (cp >= U'\uFF10' && cp <= U'\uFF19')
        return static_cast<char>('0' + (cp - U'\uFF10'));
    switch (cp) {
    case U'+':
    case U'\uFF0B':
        return '+';
    case U'-':
    case U'\uFF0D':
        return '-';
    case U'e':
    case U'E':
    case U'\uFF25':
    case U'\uFF45':
        return 'e';
    case U' ':
    case U'\t':
    case U'\u3000':
        return ' ';
    default:
        return 0;
    }
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Whether `s` is [sign] (digits [. digits] | . digits) [e [sign] digits].
bool wellFormed(std::string_view s) {
    std::size_t i = 0;
    const auto digits = [&] {
        const std::size_t start = i;
        while (i < s.size() && isDigit(s[i]))
            ++i;
        return i - start;
    };
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ++i;
    std::size_t mantissa = digits();
    if (i < s.size() && s[i] == '.') {
        ++i;
        mantissa += digits();
    }
    if (mantissa == 0)
        return false;
    if (i < s.size() && s[i] == 'e') {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-'))
            ++i;
        if (digits() == 0)
            return false;
    }
    return i == s.size();
}

// For a well-formed number that from_chars found out of range: whether it is too
// large (rather than too small). The decimal exponent of its first significant digit
// decides; exponents are saturated, as only their sign matters here.
bool tooLarge(std::string_view s) {
    std::size_t i = (s[0] == '+' || s[0] == '-') ? 1 : 0;
    long long position = 0; // decimal exponent of the digit at i, before the 'e' part
    const std::size_t dot = s.find('.');
    const std::size_t mantissaEnd = std::min(s.find('e'), s.size());
    const std::size_t intEnd = std::min(dot, mantissaEnd);
    position = static_cast<long long>(intEnd - i) - 1;
    for (; i < mantissaEnd; ++i) {
        if (s[i] == '.')
            continue;
        if (s[i] != '0')
            break;
        --position;
    }
    long long exponent = 0;
    if (mantissaEnd < s.size()) {
        std::size_t j = mantissaEnd + 1;
        const bool negative = s[j] == '-';
        if (s[j] == '+' || s[j] == '-')
            ++j;
        constexpr long long cap = 1'000'000'000'000LL;
        for (; j < s.size() && exponent < cap; ++j)
            exponent = exponent * 10 + (s[j] - '0');
        if (negative)
            exponent = -exponent;
    }
    return position + exponent >= 0;
}

} // namespace

std::optional<double> parseNumber(std::string_view text, char32_t decimalSeparator) {
    std::string ascii;
    ascii.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        const char c = asciiForm(nextCodePoint(text, pos), decimalSeparator);
        if (c == 0)
            return std::nullopt;
        ascii += c;
    }
    const std::size_t first = ascii.find_first_not_of(' ');
    if (first == std::string::npos)
        return std::nullopt;
    const std::size_t last = ascii.find_last_not_of(' ');
    std::string_view number(ascii.data() + first, last - first + 1);
    if (!wellFormed(number))
        return std::nullopt;

    // from_chars takes no '+'; wellFormed has already checked what follows it.
    const std::string_view digits = number[0] == '+' ? number.substr(1) : number;
    double value = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value,
                                           std::chars_format::general);
    if (end != digits.data() + digits.size())
        return std::nullopt;
    if (ec == std::errc::result_out_of_range) {
        if (tooLarge(number))
            return std::nullopt;
        return number[0] == '-' ? -0.0 : 0.0;
    }
    if (ec != std::errc())
        return std::nullopt;
    return value;
}

std::string formatNumber(double value, char32_t decimalSeparator) {
    char buf[64];
    const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general);
    std::string out;
    if (ec != std::errc())
        return out;
    for (const char* p = buf; p != end; ++p) {
        if (*p == '.')
            appendUtf8(out, decimalSeparator);
        else
            out += *p;
    }
    return out;
}

std::string quoteForMessage(std::string_view text, std::size_t maxChars) {
    std::string out;
    std::size_t count = 0;
    for (std::size_t pos = 0; pos < text.size();) {
        if (count == maxChars) {
            out += "\u2026";
            break;
        }
        char32_t cp = nextCodePoint(text, pos);
        const bool control = cp < 0x20 || (cp >= 0x7F && cp < 0xA0);
        const bool lineOrDirection =
            cp == 0x2028 || cp == 0x2029 || (cp >= 0x200E && cp <= 0x200F) ||
            (cp >= 0x202A && cp <= 0x202E) || (cp >= 0x2066 && cp <= 0x2069) || cp == 0x061C;
        if (cp == invalidCodePoint || control || lineOrDirection)
            cp = replacementChar;
        appendUtf8(out, cp);
        ++count;
    }
    return out;
}
