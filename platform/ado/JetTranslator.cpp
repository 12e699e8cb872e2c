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

bool IsIdentStart(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c >= 0x80;
}
bool IsIdentChar(unsigned char c) { return IsIdentStart(c) || (c >= '0' && c <= '9') || c == '$'; }
bool IsDigit(unsigned char c) { return c >= '0' && c <= '9'; }
bool IsSpace(unsigned char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
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

std::string DateLiteral(const std::string& body) {
    double serial = 0;
    if (!ParseDate(body, serial)) SyntaxError("Syntax error in date in query expression '#" + body + "#'.");
    return "'" + DateToText(serial) + "'";
}

Tokens Tokenize(const std::string& s) {
    Tokens out;
    size_t i = 0;
    const size_t n = s.size();
    while (i < n) {
        unsigned char c = static_cast<unsigned char>(s[i]);
        size_t start = i;
        if (IsSpace(c)) {
            while (i < n && IsSpace(static_cast<unsigned char>(s[i]))) ++i;
            out.push_back({Tok::Space, s.substr(start, i - start)});
        } else if (c == '-' && i + 1 < n && s[i + 1] == '-') {
            i = s.find('\n', i);
            if (i == std::string::npos) i = n;
            out.push_back({Tok::Comment, s.substr(start, i - start)});
        } else if (c == '/' && i + 1 < n && s[i + 1] == '*') {
            size_t e = s.find("*/", i + 2);
            i = e == std::string::npos ? n : e + 2;
            out.push_back({Tok::Comment, s.substr(start, i - start)});
        } else if (c == '\'') {
            std::string content;
            i = ReadQuoted(s, i, '\'', true, content);
            if (i == std::string::npos) SyntaxError("Unterminated string literal in the statement.");
            out.push_back({Tok::String, s.substr(start, i - start)});
        } else if (c == '"') {
            // Jet reads a double-quoted run as text, not as a name.
            std::string content;
            i = ReadQuoted(s, i, '"', true, content);
            if (i == std::string::npos) SyntaxError("Unterminated string literal in the statement.");
            out.push_back({Tok::String, "'" + Replace(content, "'", "''") + "'"});
        } else if (c == '#') {
            size_t e = s.find('#', i + 1);
            if (e == std::string::npos) SyntaxError("Unterminated date literal in the statement.");
            out.push_back({Tok::String, DateLiteral(s.substr(i + 1, e - i - 1))});
            i = e + 1;
        } else if (c == '[' || c == '`') {
            std::string content;
            i = ReadQuoted(s, i, c == '[' ? ']' : '`', c == '`', content);
            if (i == std::string::npos) SyntaxError("Unterminated name in the statement.");
            out.push_back({Tok::Name, s.substr(start, i - start)});
        } else if (IsDigit(c) || (c == '.' && i + 1 < n && IsDigit(static_cast<unsigned char>(s[i + 1])))) {
            bool hex = c == '0' && i + 1 < n && (s[i + 1] == 'x' || s[i + 1] == 'X');
            ++i;
            while (i < n) {
                unsigned char d = static_cast<unsigned char>(s[i]);
                bool sign = (d == '+' || d == '-') && !hex && (s[i - 1] == 'e' || s[i - 1] == 'E');
                if (!(IsIdentChar(d) || d == '.' || sign)) break;
                ++i;
            }
            out.push_back({Tok::Number, s.substr(start, i - start)});
        } else if (IsIdentStart(c)) {
            while (i < n && IsIdentChar(static_cast<unsigned char>(s[i]))) ++i;
            out.push_back({Tok::Word, s.substr(start, i - start)});
        } else if ((c == '?' || c == ':' || c == '@' || c == '$') && i + 1 < n &&
                   IsIdentChar(static_cast<unsigned char>(s[i + 1]))) {
            ++i;
            while (i < n && IsIdentChar(static_cast<unsigned char>(s[i]))) ++i;
            out.push_back({Tok::Param, s.substr(start, i - start)});
        } else {
            static const std::array<const char*, 8> pairs = {"<=", ">=", "<>", "!=", "==", "||", "<<", ">>"};
            size_t len = 1;
            for (const char* p : pairs)
                if (s.compare(i, 2, p) == 0) len = 2;
            i += len;
            out.push_back({Tok::Op, s.substr(start, len)});
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
