#include "criteria/CCriteriaSet.h"

#include "core/CTools.h"
#include "core/Globals.h"
#include "core/RequiredOption.h"
#include "interfaces/IDataManager.h"
#include "interfaces/_cvDataManager.h"
#include "platform/ado/Recordset.h"
#include "platform/runtime/Error.h"
#include "platform/runtime/Text.h"
#include "sql/SqlValues.h"

namespace {

Variant Names(const Section& s) {
    VariantArray names;
    for (const char* name : s.attributes) names.emplace_back(name);
    return Variant(std::move(names));
}

Variant Values(std::vector<std::string> values) {
    VariantArray array;
    array.reserve(values.size());
    for (auto& v : values) array.emplace_back(std::move(v));
    return Variant(std::move(array));
}

// The value an entry gives one attribute; "" for one it does not name.
const std::string& ValueOf(const Section& s, const std::vector<std::string>& values, const char* name) {
    static const std::string kNone;
    for (int i = 0; i < s.attributes.count && i < static_cast<int>(values.size()); ++i) {
        if (std::string_view(s.attributes.names[i]) == name) return values[i];
    }
    return kNone;
}

bool NotBlank(const std::string& s) { return !Trim(s).empty(); }

}  // namespace

CCriteriaSet::CCriteriaSet(const CriteriaSetProfile& profile) : profile_(profile) {
    Run({"Class_Initialize()", profile_.construction}, {},
        [&] { settings_ = gTools()->NewSettingsObject(); });
}

std::string CCriteriaSet::Signature(std::string_view sSignature) const {
    // The constructor and the binding are the class's own, not its interface's.
    std::string s(profile_.className);
    s += '.';
    if (!StartsWith(sSignature, "Class_Initialize") && !StartsWith(sSignature, "ISettingsObject2_")) {
        s += profile_.interfaceName;
        s += '_';
    }
    s += sSignature;
    return s;
}

void CCriteriaSet::Settings(const Ref<ISettings2>& oSettings) {
    Run({"ISettingsObject2_Settings(oSettings)", profile_.binding}, ERR_ARGS(oSettings),
        [&] { settings_->Attach(oSettings); });
}

bool CCriteriaSet::Modified() {
    return Run({"Modified()", profile_.binding}, {}, [&] { return settings_->Modified(); });
}

void CCriteriaSet::SetModified(bool bModified) {
    Run({"Modified(bModified)", profile_.binding}, ERR_ARGS(bModified), [&] {
        if (ActiveQueryIsReadOnly()) return;
        settings_->SetModified(bModified);
    });
}

Ref<IDataLists> CCriteriaSet::ListsOfRoot() { return gDataManager()->Lists(); }

bool CCriteriaSet::Accepts(const Section& s, const std::vector<std::string>& values) {
    const Acceptance& a = s.accept;
    switch (a.kind) {
        case Acceptance::Always:
            return true;
        case Acceptance::AnyNotBlank:
            for (const char* name : a.names) {
                if (name && NotBlank(ValueOf(s, values, name))) return true;
            }
            return false;
        case Acceptance::MinOrMaxWithUnit:
            return NotBlank(ValueOf(s, values, a.names[0])) ||
                   (NotBlank(ValueOf(s, values, a.names[1])) && NotBlank(ValueOf(s, values, a.names[2])));
        case Acceptance::AtLeast: {
            // The value is the decimal text of a whole-number argument.
            const std::string& text = ValueOf(s, values, a.names[0]);
            int32_t n = 0;
            auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), n);
            return ec == std::errc() && end == text.data() + text.size() && n >= a.least;
        }
    }
    return false;
}

void CCriteriaSet::AddValues(const Section& s, std::vector<std::string> values) {
    if (!Accepts(s, values)) return;
    gTools()->AddQueryParameter(settings_, s.root, s.section, s.item, Names(s), Values(std::move(values)));
}

void CCriteriaSet::RemoveKey(const Section& s, const std::string& sKey) {
    gTools()->RemoveQueryParameter(settings_, s.item, Variant(s.attributes.Key()), Variant(sKey));
}

void CCriteriaSet::Clear(const Op& op, const Section& s) {
    Run(op, {}, [&] { gTools()->ClearQueryParameters(settings_, s.root, s.section); });
}

int32_t CCriteriaSet::Count(const Op& op, const Section& s) {
    return Run(op, {}, [&] { return gTools()->GetQueryParameterCount(settings_, s.root, s.section); });
}

std::string CCriteriaSet::List(const Op& op, const Section& s, const char* sAttribute, bool bQuoted) {
    return Run(op, {}, [&] {
        return gTools()->GetQueryParameterAttributeList(settings_, s.root, s.section, sAttribute, bQuoted);
    });
}

std::string CCriteriaSet::ByIndex(const Op& op, const MemberArgs& args, const Section& s,
                                  const char* sAttribute, int32_t lIndex) {
    return Run(op, args, [&] {
        return gTools()->GetQueryParameterByIndex(settings_, s.root, s.section, sAttribute, lIndex);
    });
}

void CCriteriaSet::Add(const Op& op, const MemberArgs& args, const Section& s,
                       std::vector<std::string> values) {
    Run(op, args, [&] { AddValues(s, std::move(values)); });
}

void CCriteriaSet::Remove(const Op& op, const MemberArgs& args, const Section& s, const std::string& sKey) {
    Run(op, args, [&] { RemoveKey(s, sKey); });
}

void CCriteriaSet::AddSearch(const Op& op, const MemberArgs& args, const Section& s,
                             const std::string& sText) {
    Run(op, args, [&] {
        std::string pattern = Replace(Replace(sText, "*", "%"), "?", "_");
        // Stored untrimmed; the by-index reader trims.
        if (NotBlank(pattern)) AddValues(s, {std::move(pattern)});
    });
}

void CCriteriaSet::AddDate(const Op& op, const MemberArgs& args, const char* root,
                           const std::string& sFieldName, const std::string& sDescription, int32_t lDateHigh,
                           int32_t lDateLow, const std::string& sDateStringHigh,
                           const std::string& sDateStringLow) {
    Run(op, args, [&] {
        // One open end is allowed; the other is stored as it came.
        if (lDateHigh <= 0 && lDateLow <= 0) return;
        AddValues(DatesOf(root), {sFieldName, sDescription, DecimalText(lDateHigh), DecimalText(lDateLow),
                                  sDateStringHigh, sDateStringLow});
    });
}

std::string CCriteriaSet::Search(const Op& op, const MemberArgs& args, const Section& s,
                                 const char* sKeyAttribute, const std::string& sKeyValue,
                                 const char* sAttribute) {
    return Run(op, args, [&] {
        return gTools()->GetQueryParameterSearch(settings_, s.root, s.section, s.item, sKeyAttribute,
                                                 sKeyValue, sAttribute);
    });
}

std::string CCriteriaSet::ByAttribute(const Op& op, const MemberArgs& args, const Section& s,
                                      const char* sKeyAttribute, const std::string& sKeyValue,
                                      const char* sAttribute) {
    return Run(op, args, [&] {
        return gTools()->GetQueryParameterByAttribute(settings_, s.root, s.section, s.item, sKeyAttribute,
                                                      sKeyValue, sAttribute);
    });
}

void CCriteriaSet::SetByKey(const Op& op, const MemberArgs& args, const Section& s, const char* sKeyAttribute,
                            const std::string& sKeyValue, const char* sAttribute, const std::string& sValue) {
    Run(op, args, [&] {
        gTools()->SetQueryParameter(settings_, s.root, s.section, s.item, sKeyAttribute, sKeyValue,
                                    Variant(sAttribute), Variant(sValue));
    });
}

std::string CCriteriaSet::SingleValue(const Op& op, const MemberArgs& args, const char* root,
                                      const char* section, const char* element) {
    return Run(op, args, [&] { return gTools()->GetQueryParameter(settings_, root, section, element); });
}

void CCriteriaSet::SetSingleValue(const Op& op, const MemberArgs& args, const char* root, const char* section,
                                  const char* element, const std::string& sValue) {
    Run(op, args, [&] {
        gTools()->AddQueryParameter(settings_, root, section, element, Variant::Missing(), Variant::Missing(),
                                    Variant(sValue));
    });
}

std::string CCriteriaSet::CodesByTemplate(const Op& op, const MemberArgs& args, const char* sKey,
                                          const char* sPlaceholder, const std::string& sCodes,
                                          const char* sColumn) {
    return Run(op, args, [&] {
        // The codes come from a query file or a host: only numbers reach the statement.
        std::string sql = ReplacePlaceholder(RequiredOption(sKey), sPlaceholder, SqlCodeList(sCodes));
        Ref<ADODB::Recordset> rs = gTools()->NewADODBRecordset();
        rs->Open(sql, gDataManagerObject()->Connection(), 3, 1);
        std::string list;
        for (; !rs->Eof(); rs->MoveNext()) {
            Variant code = rs->Fields(sColumn).Value();
            if (code.IsNull()) continue;
            if (!list.empty()) list += ',';
            list += code.ToString();
        }
        rs->Close();
        return list;
    });
}
