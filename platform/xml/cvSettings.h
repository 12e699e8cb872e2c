#pragma once
// The settings document ("cvSettings.Settings") over pugixml; its model is in interfaces/ISettings2.h.
#include <cstdint>
#include <memory>
#include <pugixml.hpp>
#include <string>
#include <vector>

#include "XmlStore.h"
#include "interfaces/ISettings2.h"
#include "kqXML.h"  // what XMLObject hands out
#include "kqXMLNode.h"

class cvSettings final : public ISettings2, private XmlNodeHolder {
public:
    static constexpr const char* kProgID = "cvSettings.Settings";

    cvSettings();
    ~cvSettings() override;
    cvSettings(const cvSettings&) = delete;
    cvSettings& operator=(const cvSettings&) = delete;

    void Attach(const Ref<ISettings2>& oSettings) override;
    Ref<ISettings2> Node() override;

    bool Select(const std::string& sPath) override;
    bool SelectRelative(const std::string& sPath) override;
    int32_t Count() override;
    bool SelectIndex(int32_t lIndex) override;
    bool MoveNext() override;
    bool SelectNext() override;
    bool FirstChild() override;
    bool NextSibling() override;

    Variant GetValue(const std::string& sPath) override;
    void SetValue(const std::string& sPath, const Variant& vValue) override;
    std::string Text() override;
    std::string Attribute(const std::string& sName) override;
    void SetAttribute(const std::string& sName, const Variant& vValue) override;
    void SetText(const Variant& vValue) override;
    bool FindChild(const std::string& sPath, const std::string& sAttribute, const Variant& vValue) override;
    bool CreateNode(const std::string& sElement, const std::string& sParentPath, int32_t l1 = -1,
                    int32_t l2 = -1, int32_t l3 = -1) override;
    void DeleteNode() override;
    void RemoveChildren() override;

    bool Modified() override;
    void SetModified(bool bModified) override;
    std::string FileName() override;
    bool Load(const std::string& sFile) override;
    bool LoadXML(const std::string& sXML) override;
    void Save(const std::string& sFile) override;
    // The text Save writes as sFile; raises 5 naming sFile for a document
    // without a root element.
    std::string SavedText(const std::string& sFile);
    std::string NodeXML() override;
    void ReplaceXML(const std::string& sXML, const std::string& sPath) override;
    Ref<kqXML> XMLObject() override;

    int32_t ChildCount() override;
    bool EnterChild(int32_t lIndex) override;
    bool LeaveChild() override;

    // Why this object's last Load or LoadXML failed, in a few words that
    // follow the file's name ("" after one that succeeded, or before any):
    // what the file system said ("No such file or directory", "it is a pipe,
    // not a regular file") or what is wrong with the markup ("not well-formed
    // XML (...)", "elements nested deeper than 256 levels").
    const std::string& LoadProblem() const { return loadProblem_; }

private:
    void BindTo(std::shared_ptr<XmlStore> store, pugi::xml_node node);
    void NodeRemoving(pugi::xml_node removed) override;

    // The first element (or the document) the path selects from `context`,
    // loaded documents falling back to their root element.
    pugi::xml_node FindNode(pugi::xml_node context, const std::string& sPath,
                            pugi::xpath_variable_set* variables = nullptr);
    pugi::xpath_node FindFirst(pugi::xml_node context, const std::string& sXPath,
                               pugi::xpath_variable_set* variables, bool elementsOnly);
    // The element at a path from the bound element, made (with whatever is
    // missing on the way) when absent; raises 5 for a path that cannot be made.
    pugi::xml_node ElementAt(const std::string& sPath);
    pugi::xml_node MakePath(const std::string& sPath, std::string& attribute);
    pugi::xml_node CurrentElement(const char* operation);
    bool MoveTo(pugi::xml_node node);

    std::shared_ptr<XmlStore> store_;
    pugi::xml_node bound_;
    pugi::xml_node selected_;
    pugi::xml_node current_;
    std::vector<pugi::xml_node> entered_;  // EnterChild's way back
    std::string loadProblem_;

    // SelectIndex walks on from the child it found last, so that a loop over
    // the children does not start from the first one each time.
    struct IndexCache {
        pugi::xml_node parent;
        int32_t index = -1;
        pugi::xml_node child;
        uint64_t revision = 0;
    } indexCache_;
    // Count keeps its answer until the document's structure changes, so that
    // a loop to Count over the children does not walk them all on each turn.
    struct CountCache {
        pugi::xml_node parent;
        int32_t count = 0;
        uint64_t revision = 0;
    } countCache_;
};

// The LoadProblem of a settings document ("" for any other object): callers
// hold their documents as ISettings2.
std::string LoadProblemOf(const Ref<ISettings2>& oSettings);
