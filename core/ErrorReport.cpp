#include "ErrorReport.h"

#include "core/HuntERR31.h"
#include "core/HuntERR31SysH.h"
#include "platform/runtime/Text.h"

namespace {

constexpr char kMarker = '\x08';
// Stand-ins for filled fields while the template is still being searched;
// neither character occurs in the template.
constexpr char kFilledOpen = '\x01';
constexpr char kFilledClose = '\x02';

// Characters, not bytes: a UTF-8 sequence counts once.
size_t CharCount(std::string_view s) {
    size_t n = 0;
    for (unsigned char c : s)
        if ((c & 0xC0) != 0x80) ++n;
    return n;
}

std::vector<std::string> Lines(std::string_view text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (true) {
        size_t lf = text.find('\n', start);
        if (lf == std::string_view::npos) {
            lines.emplace_back(text.substr(start));
            return lines;
        }
        size_t end = (lf > start && text[lf - 1] == '\r') ? lf - 1 : lf;
        lines.emplace_back(text.substr(start, end - start));
        start = lf + 1;
    }
}

}  // namespace

std::string SignedOffset(int32_t n) {
    if (n >= 0) return "+ " + std::to_string(n);
    return "- " + std::to_string(-static_cast<int64_t>(n));
}

std::string FillReportTemplate(std::string_view tmpl,
                               std::initializer_list<std::pair<std::string_view, std::string>> fields) {
    // Fill in order as the markers dictate, but leave a numbered stand-in
    // where each value goes and insert the values last, so no value is ever
    // searched for fields or markers.
    std::string work(tmpl);
    for (auto& c : work)
        if (c == '%') c = kMarker;
    size_t index = 0;
    for (const auto& [name, value] : fields) {
        std::string marked = std::string(1, kMarker) + std::string(name) + kMarker;
        std::string standIn = std::string(1, kFilledOpen) + std::to_string(index++) + kFilledClose;
        work = Replace(work, marked, standIn);
    }
    std::vector<const std::string*> values;
    for (const auto& field : fields) values.push_back(&field.second);
    std::string out;
    for (size_t i = 0; i < work.size(); ++i) {
        char c = work[i];
        if (c == kMarker) {
            out += '%';
        } else if (c == kFilledOpen) {
            size_t close = work.find(kFilledClose, i);
            out += *values[static_cast<size_t>(Val(work.substr(i + 1, close - i - 1)))];
            i = close;
        } else {
            out += c;
        }
    }
    return out;
}

std::string ReportTime() {
    DateParts t = SplitDate(Now());
    char buf[32];
    std::snprintf(buf, sizeof buf, "%02d/%02d/%02d %02d:%02d:%02d", t.month, t.day, t.year % 100, t.hour,
                  t.minute, t.second);
    return buf;
}

void ErrBuildReport(std::string_view sMethodName) {
    PreservedError& p = ErrState();
    int32_t n = p.Number;
    auto offset = [n](int32_t base) {
        return SignedOffset(static_cast<int32_t>(static_cast<uint32_t>(n) - static_cast<uint32_t>(base)));
    };
    p.ReportDescription = p.Description;
    p.Report = FillReportTemplate(kReportTemplate, {
                                                       {"nl", "\r\n"},
                                                       {"MethodName", std::string(sMethodName)},
                                                       {"Comp", ComputerName()},
                                                       {"Time", ReportTime()},
                                                       {"App", AppTitle()},
                                                       {"Ver", AppVersionText()},
                                                       {"ADOVersion", AdoVersion()},
                                                       {"ErrNum", std::to_string(n)},
                                                       {"ErrHex", Hex(n)},
                                                       {"ErrNumRel1", offset(vbObjectError)},
                                                       {"ErrNumRel2", offset(ERRMAP_APP_FIRST)},
                                                       {"ErrStd", n == ERR_GENERAL ? "= ERR_GENERAL" : ""},
                                                       {"Source", p.Source},
                                                       {"Descr", p.Description},
                                                   });
}

std::string ReportDescription(std::string_view sReport) {
    const PreservedError& p = ErrState();
    try {
        if (!p.Report.empty() && sReport == p.Report) return p.ReportDescription;
        std::string first(sReport.substr(0, sReport.find_first_of("\r\n")));
        // The template's blank after the description.
        if (EndsWith(first, " ")) first.pop_back();
        return first;
    } catch (...) {
        return "";
    }
}

void ReportAddLine(std::string_view sLine) {
    if (ErrIsUserError()) return;
    ErrState().Report.append(sLine).append("\r\n");
}

void ApiErrorLine() {
    int32_t code = ErrState().LastDllError;
    if (code == 0 || code == 203) return;
    ReportAddLine("  API Error: (" + std::to_string(code) + ") " + ApiErrorText(code));
}

std::string ValueText(const Variant& vValue) {
    try {
        switch (vValue.Kind()) {
            case VarKind::Array:
                return "{Array}";
            case VarKind::Empty:
                return "{Empty}";
            case VarKind::Null:
                return "{Null}";
            case VarKind::Integer:
            case VarKind::Long:
            case VarKind::Double:
            case VarKind::Currency:
            case VarKind::Boolean:
                return vValue.ToString();
            case VarKind::Date:
            case VarKind::String:
                return "'" + vValue.ToString() + "'";
            case VarKind::Object:
                return "{" + vValue.TypeName() + "}";
            case VarKind::Missing:
                return "";
        }
    } catch (...) {
    }
    return "{?}";
}

std::string ArgumentList(std::string_view sArgumentNames, const Variant& vArgs) {
    std::vector<std::string> names = Split(sArgumentNames, ",");
    VariantArray single;
    const VariantArray* values = &single;
    if (vArgs.IsArray())
        values = &vArgs.ArrayRef();
    else
        single.push_back(vArgs);
    std::string& blocks = ErrState().ValueBlocks;
    std::vector<std::string> items;
    for (size_t i = 0; i < values->size(); ++i) {
        std::string name = i < names.size() ? names[i] : "";
        std::string text = ValueText((*values)[i]);
        if (CharCount(text) > kMaxInlineValue || text.find('\n') != std::string::npos) {
            if (!blocks.empty()) blocks += "\r\n";
            blocks += "    Value Of " + name + ":";
            for (const auto& line : Lines(text)) blocks += "\r\n      " + line;
            text = "{Text}";
        }
        items.push_back(name.empty() ? text : name + "=" + text);
    }
    return Join(items, ", ");
}

void CallStackLine(std::string_view sMethodName, std::string_view sArgumentNames, const Variant& vArgs) {
    std::string line =
        "  Call Stack: " + std::string(sMethodName) + "(" + ArgumentList(sArgumentNames, vArgs) + ")";
    if (ErrState().Line != 0) line += "  at Line " + std::to_string(ErrState().Line);
    line += " ";
    size_t width = CharCount(line);
    if (width < kCallStackWidth) line.append(kCallStackWidth - width, '-');
    ReportAddLine(line);
    std::string& blocks = ErrState().ValueBlocks;
    if (!blocks.empty()) {
        ReportAddLine(blocks);
        blocks.clear();
    }
}
