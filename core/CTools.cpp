#include "core/CTools.h"

#include <algorithm>

#include "core/CreateObject.h"
#include "core/ErrorHandler.h"
#include "core/HuntERR31.h"
#include "platform/ado/Recordset.h"
#include "platform/i18n/i18N.h"
#include "platform/runtime/Text.h"
#include "platform/runtime/cvCollection.h"
#include "platform/toolslib/FileSystemObject.h"
#include "platform/toolslib/cvControlHandlers.h"
#include "platform/toolslib/cvData.h"
#include "platform/toolslib/cvFileIO.h"
#include "platform/toolslib/cvGraphics.h"
#include "platform/toolslib/cvMessaging.h"
#include "platform/toolslib/cvStrings.h"
#include "platform/toolslib/cvSystem.h"
#include "platform/toolslib/cvWindows.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/MsgBox.h"
#include "platform/ui/NetworkName.h"
#include "platform/xml/kqXML.h"

CTools::CTools() {
    PassOn("CTools.Class_Initialize()", ERR_ARGS(), [&] {
        // The order the components are made in is the order a failure to
        // make one is met in.
        windows_ = CreateObjectAs<cvWindows>("cvTools2.cvWindows");
        str_ = CreateObjectAs<cvStrings>("cvTools2.cvStrings");
        system_ = CreateObjectAs<cvSystem>("cvTools2.cvSystem");
        fso_ = New<FileSystemObject>();
        msg_ = CreateObjectAs<cvMessaging>("cvTools2.cvMessaging");
        controls_ = CreateObjectAs<cvControlHandlers>("cvTools2.cvControlHandlers");
        io_ = CreateObjectAs<cvFileIO>("cvTools2.cvFileIO");
        graphics_ = CreateObjectAs<cvGraphics>("cvTools2.cvGraphics");
        data_ = CreateObjectAs<cvData>("cvTools2.cvData");
        i18n_ = CreateObjectAs<::i18N>("cvi18N.i18N");
    });
}

CTools::~CTools() {
    // Released in the order they were made; a release never fails outward.
    windows_.Reset();
    str_.Reset();
    system_.Reset();
    fso_.Reset();
    msg_.Reset();
    controls_.Reset();
    io_.Reset();
    graphics_.Reset();
    data_.Reset();
    i18n_.Reset();
}

std::string CTools::ConvertPathToUNC(const std::string& sPath) {
    return PassOn("CTools.ConvertPathToUNC(sPath)", ERR_ARGS(sPath), [&] {
        std::string result;
        if (InStr(sPath, ":", 1, true) == 0) {
            result = sPath;
        } else {
            std::string local = str_->Token(sPath, ":", 0, 1) + ":";
            std::string remote(255, ' ');
            switch (ui::WNetGetConnection(local, remote)) {
                case ui::NO_ERROR:
                    // Everything after the first colon is the path below the share.
                    result = str_->WithTrailingSeparator(str_->CutAtNull(Trim(remote), 1), 1) +
                             str_->Token(sPath, ":", 1, 0);
                    break;
                case ui::ERROR_CONNECTION_UNAVAIL:
                    // A path is a value: a "||" in it is no line break.
                    ui::MsgBox(
                        MessageText("Unable to connect to path:||%0||||If this is a network drive it "
                                    "may not be connected",
                                    Variant(local)));
                    break;
                case ui::ERROR_NOT_CONNECTED:
                    result = sPath;
                    break;
                default:
                    ui::MsgBox(
                        MessageText("Unable to resolve path:||%0||||Please ensure the database exists in "
                                    "the specified folder.",
                                    Variant(sPath)));
                    break;
            }
        }
        return str_->WithTrailingSeparator(Trim(result), 0);
    });
}

std::string CTools::RemoveStrings(const std::string& sAllValues, const std::string& sExcludeValues) {
    return PassOn("CTools.RemoveStrings(sAllValues,sExcludeValues)", ERR_ARGS(sAllValues, sExcludeValues),
                  [&] {
                      std::string wrapped = "," + str_->TrimList(sAllValues, ",", 1) + ",";
                      std::string excluded = str_->TrimList(sExcludeValues, ",", 1);
                      for (const std::string& item : Split(excluded, ",")) {
                          if (item.empty()) continue;
                          std::string needle = "," + item + ",";
                          if (InStr(wrapped, needle, 1, true) == 0) continue;
                          // Repeat until none is left: one left-to-right pass lets the second
                          // of two equal neighbours survive.
                          while (wrapped.find(needle) != std::string::npos)
                              wrapped = Replace(wrapped, needle, ",");
                      }
                      return str_->TrimList(wrapped, ",", 1);
                  });
}

namespace {

// Splits UTF-8 text into its characters, so a letter is never cut apart.
std::vector<std::string> Characters(const std::string& s) {
    std::vector<std::string> chars;
    for (size_t i = 0; i < s.size();) {
        auto b = static_cast<unsigned char>(s[i]);
        size_t len = b < 0x80             ? 1
                     : (b & 0xE0) == 0xC0 ? 2
                     : (b & 0xF0) == 0xE0 ? 3
                     : (b & 0xF8) == 0xF0 ? 4
                                          : 1;
        len = std::min(len, s.size() - i);
        chars.push_back(s.substr(i, len));
        i += len;
    }
    return chars;
}

}  // namespace

std::string CTools::Sort(const std::string& sValue) {
    return PassOn("CTools.Sort(sValue)", ERR_ARGS(sValue), [&] {
        // A stable sort by text comparison: the same order as exchanging
        // neighbours only when the first sorts strictly after the second.
        std::vector<std::string> chars = Characters(sValue);
        std::stable_sort(chars.begin(), chars.end(),
                         [](const std::string& a, const std::string& b) { return CompareNoCase(a, b) < 0; });
        std::string out;
        for (const auto& c : chars) out += c;
        return out;
    });
}

void CTools::Clip(std::string& sValue) {
    PassOn("CTools.Clip(sValue)", ERR_ARGS(sValue), [&] {
        ui::Clipboard::Clear();
        ui::Clipboard::SetText(sValue);
    });
}

Ref<cvCollection> CTools::NewCollection() {
    return PassOn("CTools.NewCollection()", ERR_ARGS(),
                  [&] { return CreateObjectAs<cvCollection>("cvTools2.cvCollection"); });
}

Ref<ISettings2> CTools::NewSettingsObject() {
    return PassOn("CTools.NewSettingsObject()", ERR_ARGS(),
                  [&] { return CreateObjectAs<ISettings2>("cvSettings.Settings"); });
}

Ref<ADODB::Recordset> CTools::NewADODBRecordset() {
    return PassOn("CTools.NewADODBRecordset()", ERR_ARGS(),
                  [&] { return CreateObjectAs<ADODB::Recordset>("ADODB.Recordset"); });
}

Ref<kqXML> CTools::NewXMLObject() {
    return PassOn("CTools.NewXMLObject()", ERR_ARGS(), [&] { return CreateObjectAs<kqXML>("kqXML3.kqXML"); });
}

void CTools::DestroyRecordset(Ref<ADODB::Recordset>& rs) {
    PassOn("CTools.DestroyRecordset(rs)", ERR_ARGS(rs), [&] {
        if (!rs) return;
        if (rs->State() == 1) rs->Close();
        rs.Reset();
    });
}

std::string CTools::FormatDate(int32_t lDate) {
    return PassOn("CTools.FormatDate(lDate)", ERR_ARGS(lDate), [&] { return FormatDateMDY(lDate); });
}
