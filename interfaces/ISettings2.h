#pragma once
// The settings document: an XML document bound to an element, addressed by
// element paths joined by "/" relative to that element ("Options/Paths/DataFolder";
// an attribute as "Path@Name").  It keeps a selected element (whose children
// Count and SelectIndex address) apart from the current node (which most
// operations act on).
#include <cstdint>
#include <string>

#include "platform/runtime/Object.h"
#include "platform/runtime/Variant.h"

class kqXML;

class ISettings2 : public virtual Object {
public:
    // Binds this document to the element another document (or node) stands on,
    // in the same XML: changes show in both.
    virtual void Attach(const Ref<ISettings2>& oSettings) = 0;
    // A document standing on the current node.
    virtual Ref<ISettings2> Node() = 0;

    virtual bool Select(const std::string& sPath) = 0;
    virtual bool SelectRelative(const std::string& sPath) = 0;
    virtual int32_t Count() = 0;
    virtual bool SelectIndex(int32_t lIndex) = 0;
    virtual bool MoveNext() = 0;
    virtual bool SelectNext() = 0;
    virtual bool FirstChild() = 0;
    virtual bool NextSibling() = 0;

    virtual Variant GetValue(const std::string& sPath) = 0;
    virtual void SetValue(const std::string& sPath, const Variant& vValue) = 0;
    virtual std::string Text() = 0;
    virtual std::string Attribute(const std::string& sName) = 0;
    virtual void SetAttribute(const std::string& sName, const Variant& vValue) = 0;
    virtual void SetText(const Variant& vValue) = 0;
    virtual bool FindChild(const std::string& sPath, const std::string& sAttribute,
                           const Variant& vValue) = 0;
    virtual bool CreateNode(const std::string& sElement, const std::string& sParentPath, int32_t l1 = -1,
                            int32_t l2 = -1, int32_t l3 = -1) = 0;
    virtual void DeleteNode() = 0;
    virtual void RemoveChildren() = 0;

    virtual bool Modified() = 0;
    virtual void SetModified(bool bModified) = 0;
    virtual std::string FileName() = 0;
    virtual bool Load(const std::string& sFile) = 0;
    virtual bool LoadXML(const std::string& sXML) = 0;
    virtual void Save(const std::string& sFile) = 0;
    virtual std::string NodeXML() = 0;
    virtual void ReplaceXML(const std::string& sXML, const std::string& sPath) = 0;
    virtual Ref<kqXML> XMLObject() = 0;

    // The current node read as an XML node: its child elements and a walk
    // into them and back.
    virtual int32_t ChildCount() = 0;
    virtual bool EnterChild(int32_t lIndex) = 0;
    virtual bool LeaveChild() = 0;
};
