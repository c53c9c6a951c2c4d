#pragma once

// Conversions between entry texts (UTF-8) and doubles, with the user's decimal
// separator. The only place where text and numbers meet.

#include <optional>
#include <string>
#include <string_view>

// A plain decimal number: optional blanks around it (space, tab, ideographic space),
// an optional sign, digits with `decimalSeparator` or '.' as the decimal point, and an
// optional exponent. The full-width digits, signs, full stop and 'E'/'e' of a Chinese
// input method read as their ASCII forms. Not numbers: empty text, digit grouping,
// "inf", "nan", hex floats, and values too large for a double. A value too small for
// a double reads as the nearest double.
std::optional<double> parseNumber(std::string_view text, char32_t decimalSeparator);

// The shortest text that reads back to the same double, in general form (as %g
// chooses between fixed and exponent notation), with `decimalSeparator`.
std::string formatNumber(double value, char32_t decimalSeparator);

// `text` made safe to quote in a message: control, line-break and direction-override
// characters are replaced by U+FFFD, invalid UTF-8 likewise, and anything past
// `maxChars` characters is cut off with an ellipsis.
std::string quoteForMessage(std::string_view text, std::size_t maxChars = 40);
