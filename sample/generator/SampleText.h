#pragma once
// Text helpers of the generator: numbers and dates written without the C
// locale, the single-byte encoding of the asset-code index files, and the
// ASCII mnemonics derived from asset names.
#include <cstdint>
#include <string>
#include <string_view>

// Decimal text of a whole number.
std::string IntText(int64_t n);
// Decimal text padded with leading zeros to at least `width` digits.
std::string IntTextPadded(int64_t n, int width);
// "YYYY-MM-DD", the form the database stores dates in.
std::string IsoDate(int year, int month, int day);

// Upper-case ASCII letters and digits of a name, accented letters spelled
// without their marks (ø as O, æ as AE, å as A), at most `width` characters.
std::string AsciiMnemonic(std::string_view name, size_t width);
