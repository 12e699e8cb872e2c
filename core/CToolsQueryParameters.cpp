// The routines that alone read and write the criteria sections of a query's
// XML.  A section is "<set root>/<section>/<item>"; an item carries its values
// in text attributes, the first of which is its key.  Values go in with
// quotes turned into back-quotes and backslashes doubled, and the readers
// halve the backslashes again.
#include "core/CTools.h"
#include "core/ErrorHandler.h"
#include "core/Globals.h"
#include "interfaces/IDataManager.h"
#include "interfaces/IQuery.h"
#include "interfaces/IQueryManager.h"
#include "platform/runtime/Text.h"
#include "platform/toolslib/cvStrings.h"

namespace {

std::string Halve(const std::string& s) { return Replace(s, "\\\\", "\\"); }
std::string DoubleBackslashes(const std::string& s) { return Replace(s, "\\", "\\\\"); }

// Attribute names and values may come as an array or as one value.
VariantArray AsArray(const Variant& v) {
    if (v.IsArray()) return v.ArrayRef();
    if (v.IsMissing()) return {};
    return {v};
}

// Value i of a writer's values, or "" where the caller gave fewer values than names.
std::string ValueAt(const VariantArray& values, size_t i) {
    if (i >= values.size() || values[i].IsMissing()) return "";
    return values[i].ToString();
}

}  // namespace

bool ActiveQueryIsReadOnly() { return gDataManager()->Queries()->Query("-1")->ReadOnly(); }

std::string CTools::GetQueryParameterAttributeList(Ref<ISettings2>& oParams, const std::string& sRoot,
                                                   const std::string& sParent, const std::string& sAttribute,
                                                   bool bQuoted) {
    return PassOn("CTools.GetQueryParameterAttributeList(oParams,sRoot,sParent,sAttribute,[bQuoted])",
                  ERR_ARGS(oParams, sRoot, sParent, sAttribute, bQuoted), [&] {
                      std::string list;
                      if (!oParams->Select(sRoot + "/" + sParent)) return list;
                      int32_t count = oParams->Count();
                      for (int32_t i = 0; i < count; ++i) {
                          oParams->SelectIndex(i);
                          std::string value = oParams->Attribute(sAttribute);
                          if (!value.empty()) list += "," + Halve(value);
                          oParams->MoveNext();
                      }
                      list = str_->TrimList(list, ",", 1);
                      if (bQuoted) list = str_->QuoteList(list, "''", ",");
                      return list;
                  });
}

int32_t CTools::GetQueryParameterCount(Ref<ISettings2>& oParams, const std::string& sRoot,
                                       const std::string& sParent) {
    return PassOn("CTools.GetQueryParameterCount(oParams,sRoot,sParent)", ERR_ARGS(oParams, sRoot, sParent),
                  [&] { return oParams->Select(sRoot + "/" + sParent) ? oParams->Count() : 0; });
}

std::string CTools::GetQueryParameterByAttribute(Ref<ISettings2>& oParams, const std::string& sRoot,
                                                 const std::string& sParent, const std::string& sElement,
                                                 const std::string& sKeyAttribute,
                                                 const std::string& sKeyValue,
                                                 const std::string& sAttribute) {
    return PassOn(
        "CTools.GetQueryParameterByAttribute(oParams,sRoot,sParent,sElement,sKeyAttribute,sKeyValue,"
        "sAttribute)",
        ERR_ARGS(oParams, sRoot, sParent, sElement, sKeyAttribute, sKeyValue, sAttribute), [&] {
            std::string result;
            if (oParams->Select(sRoot + "/" + sParent) &&
                oParams->FindChild(sElement, sKeyAttribute, sKeyValue))
                result = oParams->Attribute(sAttribute);
            return result;
        });
}

std::string CTools::GetQueryParameterByIndex(Ref<ISettings2>& oParams, const std::string& sRoot,
                                             const std::string& sParent, const std::string& sAttribute,
                                             int32_t lIndex) {
    std::string result;
    EndHere(*this, "CTools.GetQueryParameterByIndex(oParams,sRoot,sParent,sAttribute,lIndex)",
            ERR_ARGS(oParams, sRoot, sParent, sAttribute, lIndex), [&] {
                // A negative index names no item, whatever the document does with it.
                if (lIndex >= 0 && oParams->Select(sRoot + "/" + sParent) && lIndex < oParams->Count()) {
                    oParams->SelectIndex(lIndex);
                    result = Trim(Halve(oParams->Attribute(sAttribute)));
                }
            });
    return result;
}

std::string CTools::GetQueryParameter(Ref<ISettings2>& oParams, const std::string& sRoot,
                                      const std::string& sParent, const std::string& sElement,
                                      const std::string& sAttribute) {
    std::string result;
    EndHere(*this, "CTools.GetQueryParameter(oParams,sRoot,sParent,sElement,[sAttribute])",
            ERR_ARGS(oParams, sRoot, sParent, sElement, sAttribute), [&] {
                std::string path = sRoot + "/" + sParent + "/" + sElement;
                if (sAttribute.empty()) {
                    // A single value that was never written reads as "False".
                    Variant value = oParams->GetValue(path);
                    result = (value.IsNull() || value.ToString().empty()) ? "False" : value.ToString();
                } else {
                    Variant value = oParams->GetValue(path + "@" + sAttribute);
                    result = value.IsNull() ? "" : Halve(value.ToString());
                }
            });
    return result;
}

std::string CTools::GetQueryParameterSearch(Ref<ISettings2>& oParams, const std::string& sRoot,
                                            const std::string& sParent, const std::string& sElement,
                                            const std::string& sParameterIDName,
                                            const std::string& sParameterIDValue,
                                            const std::string& sParameterName) {
    return PassOn(
        "CTools.GetQueryParameterSearch(oParams,sRoot,sParent,sElement,sParameterIDName,sParameterIDValue,"
        "sParameterName)",
        ERR_ARGS(oParams, sRoot, sParent, sElement, sParameterIDName, sParameterIDValue, sParameterName),
        [&] {
            // The search covers the whole bound element: the set root and
            // section are not selected first.
            std::string result;
            if (oParams->FindChild(sElement, sParameterIDName, sParameterIDValue))
                result = oParams->Attribute(sParameterName);
            return result;
        });
}

Variant CTools::SetQueryParameter(Ref<ISettings2>& oParams, const std::string& sRoot,
                                  const std::string& sParent, const std::string& sElement,
                                  const std::string& sParameterIDName, const std::string& sParameterIDValue,
                                  const Variant& avAttributeNames, const Variant& avAttributeValues) {
    EndHere(*this,
            "CTools.SetQueryParameter(oParams,sRoot,sParent,sElement,sParameterIDName,sParameterIDValue,"
            "avAttributeNames,avAttributeValues)",
            ERR_ARGS(oParams, sRoot, sParent, sElement, sParameterIDName, sParameterIDValue, avAttributeNames,
                     avAttributeValues),
            [&] {
                if (ActiveQueryIsReadOnly()) return;
                // Marked before anything else: a call that then finds nothing
                // to change still counts as a change.
                oParams->SetModified(true);
                VariantArray names = AsArray(avAttributeNames);
                VariantArray values = AsArray(avAttributeValues);
                for (auto& v : values)
                    if (!v.IsMissing()) v = Variant(DoubleBackslashes(v.ToString()));
                if (!oParams->FindChild(sElement, sParameterIDName, sParameterIDValue)) return;
                for (size_t i = 0; i < names.size(); ++i)
                    oParams->SetAttribute(names[i].ToString(), ValueAt(values, i));
            });
    return Variant();
}

Variant CTools::AddQueryParameter(Ref<ISettings2>& oParams, const std::string& sParent,
                                  const std::string& sSection, const std::string& sElement,
                                  const Variant& avAttributeNames, const Variant& avAttributeValues,
                                  const Variant& sElementValue) {
    EndHere(
        *this,
        "CTools.AddQueryParameter(oParams,sParent,sSection,sElement,[avAttributeNames],[avAttributeValues],"
        "[sElementValue])",
        ERR_ARGS(oParams, sParent, sSection, sElement, avAttributeNames, avAttributeValues, sElementValue),
        [&] {
            if (ActiveQueryIsReadOnly()) return;
            oParams->SetModified(true);
            std::string sectionPath = sParent + "/" + sSection;
            auto ensureSection = [&] {
                if (!oParams->Select(sectionPath)) oParams->CreateNode(sSection, sParent, -1, -1, -1);
            };
            VariantArray names = AsArray(avAttributeNames);
            if (names.empty()) {
                // A single value: the element's text.
                ensureSection();
                std::string elementPath = sectionPath + "/" + sElement;
                if (!oParams->Select(elementPath)) oParams->CreateNode(sElement, sectionPath, -1, -1, -1);
                std::string text = sElementValue.IsMissing() ? "" : sElementValue.ToString();
                oParams->SetText(FixupSQLParameterData(text));
                return;
            }
            VariantArray values = AsArray(avAttributeValues);
            for (auto& v : values)
                if (!v.IsMissing()) v = Variant(FixupSQLParameterData(v.ToString()));
            // The first attribute is the item's key: an item that already
            // carries it stays as it is.
            if (oParams->FindChild(sectionPath + "/" + sElement, names[0].ToString(),
                                   Variant(ValueAt(values, 0))))
                return;
            ensureSection();
            oParams->CreateNode(sElement, sectionPath, -1, -1, -1);
            for (size_t i = 0; i < names.size(); ++i)
                oParams->SetAttribute(names[i].ToString(), ValueAt(values, i));
        });
    return Variant();
}

void CTools::RemoveQueryParameter(Ref<ISettings2>& oParams, const std::string& sElement,
                                  const Variant& avAttributeNames, const Variant& avAttributeValues) {
    EndHere(*this, "CTools.RemoveQueryParameter(oParams,sElement,[avAttributeNames],[avAttributeValues])",
            ERR_ARGS(oParams, sElement, avAttributeNames, avAttributeValues), [&] {
                if (ActiveQueryIsReadOnly()) return;
                VariantArray names = AsArray(avAttributeNames);
                VariantArray values = AsArray(avAttributeValues);
                // The given values are compared in the form the adder stored
                // them in, so an item holding a quote or a backslash can go.
                std::vector<std::string> stored;
                for (size_t i = 0; i < names.size(); ++i)
                    stored.push_back(FixupSQLParameterData(ValueAt(values, i)));
                for (size_t i = 0; i < names.size(); ++i) {
                    if (!oParams->FindChild(sElement, names[i].ToString(), Variant(stored[i]))) continue;
                    bool all = true;
                    for (size_t j = 0; j < names.size() && all; ++j)
                        all = oParams->Attribute(names[j].ToString()) == stored[j];
                    if (!all) continue;
                    oParams->DeleteNode();
                    // Only a removal that took something away is a change.
                    oParams->SetModified(true);
                }
            });
}

Variant CTools::ClearQueryParameters(Ref<ISettings2>& oParams, const std::string& sRoot,
                                     const std::string& sParent) {
    PassOn("CTools.ClearQueryParameters(oParams,sRoot,sParent)", ERR_ARGS(oParams, sRoot, sParent), [&] {
        if (ActiveQueryIsReadOnly()) return;
        oParams->SetModified(true);
        if (oParams->Select(sRoot + "/" + sParent)) oParams->RemoveChildren();
    });
    return Variant();
}

std::string CTools::FixupSQLParameterData(const std::string& sValue) {
    return PassOn("CTools.FixupSQLParameterData(sValue)", ERR_ARGS(sValue),
                  [&] { return DoubleBackslashes(Replace(sValue, "'", "`")); });
}
