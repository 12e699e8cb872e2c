#pragma once
// Turns a statement written in the Jet dialect the library writes into one
// the engine reads.  Everything is decided on tokens, split where the
// engine's own tokenizer splits them, so nothing inside a string or blob
// literal, a quoted name, a comment or a variable ($name(...), :name, @name,
// ?NNN) is ever rewritten:
//   #MM-DD-YYYY#, #M/D/YYYY# (a time may follow)  ->  'YYYY-MM-DD[ HH:MM:SS]'
//   "text"                                         ->  'text' (an embedded ' doubled)
//   a & b                                          ->  JetConcat(a, b)
//   IsNull(x)                                      ->  ((x) IS NULL)
// Jet's "&" binds looser than the arithmetic operators and tighter than the
// comparisons, so each operand runs over names, literals, calls, groups and
// arithmetic, and stops at anything else.
#include <string>

namespace ADODB {

class JetTranslator {
public:
    // The engine function that concatenates the way Jet's "&" does
    // (registered on every connection).
    static constexpr const char* kConcatFunction = "JetConcat";

    // Translates one statement.  Raises &H80040E14 for an unterminated
    // quote, bracket or "#", a date literal that is no date, an "&" without
    // an operand, a NUL character, and text after the statement's
    // terminating ";".
    static std::string Translate(const std::string& sJet);
};

}  // namespace ADODB
