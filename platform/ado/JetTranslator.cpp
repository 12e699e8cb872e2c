#include "JetTranslator.h"

#include <array>
#include <vector>

#include "AdoErrors.h"
#include "platform/runtime/Error.h"
#include "platform/runtime/Text.h"

namespace ADODB {

namespace {

enum class Tok { Space, Comment, String, Number, Word, Name, Param, Op };

struct Token {
    Tok kind;
    std::string text;
};

using Tokens = std::vector<Token>;

[[noreturn]] void SyntaxError(const std::string& description) {
    Raise(adErrCommandErrors, kProviderSource, description);
}

// Character classes as the engine's tokenizer has them.
bool IsIdentStart(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c >= 0x80;
}
bool IsIdentChar(unsigned char c) { return IsIdentStart(c) || (c >= '0' && c <= '9') || c == '$'; }
bool IsDigit(unsigned char c) { return c >= '0' && c <= '9'; }
bool IsHexDigit(unsigned char c) { return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }
// White space as the engine's variable argument "(...)" ends at it.
bool IsSpace(unsigned char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}
// Blanks between tokens as the engine's tokenizer knows them: a vertical tab
// is not one (the engine refuses it as an unknown token).
bool IsBlank(unsigned char c) { return c != '\v' && IsSpace(c); }

// The character at i, or NUL past the end (the engine reads a terminated text).
unsigned char At(const std::string& s, size_t i) {
    return i < s.size() ? static_cast<unsigned char>(s[i]) : 0;
}

// Reads a quoted run starting at s[i] (the opening quote) up to its closing
// quote, a doubled closing quote standing for one; returns the position
// after the closing quote and the unquoted content, or npos when unclosed.
size_t ReadQuoted(const std::string& s, size_t i, char close, bool doubled, std::string& content) {
    for (size_t k = i + 1; k < s.size(); ++k) {
        if (s[k] != close) {
            content += s[k];
            continue;
        }
        if (doubled && k + 1 < s.size() && s[k + 1] == close) {
            content += close;
            ++k;
            continue;
        }
        return k + 1;
    }
    return std::string::npos;
}

// The end of the number that starts at i: digits, a fraction, an exponent,
// or hexadecimal digits after "0x".  Identifier characters glued to it belong
// to the same (malformed) token, as the engine reads them.
size_t NumberEnd(const std::string& s, size_t i) {
    if (At(s, i) == '0' && (At(s, i + 1) == 'x' || At(s, i + 1) == 'X') && IsHexDigit(At(s, i + 2))) {
        i += 3;
        while (IsHexDigit(At(s, i))) ++i;
        return i;
    }
    while (IsDigit(At(s, i))) ++i;
    if (At(s, i) == '.') {
        ++i;
        while (IsDigit(At(s, i))) ++i;
    }
    if ((At(s, i) == 'e' || At(s, i) == 'E') &&
        (IsDigit(At(s, i + 1)) || ((At(s, i + 1) == '+' || At(s, i + 1) == '-') && IsDigit(At(s, i + 2))))) {
        i += 2;
        while (IsDigit(At(s, i))) ++i;
    }
    while (IsIdentChar(At(s, i))) ++i;
    return i;
}

// The end of a named variable starting at i with "$", "@" or ":": identifier
// characters and "::" separators, and after at least one identifier
// character an argument "(...)" that runs to the first ")" or blank.  Every
// character up to there is part of the variable's name, quotes included.
// Returns npos for a marker without a name (the engine refuses it).
size_t VariableEnd(const std::string& s, size_t i) {
    size_t k = i + 1;
    int named = 0;
    while (k < s.size()) {
        unsigned char c = At(s, k);
        if (IsIdentChar(c)) {
            ++named;
            ++k;
        } else if (c == '(' && named > 0) {
            do {
                ++k;
            } while (k < s.size() && !IsSpace(At(s, k)) && At(s, k) != ')');
            if (At(s, k) == ')') ++k;
            break;
        } else if (c == ':' && At(s, k + 1) == ':') {
            k += 2;
        } else {
            break;
        }
    }
    return named == 0 ? std::string::npos : k;
}

std::string DateLiteral(const std::string& body) {
    double serial = 0;
    if (!ParseDate(body, serial))
        SyntaxError("Syntax error in date in query expression '#" + VisibleText(body) + "#'.");
    return "'" + DateToText(serial) + "'";
}

// Splits the statement into tokens exactly where the engine's own tokenizer
// splits it, so that no rewrite ever reaches into what the engine reads as
// one literal, name, variable or comment.  The one departure is Jet's own:
// "#...#" is a date and "..." a text literal.
Tokens Tokenize(const std::string& s) {
    // The engine stops reading at a NUL; what it would not see must not be
    // judged here either.
    if (s.find('\0') != std::string::npos) SyntaxError("The statement contains a NUL character.");
    Tokens out;
    size_t i = 0;
    const size_t n = s.size();
    auto take = [&](Tok kind, size_t end) {
        out.push_back({kind, s.substr(i, end - i)});
        i = end;
    };
    while (i < n) {
        const unsigned char c = At(s, i), next = At(s, i + 1);
        if (IsBlank(c)) {
            size_t e = i;
            while (IsBlank(At(s, e))) ++e;
            take(Tok::Space, e);
        } else if (c == '-' && next == '-') {
            size_t e = s.find('\n', i);
            take(Tok::Comment, e == std::string::npos ? n : e);
        } else if (c == '/' && next == '*' && i + 2 < n) {
            // The closing "*/" may not share the opening's star: "/*/" stays open.
            // A "/*" that ends the text opens nothing: the engine reads it as
            // two operators.
            size_t e = s.find("*/", i + 2);
            take(Tok::Comment, e == std::string::npos ? n : e + 2);
        } else if (c == '\'') {
            std::string content;
            size_t e = ReadQuoted(s, i, '\'', true, content);
            if (e == std::string::npos) SyntaxError("Unterminated string literal in the statement.");
            take(Tok::String, e);
        } else if ((c == 'x' || c == 'X') && next == '\'') {
            // A blob literal x'..' is one value.
            std::string content;
            size_t e = ReadQuoted(s, i + 1, '\'', false, content);
            if (e == std::string::npos) SyntaxError("Unterminated string literal in the statement.");
            take(Tok::String, e);
        } else if (c == '"') {
            // Jet reads a double-quoted run as text, not as a name.
            std::string content;
            size_t e = ReadQuoted(s, i, '"', true, content);
            if (e == std::string::npos) SyntaxError("Unterminated string literal in the statement.");
            out.push_back({Tok::String, "'" + Replace(content, "'", "''") + "'"});
            i = e;
        } else if (c == '#') {
            size_t e = s.find('#', i + 1);
            if (e == std::string::npos) SyntaxError("Unterminated date literal in the statement.");
            out.push_back({Tok::String, DateLiteral(s.substr(i + 1, e - i - 1))});
            i = e + 1;
        } else if (c == '[' || c == '`') {
            std::string content;
            size_t e = ReadQuoted(s, i, c == '[' ? ']' : '`', c == '`', content);
            if (e == std::string::npos) SyntaxError("Unterminated name in the statement.");
            take(Tok::Name, e);
        } else if (IsDigit(c) || (c == '.' && IsDigit(next))) {
            take(Tok::Number, NumberEnd(s, i));
        } else if (IsIdentStart(c)) {
            size_t e = i;
            while (IsIdentChar(At(s, e))) ++e;
            take(Tok::Word, e);
        } else if (c == '?') {
            size_t e = i + 1;
            while (IsDigit(At(s, e))) ++e;
            take(Tok::Param, e);
        } else if (c == '$' || c == '@' || c == ':') {
            size_t e = VariableEnd(s, i);
            // A marker without a name stays an operator; the engine refuses it.
            if (e == std::string::npos)
                take(Tok::Op, i + 1);
            else
                take(Tok::Param, e);
        } else {
            static const std::array<const char*, 10> longest = {
                "->>", "<=", ">=", "<>", "!=", "==", "||", "<<", ">>", "->"};
            size_t len = 1;
            for (const char* op : longest) {
                size_t l = std::char_traits<char>::length(op);
                if (s.compare(i, l, op) == 0) {
                    len = l;
                    break;
                }
            }
            take(Tok::Op, i + len);
        }
    }
    return out;
}

bool IsOp(const Token& t, const char* op) { return t.kind == Tok::Op && t.text == op; }
bool IsWord(const Token& t, const char* w) { return t.kind == Tok::Word && EqualsNoCase(t.text, w); }
bool Insignificant(const Token& t) { return t.kind == Tok::Space || t.kind == Tok::Comment; }

int PrevSig(const Tokens& t, int i) {
    for (int k = i - 1; k >= 0; --k)
        if (!Insignificant(t[k])) return k;
    return -1;
}

int NextSig(const Tokens& t, int i) {
    const int n = static_cast<int>(t.size());
    for (int k = i + 1; k < n; ++k)
        if (!Insignificant(t[k])) return k;
    return n;
}

// Words that end or join expressions rather than being a value themselves.
bool IsKeyword(const Token& t) {
    static const char* const words[] = {
        "ALL",    "AND",       "AS",        "ASC",         "BETWEEN", "BY",     "CASE",   "COLLATE", "CROSS",
        "DELETE", "DESC",      "DISTINCT",  "DISTINCTROW", "ELSE",    "END",    "EQV",    "ESCAPE",  "EXCEPT",
        "EXISTS", "FROM",      "FULL",      "GLOB",        "GROUP",   "HAVING", "IMP",    "IN",      "INNER",
        "INSERT", "INTERSECT", "INTO",      "IS",          "ISNULL",  "JOIN",   "LEFT",   "LIKE",    "LIMIT",
        "MATCH",  "MOD",       "NATURAL",   "NOT",         "NOTNULL", "OFFSET", "ON",     "OR",      "ORDER",
        "OUTER",  "OVER",      "PARTITION", "REGEXP",      "RIGHT",   "SELECT", "SET",    "THEN",    "TOP",
        "UNION",  "UPDATE",    "USING",     "VALUES",      "WHEN",    "WHERE",  "WINDOW", "WITH",    "XOR"};
    if (t.kind != Tok::Word) return false;
    for (const char* w : words)
        if (EqualsNoCase(t.text, w)) return true;
    return false;
}

// A word that, followed by "(", calls a function.  LEFT and RIGHT are join
// words too, but never before a parenthesis.
bool IsFunctionName(const Token& t) {
    return t.kind == Tok::Word && (!IsKeyword(t) || IsWord(t, "LEFT") || IsWord(t, "RIGHT"));
}

bool IsPlainValue(const Token& t) {
    return t.kind == Tok::String || t.kind == Tok::Number || t.kind == Tok::Param || t.kind == Tok::Name ||
           (t.kind == Tok::Word && !IsKeyword(t));
}

bool IsSign(const Token& t) { return IsOp(t, "+") || IsOp(t, "-"); }

// Operators that bind tighter than "&" (the signs are handled apart, since
// they may be unary).
bool IsArithmetic(const Token& t) {
    return IsOp(t, "*") || IsOp(t, "/") || IsOp(t, "%") || IsOp(t, "^") || IsOp(t, "\\") || IsOp(t, "||") ||
           IsWord(t, "MOD");
}

// The partner of a bracketing token: "(" and ")" or CASE and END.
int Match(const Tokens& t, int i, int step) {
    const bool paren = t[i].kind == Tok::Op;
    auto opens = [&](const Token& x) {
        return paren ? IsOp(x, step > 0 ? "(" : ")") : IsWord(x, step > 0 ? "CASE" : "END");
    };
    auto closes = [&](const Token& x) {
        return paren ? IsOp(x, step > 0 ? ")" : "(") : IsWord(x, step > 0 ? "END" : "CASE");
    };
    int depth = 0;
    for (int k = i; k >= 0 && k < static_cast<int>(t.size()); k += step) {
        if (opens(t[k]))
            ++depth;
        else if (closes(t[k]) && --depth == 0)
            return k;
    }
    return -1;
}

bool EndsValue(const Tokens& t, int j) {
    return j >= 0 && (IsPlainValue(t[j]) || IsOp(t[j], ")") || IsWord(t[j], "END"));
}

// First token of the value that ends at token j, or -1 when none does.
int ValueStartingBefore(const Tokens& t, int j) {
    if (j < 0) return -1;
    if (IsOp(t[j], ")") || IsWord(t[j], "END")) {
        int k = Match(t, j, -1);
        if (k < 0) return -1;
        int p = PrevSig(t, k);
        if (IsOp(t[k], "(") && p >= 0 && IsFunctionName(t[p])) return p;
        return k;
    }
    if (!IsPlainValue(t[j])) return -1;
    int s = j;
    for (;;) {  // qualified names: a.b.c
        int dot = PrevSig(t, s);
        if (dot < 0 || !IsOp(t[dot], ".")) return s;
        int q = PrevSig(t, dot);
        if (q < 0 || !(t[q].kind == Tok::Word || t[q].kind == Tok::Name)) return s;
        s = q;
    }
}

// Last token of the value that starts at token i, or -1 when none does.
int ValueEndingAfter(const Tokens& t, int i) {
    const int n = static_cast<int>(t.size());
    if (i >= n) return -1;
    if (IsOp(t[i], "(") || IsWord(t[i], "CASE")) return Match(t, i, +1);
    int next = NextSig(t, i);
    if (IsFunctionName(t[i]) && next < n && IsOp(t[next], "(")) return Match(t, next, +1);
    if (!IsPlainValue(t[i])) return -1;
    int e = i;
    for (;;) {
        int dot = NextSig(t, e);
        if (dot >= n || !IsOp(t[dot], ".")) return e;
        int q = NextSig(t, dot);
        if (q >= n || !(t[q].kind == Tok::Word || t[q].kind == Tok::Name)) return e;
        e = q;
    }
}

int LeftOperandStart(const Tokens& t, int amp) {
    int j = PrevSig(t, amp);
    for (;;) {
        int start = ValueStartingBefore(t, j);
        if (start < 0) return -1;
        for (;;) {
            int p = PrevSig(t, start);
            if (p < 0) return start;
            if (IsSign(t[p]) && !EndsValue(t, PrevSig(t, p))) {
                start = p;  // a unary sign belongs to the operand
                continue;
            }
            if (IsSign(t[p]) || IsArithmetic(t[p])) {
                j = PrevSig(t, p);
                break;
            }
            return start;
        }
    }
}

int RightOperandEnd(const Tokens& t, int amp) {
    const int n = static_cast<int>(t.size());
    int i = NextSig(t, amp);
    for (;;) {
        while (i < n && IsSign(t[i])) i = NextSig(t, i);
        int end = ValueEndingAfter(t, i);
        if (end < 0) return -1;
        int p = NextSig(t, end);
        if (p < n && (IsSign(t[p]) || IsArithmetic(t[p]))) {
            i = NextSig(t, p);
            continue;
        }
        return end;
    }
}

void RefuseSecondStatement(const Tokens& t) {
    bool ended = false;
    for (const Token& x : t) {
        if (IsOp(x, ";"))
            ended = true;
        else if (ended && !Insignificant(x))
            SyntaxError("Characters found after end of SQL statement.");
    }
}

void TranslateIsNull(Tokens& t) {
    for (int i = 0; i < static_cast<int>(t.size()); ++i) {
        if (!IsWord(t[i], "IsNull")) continue;
        int before = PrevSig(t, i);
        if (before >= 0 && IsOp(t[before], ".")) continue;  // a column that happens to be called IsNull
        int open = NextSig(t, i);
        if (open >= static_cast<int>(t.size()) || !IsOp(t[open], "(")) continue;
        int close = Match(t, open, +1);
        if (close < 0) continue;  // the engine reports the unbalanced parenthesis
        t[i] = {Tok::Op, "("};
        t.insert(
            t.begin() + close + 1,
            {{Tok::Space, " "}, {Tok::Word, "IS"}, {Tok::Space, " "}, {Tok::Word, "NULL"}, {Tok::Op, ")"}});
    }
}

void TranslateConcatenation(Tokens& t) {
    for (int amp = 0; amp < static_cast<int>(t.size()); ++amp) {
        if (!IsOp(t[amp], "&")) continue;
        int ls = LeftOperandStart(t, amp);
        int re = RightOperandEnd(t, amp);
        if (ls < 0 || re < 0) SyntaxError("Syntax error (missing operand) in query expression.");
        int le = PrevSig(t, amp);
        int rs = NextSig(t, amp);
        Tokens out;
        out.reserve(t.size() + 4);
        out.insert(out.end(), t.begin(), t.begin() + ls);
        out.push_back({Tok::Word, JetTranslator::kConcatFunction});
        out.push_back({Tok::Op, "("});
        out.insert(out.end(), t.begin() + ls, t.begin() + le + 1);
        out.push_back({Tok::Op, ","});
        out.insert(out.end(), t.begin() + rs, t.begin() + re + 1);
        out.push_back({Tok::Op, ")"});
        // The rewritten pair is now the left operand of a following "&".
        amp = static_cast<int>(out.size()) - 1;
        out.insert(out.end(), t.begin() + re + 1, t.end());
        t.swap(out);
    }
}

// LEFT and RIGHT are join words to the engine, which will not read them as
// function names; bracketed, they name the registered functions.
void QuoteJoinWordCalls(Tokens& t) {
    for (int i = 0; i < static_cast<int>(t.size()); ++i) {
        if (!IsWord(t[i], "LEFT") && !IsWord(t[i], "RIGHT")) continue;
        int open = NextSig(t, i);
        if (open < static_cast<int>(t.size()) && IsOp(t[open], "("))
            t[i] = {Tok::Name, "[" + t[i].text + "]"};
    }
}

}  // namespace

std::string JetTranslator::Translate(const std::string& sJet) {
    Tokens t = Tokenize(sJet);
    RefuseSecondStatement(t);
    TranslateIsNull(t);
    TranslateConcatenation(t);
    QuoteJoinWordCalls(t);
    std::string out;
    out.reserve(sJet.size() + 16);
    for (const Token& x : t) out += x.text;
    return out;
}

}  // namespace ADODB
