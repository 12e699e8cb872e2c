#pragma once
// The shared utility object every class reaches (one per thread, gTools()):
// it holds the tools-library components, makes new collections, settings
// documents, record sets and XML objects, and carries the path and text
// utilities and the routines that alone read and write single query
// parameters in a query's XML.
#include <cstdint>
#include <string>

#include "core/ErrorDisplay.h"
#include "interfaces/ISettings2.h"
#include "platform/runtime/Object.h"
#include "platform/runtime/Variant.h"

class cvWindows;
class cvStrings;
class cvSystem;
class FileSystemObject;
class cvMessaging;
class cvControlHandlers;
class i18N;
class cvFileIO;
class cvGraphics;
class cvData;
class cvCollection;
class kqXML;
namespace ADODB {
class Recordset;
}

class CTools final : public virtual Object, public ShowsErrors<ErrDisplay::A> {
public:
    CTools();
    ~CTools() override;

    // The tools-library components, created with the object.
    Ref<cvWindows> Windows() const { return windows_; }
    void SetWindows(const Ref<cvWindows>& v) { windows_ = v; }
    Ref<cvStrings> Str() const { return str_; }
    void SetStr(const Ref<cvStrings>& v) { str_ = v; }
    Ref<cvSystem> System() const { return system_; }
    void SetSystem(const Ref<cvSystem>& v) { system_ = v; }
    Ref<FileSystemObject> FSO() const { return fso_; }
    void SetFSO(const Ref<FileSystemObject>& v) { fso_ = v; }
    Ref<cvMessaging> msg() const { return msg_; }
    void Setmsg(const Ref<cvMessaging>& v) { msg_ = v; }
    Ref<cvControlHandlers> Controls() const { return controls_; }
    void SetControls(const Ref<cvControlHandlers>& v) { controls_ = v; }
    Ref<::i18N> i18N() const { return i18n_; }
    void Seti18N(const Ref<::i18N>& v) { i18n_ = v; }
    Ref<cvFileIO> IO() const { return io_; }
    void SetIO(const Ref<cvFileIO>& v) { io_ = v; }
    Ref<cvGraphics> Graphics() const { return graphics_; }
    void SetGraphics(const Ref<cvGraphics>& v) { graphics_ = v; }
    Ref<cvData> Data() const { return data_; }
    void SetData(const Ref<cvData>& v) { data_ = v; }

    // Path and text utilities.
    std::string ConvertPathToUNC(const std::string& sPath);
    std::string RemoveStrings(const std::string& sAllValues, const std::string& sExcludeValues);
    std::string Sort(const std::string& sValue);
    void Clip(std::string& sValue);

    // Factories: every call makes a fresh object.
    Ref<cvCollection> NewCollection();
    Ref<ISettings2> NewSettingsObject();
    Ref<ADODB::Recordset> NewADODBRecordset();
    Ref<kqXML> NewXMLObject();
    // Closes the record set when it is open, then empties the caller's reference.
    void DestroyRecordset(Ref<ADODB::Recordset>& rs);

    std::string FormatDate(int32_t lDate);

    // Query-parameter routines: readers and writers of the criteria sections
    // of a query's XML.  The writers change nothing while the active query is
    // read-only.
    std::string GetQueryParameterAttributeList(Ref<ISettings2>& oParams, const std::string& sRoot,
                                               const std::string& sParent, const std::string& sAttribute,
                                               bool bQuoted = false);
    int32_t GetQueryParameterCount(Ref<ISettings2>& oParams, const std::string& sRoot,
                                   const std::string& sParent);
    std::string GetQueryParameterByAttribute(Ref<ISettings2>& oParams, const std::string& sRoot,
                                             const std::string& sParent, const std::string& sElement,
                                             const std::string& sKeyAttribute, const std::string& sKeyValue,
                                             const std::string& sAttribute);
    std::string GetQueryParameterByIndex(Ref<ISettings2>& oParams, const std::string& sRoot,
                                         const std::string& sParent, const std::string& sAttribute,
                                         int32_t lIndex);
    std::string GetQueryParameter(Ref<ISettings2>& oParams, const std::string& sRoot,
                                  const std::string& sParent, const std::string& sElement,
                                  const std::string& sAttribute = "");
    std::string GetQueryParameterSearch(Ref<ISettings2>& oParams, const std::string& sRoot,
                                        const std::string& sParent, const std::string& sElement,
                                        const std::string& sParameterIDName,
                                        const std::string& sParameterIDValue,
                                        const std::string& sParameterName);
    Variant SetQueryParameter(Ref<ISettings2>& oParams, const std::string& sRoot, const std::string& sParent,
                              const std::string& sElement, const std::string& sParameterIDName,
                              const std::string& sParameterIDValue, const Variant& avAttributeNames,
                              const Variant& avAttributeValues);
    Variant AddQueryParameter(Ref<ISettings2>& oParams, const std::string& sParent,
                              const std::string& sSection, const std::string& sElement,
                              const Variant& avAttributeNames = Variant::Missing(),
                              const Variant& avAttributeValues = Variant::Missing(),
                              const Variant& sElementValue = Variant::Missing());
    void RemoveQueryParameter(Ref<ISettings2>& oParams, const std::string& sElement,
                              const Variant& avAttributeNames = Variant::Missing(),
                              const Variant& avAttributeValues = Variant::Missing());
    Variant ClearQueryParameters(Ref<ISettings2>& oParams, const std::string& sRoot,
                                 const std::string& sParent);
    std::string FixupSQLParameterData(const std::string& sValue);

    std::string TypeName() const override { return "CTools"; }

private:
    Ref<cvWindows> windows_;
    Ref<cvStrings> str_;
    Ref<cvSystem> system_;
    Ref<FileSystemObject> fso_;
    Ref<cvMessaging> msg_;
    Ref<cvControlHandlers> controls_;
    Ref<::i18N> i18n_;
    Ref<cvFileIO> io_;
    Ref<cvGraphics> graphics_;
    Ref<cvData> data_;
};

// True while the active query is read-only: the query-parameter writers and
// the criteria sets' Modified then change nothing.
bool ActiveQueryIsReadOnly();
