// SPDX-License-Identifier: GPL-3.0-or-later
// Number texts of the program: parsing of input texts with the decimal comma, and the two
// fixed-width result formats of the results shown and of the table files.
// Rounding is done once, half away from zero, on the exact decimal value of the double.
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>

namespace zav {

/// The error raised when a field text is not a number; what() is the Slovak text shown to the user.
class ConversionError : public std::runtime_error {
public:
    explicit ConversionError(const std::string& fieldText);
    /// A text that says more than that the field is not a number (why it is not).
    struct Explained {
        std::string message;
    };
    explicit ConversionError(const Explained& explained) : std::runtime_error(explained.message) {}
};

/// Parses a field text: blanks around it ignored, optional sign, digits with the decimal separator
/// `decimalSeparator`, optional exponent ("1,7e-5"). Throws ConversionError on anything else,
/// including an empty text, a decimal point, "inf"/"nan" and a value beyond the range of a double.
double parseNumber(const std::string& text, char decimalSeparator = ',');

/// Fixed notation with exactly `decimals` digits after the separator, rounded to at most `precision`
/// significant digits and `decimals` decimals; when the integer part needs more than `precision`
/// digits, the formatExponent form with `precision` digits. Non-finite values: "INF", "-INF", "NAN".
std::string formatFixed(double value, int precision, int decimals, char decimalSeparator = ',');

/// formatFixed appended to `text`, without a string of its own in the common case.
void appendFixed(std::string& text, double value, int precision, int decimals, char decimalSeparator = ',');

/// Room enough for writeFixed and writeExponent.
constexpr std::size_t kMaxNumberText = 64;

/// formatFixed with at most 22 decimals (more are cut to 22) written to `out`, which has room for
/// kMaxNumberText characters; returns the end of the text.
char* writeFixed(char* out, double value, int precision, int decimals, char decimalSeparator = ',');

/// Scientific notation with `precision` significant digits: d,dddE+0000 with the exponent's sign
/// always written and the exponent in at least four digits.
std::string formatExponent(double value, int precision, char decimalSeparator = ',');

/// formatExponent appended to `text`, without a string of its own.
void appendExponent(std::string& text, double value, int precision, char decimalSeparator = ',');

/// formatExponent written to `out`, which has room for kMaxNumberText characters; returns the end.
char* writeExponent(char* out, double value, int precision, char decimalSeparator = ',');

/// The general format: the shortest text of at most 15 significant digits (rounded half away from
/// zero), trailing zeros dropped; fixed notation for decimal exponents -5 to 14, else d,ddE±x
/// without padding ("1,5E-7", "1E20").
std::string formatGeneral(double value, char decimalSeparator = ',');

/// formatGeneral rounded to at most `significantDigits` (1 to 15) significant digits, down to the
/// smallest numbers ("0,000310511", "9,99989E-321").
std::string formatSignificant(double value, int significantDigits, char decimalSeparator = ',');

/// The number as the pattern "#,##0.#########" writes it: rounded to at most `maxDecimals`
/// decimals, trailing zeros dropped, thousands grouped with `groupSeparator`.
std::string formatGrouped(double value, int maxDecimals, const std::string& groupSeparator,
                          char decimalSeparator = ',');

} // namespace zav
