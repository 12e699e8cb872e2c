#include "cvSettings.h"

#include "ReadMarkup.h"
#include "XmlPath.h"
#include "kqXML.h"
#include "platform/runtime/AtomicWrite.h"
#include "platform/runtime/Codepage.h"
#include "platform/runtime/Error.h"
#include "platform/runtime/RegularFile.h"
#include "platform/runtime/Text.h"

using namespace xmlpath;

namespace {

const char* const kSource = "cvSettings";

[[noreturn]] void RaiseNoNode(const char* operation) {
    Raise(rt::kObjectNotSet, kSource,
          std::string(operation) + ": the settings object stands on no node (its element was removed)");
}

// A document nested deeper than a load accepts is never made either, so
// whatever is saved can be loaded again.
void CheckLevel(int level, const std::string& what) {
    if (level <= kMaxElementDepth) return;
    Raise(rt::kInvalidCall, kSource,
          what + " would nest elements deeper than " + std::to_string(kMaxElementDepth) +
              " levels, which no document may");
}

// An element's text is replaced, its child elements stay: writing a value
// never throws away structure below it.
void SetNodeText(pugi::xml_node element, const std::string& text) {
    for (pugi::xml_node child = element.first_child(); child;) {
        pugi::xml_node next = child.next_sibling();
        if (child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata)
            element.remove_child(child);
        child = next;
    }
    if (!text.empty()) element.prepend_child(pugi::node_pcdata).set_value(text.c_str());
}

pugi::xml_node ChildElementNamed(pugi::xml_node parent, const std::string& name) {
    for (pugi::xml_node c = FirstElement(parent); c; c = NextElement(c)) {
        if (name == c.name()) return c;
    }
    return {};
}

bool IsElementOrDocument(pugi::xml_node n) {
    return n.type() == pugi::node_element || n.type() == pugi::node_document;
}

// The first match in document order, elements (and the document) only or
// any node or attribute.  The declaration is never a match: it says how the
// file is written, is added when a document without one is saved, and so is
// no part of what a path reads or writes.
pugi::xpath_node FirstOf(const pugi::xpath_node_set& nodes, bool elementsOnly) {
    for (const pugi::xpath_node& found : nodes) {
        if (found.node().type() == pugi::node_declaration || found.parent().type() == pugi::node_declaration)
            continue;
        if (!elementsOnly) return found;
        if (found.node() && IsElementOrDocument(found.node())) return found;
    }
    return {};
}

pugi::xpath_node FirstMatch(const pugi::xpath_query& query, const std::string& sXPath, pugi::xml_node context,
                            bool elementsOnly) {
    pugi::xpath_node found = FirstOf(SelectNodes(query, sXPath, context, kSource), elementsOnly);
    if (!found && context.type() == pugi::node_document) {
        // A loaded document answers paths written from its root element too.
        pugi::xml_node root = FirstElement(context);
        if (root) found = FirstOf(SelectNodes(query, sXPath, root, kSource), elementsOnly);
    }
    return found;
}

// The encoding a document's declaration names; "" when it names none.
std::string DeclaredEncoding(std::string_view text) {
    if (!StartsWith(text, "<?xml")) return "";
    std::string_view declaration = text.substr(0, text.find("?>"));
    size_t at = declaration.find("encoding");
    if (at == std::string_view::npos) return "";
    size_t open = declaration.find_first_of("'\"", at);
    if (open == std::string_view::npos) return "";
    size_t close = declaration.find(declaration[open], open + 1);
    if (close == std::string_view::npos) return "";
    return std::string(declaration.substr(open + 1, close - open - 1));
}

}  // namespace

cvSettings::cvSettings() : store_(std::make_shared<XmlStore>()) {
    store_->Register(this);
    bound_ = selected_ = current_ = store_->DocumentNode();
}

cvSettings::~cvSettings() { store_->Unregister(this); }

void cvSettings::BindTo(std::shared_ptr<XmlStore> store, pugi::xml_node node) {
    if (store != store_) {
        store_->Unregister(this);
        store_ = std::move(store);
        store_->Register(this);
    }
    bound_ = selected_ = current_ = node;
    entered_.clear();
    indexCache_ = IndexCache{};
    countCache_ = CountCache{};
}

void cvSettings::NodeRemoving(pugi::xml_node removed) {
    indexCache_ = IndexCache{};
    countCache_ = CountCache{};
    if (bound_ && IsWithin(bound_, removed)) {
        bound_ = selected_ = current_ = pugi::xml_node();
        entered_.clear();
        return;
    }
    pugi::xml_node parent = removed.parent();
    if (selected_ && IsWithin(selected_, removed)) selected_ = parent;
    if (current_ && IsWithin(current_, removed)) current_ = parent;
    for (pugi::xml_node n : entered_) {
        if (IsWithin(n, removed)) {
            entered_.clear();
            break;
        }
    }
}

// ---- binding ----

void cvSettings::Attach(const Ref<ISettings2>& oSettings) {
    if (!oSettings) Raise(rt::kObjectNotSet, kSource, "Attach: no settings object given");
    Ref<cvSettings> other = TryCast<cvSettings>(oSettings);
    if (!other) Raise(rt::kTypeMismatch, kSource, "Attach: the object is not a settings document");
    pugi::xml_node node = other->current_ ? other->current_ : other->bound_;
    if (!node) RaiseNoNode("Attach");
    BindTo(other->store_, node);
}

Ref<ISettings2> cvSettings::Node() {
    if (!current_) RaiseNoNode("Node");
    auto node = std::make_shared<cvSettings>();
    node->BindTo(store_, current_);
    return Ref<ISettings2>(node);
}

// ---- finding ----

pugi::xml_node cvSettings::FindNode(pugi::xml_node context, const std::string& sPath,
                                    pugi::xpath_variable_set* variables) {
    std::string xpath = ToXPath(sPath);
    pugi::xpath_query query = Compile(xpath, kSource, variables, sPath);
    return FirstMatch(query, xpath, context, true).node();
}

bool cvSettings::Select(const std::string& sPath) {
    if (!bound_) return false;
    pugi::xml_node found = FindNode(bound_, sPath);
    if (!found) return false;
    selected_ = current_ = found;
    return true;
}

// Moves the current node only: a reader walking a container with
// SelectIndex reads each item's elements with SelectRelative ("Name", then
// "../SQL") and must still index the container on its next pass.
bool cvSettings::SelectRelative(const std::string& sPath) {
    if (!current_) return false;
    return MoveTo(FindNode(current_, sPath));
}

int32_t cvSettings::Count() {
    if (!selected_) return 0;
    CountCache& cache = countCache_;
    if (cache.parent != selected_ || cache.revision != store_->Revision())
        cache = CountCache{selected_, ChildElementCount(selected_), store_->Revision()};
    return cache.count;
}

bool cvSettings::SelectIndex(int32_t lIndex) {
    if (!selected_ || lIndex < 0) return false;
    pugi::xml_node child;
    IndexCache& cache = indexCache_;
    if (cache.parent == selected_ && cache.revision == store_->Revision() && cache.child &&
        cache.index <= lIndex) {
        child = cache.child;
        for (int32_t i = cache.index; child && i < lIndex; ++i) child = NextElement(child);
    } else {
        child = ChildElementAt(selected_, lIndex);
    }
    if (!child) return false;
    cache = IndexCache{selected_, lIndex, child, store_->Revision()};
    current_ = child;
    return true;
}

bool cvSettings::MoveTo(pugi::xml_node node) {
    if (!node) return false;
    current_ = node;
    return true;
}

bool cvSettings::MoveNext() { return current_ && MoveTo(NextElement(current_)); }

bool cvSettings::SelectNext() { return MoveNext(); }

bool cvSettings::NextSibling() { return MoveNext(); }

bool cvSettings::FirstChild() { return current_ && MoveTo(FirstElement(current_)); }

bool cvSettings::FindChild(const std::string& sPath, const std::string& sAttribute, const Variant& vValue) {
    if (!bound_ || vValue.IsNull()) return false;
    std::string value = vValue.ToString();
    if (!IsXmlName(sAttribute)) {
        Raise(rt::kInvalidCall, kSource,
              "FindChild: \"" + VisibleText(sAttribute) + "\" is not an attribute name");
    }
    std::string path = Trim(sPath);
    pugi::xml_node indexed;
    if (store_->Index().Find(bound_, path, sAttribute, value, indexed)) {
        if (!indexed) return false;
        current_ = indexed;
        return true;
    }
    // The value travels as an XPath variable, never as expression text, so
    // quotes or brackets in it cannot change what the expression means.
    std::string xpath;
    if (IsXmlName(path) || path == "*") {
        xpath = ".//" + path + "[@" + sAttribute + "=$v]";
    } else {
        xpath = "(" + ToXPath(path) + ")[@" + sAttribute + "=$v]";
    }
    pugi::xpath_variable_set variables;
    variables.set("v", value.c_str());
    pugi::xpath_query query = Compile(xpath, kSource, &variables, sPath);
    pugi::xml_node found = FirstMatch(query, xpath, bound_, true).node();
    if (!found || found.type() != pugi::node_element) return false;
    current_ = found;
    return true;
}

// ---- values ----

Variant cvSettings::GetValue(const std::string& sPath) {
    if (!bound_) return Variant::Null();
    std::string xpath = ToXPath(sPath);
    pugi::xpath_query query = Compile(xpath, kSource, nullptr, sPath);
    pugi::xpath_node found = FirstMatch(query, xpath, bound_, false);
    if (!found) return Variant::Null();
    return Variant(NodeText(found));
}

pugi::xml_node cvSettings::MakePath(const std::string& sPath, std::string& attribute) {
    SimplePath path;
    std::string why;
    if (!ParseSimplePath(sPath, path, &why)) {
        Raise(rt::kInvalidCall, kSource,
              "The path \"" + VisibleText(sPath) + "\" does not exist and cannot be created: " + why);
    }
    pugi::xml_node base = bound_;
    if (base.type() == pugi::node_document) {
        // The same rule as for reading: a path that does not begin with the
        // root element's name is written below the root element.
        pugi::xml_node root = FirstElement(base);
        if (root && (path.elements.empty() || path.elements[0] != root.name())) base = root;
    }
    for (size_t i = 0; i < path.elements.size(); ++i) {
        const std::string& name = path.elements[i];
        pugi::xml_node child = ChildElementNamed(base, name);
        if (!child) {
            CheckLevel(ElementLevel(base) + static_cast<int>(path.elements.size() - i),
                       "The path \"" + VisibleText(sPath) + "\"");
            child = base.append_child(name.c_str());
            if (!child)
                Raise(rt::kInvalidCall, kSource, "Cannot create the element \"" + VisibleText(name) + "\"");
            store_->StructureChanged();
        }
        base = child;
    }
    attribute = path.attribute;
    return base;
}

pugi::xml_node cvSettings::ElementAt(const std::string& sPath) {
    if (!bound_) RaiseNoNode("ElementAt");
    pugi::xml_node found = FindNode(bound_, sPath);
    if (found) return found;
    std::string attribute;
    found = MakePath(sPath, attribute);
    if (!attribute.empty()) {
        Raise(rt::kInvalidCall, kSource,
              "The path \"" + VisibleText(sPath) + "\" names an attribute, not an element");
    }
    return found;
}

void cvSettings::SetValue(const std::string& sPath, const Variant& vValue) {
    std::string text = vValue.ToString();
    if (!bound_) RaiseNoNode("SetValue");
    std::string xpath = ToXPath(sPath);
    pugi::xpath_query query = Compile(xpath, kSource, nullptr, sPath);
    pugi::xpath_node found = FirstMatch(query, xpath, bound_, false);
    if (found.attribute()) {
        std::string old = found.attribute().value();
        found.attribute().set_value(text.c_str());
        if (found.parent())
            store_->Index().AttributeSet(found.parent(), found.attribute().name(), true, old, text);
        return;
    }
    pugi::xml_node node = found.node();
    if (!node) {
        std::string attribute;
        node = MakePath(sPath, attribute);
        if (!attribute.empty()) {
            pugi::xml_attribute a = node.attribute(attribute.c_str());
            bool existed = a;
            std::string old = a.value();
            if (!a) a = node.append_attribute(attribute.c_str());
            if (!a)
                Raise(rt::kInvalidCall, kSource,
                      "SetValue: \"" + VisibleText(sPath) + "\" cannot hold an attribute");
            a.set_value(text.c_str());
            store_->Index().AttributeSet(node, attribute, existed, old, text);
            return;
        }
    }
    switch (node.type()) {
        case pugi::node_element:
            SetNodeText(node, text);
            break;
        case pugi::node_pcdata:
        case pugi::node_cdata:
            node.set_value(text.c_str());
            break;
        default:
            Raise(rt::kInvalidCall, kSource,
                  "SetValue: \"" + VisibleText(sPath) + "\" does not name an element");
    }
}

pugi::xml_node cvSettings::CurrentElement(const char* operation) {
    if (!current_) RaiseNoNode(operation);
    if (current_.type() != pugi::node_element) {
        Raise(rt::kInvalidCall, kSource, std::string(operation) + ": the current node is not an element");
    }
    return current_;
}

std::string cvSettings::Text() { return current_ ? NodeText(pugi::xpath_node(current_)) : std::string(); }

std::string cvSettings::Attribute(const std::string& sName) {
    if (!current_ || current_.type() != pugi::node_element) return "";
    return current_.attribute(sName.c_str()).value();
}

void cvSettings::SetAttribute(const std::string& sName, const Variant& vValue) {
    std::string text = vValue.ToString();
    pugi::xml_node element = CurrentElement("SetAttribute");
    if (!IsXmlName(sName)) {
        Raise(rt::kInvalidCall, kSource,
              "SetAttribute: \"" + VisibleText(sName) + "\" is not an attribute name");
    }
    pugi::xml_attribute a = element.attribute(sName.c_str());
    bool existed = a;
    std::string old = a.value();
    if (!a) a = element.append_attribute(sName.c_str());
    a.set_value(text.c_str());
    store_->Index().AttributeSet(element, sName, existed, old, text);
}

void cvSettings::SetText(const Variant& vValue) {
    std::string text = vValue.ToString();
    SetNodeText(CurrentElement("SetText"), text);
}

// ---- structure ----

bool cvSettings::CreateNode(const std::string& sElement, const std::string& sParentPath, int32_t, int32_t,
                            int32_t) {
    if (!IsXmlName(sElement)) {
        Raise(rt::kInvalidCall, kSource,
              "CreateNode: \"" + VisibleText(sElement) + "\" is not an element name");
    }
    pugi::xml_node parent = ElementAt(sParentPath);
    if (parent.type() == pugi::node_document) {
        // A document holds one root element; further elements go below it.
        pugi::xml_node root = FirstElement(parent);
        if (root) parent = root;
    }
    CheckLevel(ElementLevel(parent) + 1, "CreateNode: \"" + VisibleText(sElement) + "\"");
    pugi::xml_node element = parent.append_child(sElement.c_str());
    if (!element)
        Raise(rt::kInvalidCall, kSource,
              "CreateNode: \"" + VisibleText(sParentPath) + "\" cannot hold elements");
    store_->StructureChanged();
    current_ = element;
    return true;
}

void cvSettings::DeleteNode() {
    if (!current_) RaiseNoNode("DeleteNode");
    if (current_.type() == pugi::node_document) {
        Raise(rt::kInvalidCall, kSource, "DeleteNode: the document node cannot be deleted");
    }
    // The store moves every object standing in the node (this one included)
    // to its parent before the node goes.
    store_->RemoveNode(current_);
}

void cvSettings::RemoveChildren() {
    if (!current_) RaiseNoNode("RemoveChildren");
    store_->RemoveChildren(current_);
}

void cvSettings::ReplaceXML(const std::string& sXML, const std::string& sPath) {
    pugi::xml_document fragment;
    const std::string problem = ReadMarkup(fragment, sXML,
                                           pugi::parse_default | pugi::parse_fragment | pugi::parse_comments |
                                               pugi::parse_pi | pugi::parse_ws_pcdata_single,
                                           pugi::encoding_utf8);
    if (!problem.empty())
        Raise(rt::kInvalidCall, kSource, "ReplaceXML: the XML text cannot be read: " + problem);
    pugi::xml_node target = ElementAt(sPath);
    if (target.type() == pugi::node_document) {
        pugi::xml_node root = FirstElement(target);
        if (!root) {
            if (ChildElementCount(fragment) != 1) {
                Raise(rt::kInvalidCall, kSource, "ReplaceXML: a document holds exactly one root element");
            }
            // Text beside the root element is no part of a document: a file
            // cannot hold it.
            for (pugi::xml_node child : fragment.children()) {
                if (child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata) {
                    Raise(rt::kInvalidCall, kSource,
                          "ReplaceXML: a document holds no text beside its root element");
                }
            }
            for (pugi::xml_node child : fragment.children()) target.append_copy(child);
            store_->Index().Clear();
            store_->StructureChanged();
            return;
        }
        target = root;
    }
    // Markup that is one element of the target's own name takes the target's
    // place (its attributes and content); anything else becomes the target's
    // content.  The target element itself stays, so objects bound to it keep
    // standing on it.
    pugi::xml_node only = FirstElement(fragment);
    bool sameElement = only && !NextElement(only) && std::string(only.name()) == target.name();
    for (pugi::xml_node child : fragment.children()) {
        if (child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata) sameElement = false;
    }
    pugi::xml_node source = sameElement ? only : pugi::xml_node(fragment);
    CheckLevel(ElementLevel(target) + ElementDepth(source) - (sameElement ? 1 : 0),
               "ReplaceXML: the markup put in at \"" + VisibleText(sPath) + "\"");
    if (sameElement) {
        target.remove_attributes();
        for (pugi::xml_attribute a : only.attributes()) target.append_copy(a);
    }
    store_->RemoveChildren(target);
    for (pugi::xml_node child : source.children()) target.append_copy(child);
    store_->Index().Clear();
    store_->StructureChanged();
}

// ---- document ----

bool cvSettings::Modified() { return store_->Modified(); }

void cvSettings::SetModified(bool bModified) { store_->SetModified(bModified); }

std::string cvSettings::FileName() { return store_->FileName(); }

bool cvSettings::Load(const std::string& sFile) {
    // Only a regular file is read: a folder fails, and a pipe or device
    // could block the caller forever.  The answer is the flag; LoadProblem
    // keeps why.
    std::string text;
    if (!TryReadRegularFile(sFile, text, loadProblem_)) return false;
    // The engine reads UTF-8, UTF-16 and ISO-8859-1 as declared; files
    // written on Windows systems also come in Windows-1252, which it does not
    // know, so their text becomes UTF-8 first (and is saved as UTF-8).
    pugi::xml_encoding encoding = pugi::encoding_auto;
    if (EqualsNoCase(DeclaredEncoding(text), "windows-1252")) {
        text = FromWindows1252(text);
        encoding = pugi::encoding_utf8;
    }
    auto fresh = std::make_shared<XmlStore>();
    loadProblem_ = ReadMarkup(fresh->Document(), text, kParseOptions, encoding);
    if (!loadProblem_.empty()) return false;
    fresh->SetFileName(sFile);
    BindTo(fresh, fresh->DocumentNode());
    return true;
}

bool cvSettings::LoadXML(const std::string& sXML) {
    auto fresh = std::make_shared<XmlStore>();
    loadProblem_ = ReadMarkup(fresh->Document(), sXML, kParseOptions, pugi::encoding_utf8);
    if (!loadProblem_.empty()) return false;
    // The text usually comes from the file this object was loaded from (read,
    // converted, put back), so messages go on naming that file.
    fresh->SetFileName(store_->FileName());
    BindTo(fresh, fresh->DocumentNode());
    return true;
}

void cvSettings::Save(const std::string& sFile) { WriteFileAtomically(sFile, SavedText(sFile), kSource); }

std::string cvSettings::SavedText(const std::string& sFile) {
    // A document without a root element is what a failed LoadXML leaves in
    // a new object; writing it would replace a good file with nothing.
    if (!FirstElement(store_->DocumentNode())) {
        Raise(rt::kInvalidCall, kSource,
              "Cannot save \"" + VisibleText(sFile) + "\": the document has no root element");
    }
    return FileText(store_->Document());
}

std::string cvSettings::NodeXML() { return current_ ? Markup(current_) : std::string(); }

Ref<kqXML> cvSettings::XMLObject() { return New<kqXML>(store_); }

// ---- the child walk ----

int32_t cvSettings::ChildCount() { return current_ ? ChildElementCount(current_) : 0; }

bool cvSettings::EnterChild(int32_t lIndex) {
    if (!current_) return false;
    pugi::xml_node child = ChildElementAt(current_, lIndex);
    if (!child) return false;
    entered_.push_back(current_);
    current_ = child;
    return true;
}

bool cvSettings::LeaveChild() {
    if (entered_.empty()) return false;
    current_ = entered_.back();
    entered_.pop_back();
    return true;
}

std::string LoadProblemOf(const Ref<ISettings2>& oSettings) {
    Ref<cvSettings> settings = TryCast<cvSettings>(oSettings);
    return settings ? settings->LoadProblem() : std::string();
}
