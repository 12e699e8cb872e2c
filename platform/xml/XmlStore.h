#pragma once
// One XML document shared by every settings object and XML object that works
// on it.  A settings object attached to another, or handed out by Node, holds
// the same store, so a change made through one shows in all, and the document
// lives as long as any of them holds it.
//
// Settings objects keep node handles (bound element, selected element,
// current node).  A handle into a removed subtree would point at freed memory,
// so every removal goes through the store, which first tells each holder to
// step out of the subtree.
#include <cstdint>
#include <pugixml.hpp>
#include <string>
#include <vector>

#include "FindIndex.h"

// What the store tells a holder of node handles before a subtree goes.
class XmlNodeHolder {
public:
    virtual void NodeRemoving(pugi::xml_node removed) = 0;

protected:
    ~XmlNodeHolder() = default;
};

class XmlStore {
public:
    XmlStore() = default;
    XmlStore(const XmlStore&) = delete;
    XmlStore& operator=(const XmlStore&) = delete;

    pugi::xml_document& Document() { return doc_; }
    pugi::xml_node DocumentNode() { return doc_; }

    // The changed flag, shared by every object on this document.
    bool Modified() const { return modified_; }
    void SetModified(bool bModified) { modified_ = bModified; }
    // The file the document was loaded from ("" for one built in memory).
    const std::string& FileName() const { return fileName_; }
    void SetFileName(std::string sFile) { fileName_ = std::move(sFile); }
    // The XML object's selection language, kept with the document so that
    // every handle on the XML object sees the same setting.
    const std::string& SelectionLanguage() const { return selectionLanguage_; }
    void SetSelectionLanguage(std::string sLanguage) { selectionLanguage_ = std::move(sLanguage); }

    // Counts changes to the element structure (an element added, moved or
    // removed), so that cached child positions can tell they are stale.
    uint64_t Revision() const { return revision_; }
    void StructureChanged() { ++revision_; }

    void Register(XmlNodeHolder* holder);
    void Unregister(XmlNodeHolder* holder);

    // FindChild's answers kept beside the document (see FindIndex.h).
    FindIndex& Index() { return index_; }

    // Removes a node with its subtree, after every holder has stepped out.
    void RemoveNode(pugi::xml_node node);
    // Removes every child node (elements, text, comments) of a node.
    void RemoveChildren(pugi::xml_node node);

private:
    void Removing(pugi::xml_node node);

    pugi::xml_document doc_;
    bool modified_ = false;
    std::string fileName_;
    std::string selectionLanguage_ = "XSLPattern";
    uint64_t revision_ = 0;
    std::vector<XmlNodeHolder*> holders_;
    FindIndex index_;
};
