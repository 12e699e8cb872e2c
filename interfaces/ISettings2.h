#pragma once
// The settings document: an XML document bound to an element.  It carries the
// application settings, every query and its criteria sections, the grid
// layouts and the chart files.
//
// Paths are element names joined by "/" ("Options/Paths/DataFolder"), an
// attribute appended with "@" and no "/" before it ("YearRange@From"), and may
// carry XPath predicates ("Company[@CAPosition='3']").  "A/B/C" and "A/B@attr"
// resolve from the bound element; so does a path that begins with "/": it does
// not mean the top of the document, so code written against a bound element
// works whether or not it spells the leading "/".  GetValue of a path that is
// absent is Null.
//
// Three positions are kept apart:
// - the bound element, where every path starts (Attach and Node set it);
// - the selected element, whose child elements Count and SelectIndex address
//   (Select and Attach set it);
// - the current node, which Text, Attribute, SetAttribute, SetText,
//   DeleteNode, RemoveChildren, NodeXML, FirstChild and the child walk act on
//   (Select, SelectRelative, SelectIndex, MoveNext, FindChild, CreateNode and
//   the walks move it).
// A loop "SelectIndex(i) ... MoveNext" therefore still indexes the selected
// element's children on its next pass, and so does a loop that reads each
// child's elements with SelectRelative ("Name", then "../SQL").
//
// Attach binds a second object to a node of the same document: both work on
// one XML, so a change made through either shows in the other.
//
// A document that was loaded rather than attached is bound to the document
// node, and resolves a path first from the document node and, when nothing
// matches there, from the root element.  So a chart definition read as
// "TerralithChart/Chart/Title", a manifest read as "Colours" and
// "Charts/Field" below a root of any name, and the host's settings read as
// "Options/Paths/DataFolder" all find their elements.
//
// A failed Select, SelectIndex or move leaves every position as it was.  When
// an element is removed (DeleteNode, RemoveChildren, ReplaceXML) through any
// object on the same XML, an object whose current or selected node lay in the
// removed part moves to the removed element's parent; one whose bound element
// went stands on nothing: its reads answer Null, False, 0 or "" and its
// writes raise 91.
//
// Modified is one flag per XML: objects attached to one another share it.
// Only SetModified changes it (callers decide what counts as a change); a
// newly loaded XML starts unchanged.  Load and LoadXML give this object a new
// XML of its own; objects attached to the old one keep it.
//
// A write makes what is missing of a path only where every step is a name
// that the same path reads back: an XML name, with at most one ":" inside it
// (blanks around a step are XPath's and are no part of the name).  A path
// with any other step ("child::A", "a:1", "A/*", "..") writes where it reads
// when it matches, and otherwise raises 5 naming the path; read, it is Null
// where nothing matches.  CreateNode and SetAttribute take names by the same
// rule.
//
// What is saved reads back as it was written, through Save and Load and
// through the markup NodeXML and the XML object hand out: every element,
// attribute and text, a CR or control character in text included.  Content
// is element-only or text-only in these documents: the blanks that indent a
// file between elements are layout and are not read as text, while text of
// blanks alone that is an element's whole content is kept, and so is such
// text written beside child elements (it is written so that a reader does
// not take it for layout).  Not kept: an empty text node (the element reads
// "" either way, but a "text()" path finds nothing after a load), and where
// one text node ends and the next begins (text nodes side by side, as a
// deletion can leave them, read back as one).
//
// Load reads a file in the encoding its declaration names (UTF-8, UTF-16,
// ISO-8859-1 or Windows-1252).  A document whose elements are nested deeper
// than 256 levels is refused as malformed, and no write makes one.  A saved file begins with a declaration
// naming UTF-8, the encoding it is written in, whatever the document was
// read from.  The declaration is no
// node that a path reads or writes: "node()" passes over it, so a path finds
// the same node before and after a document without one is saved.  Only a
// position in a predicate ("node()[1]") still counts it.
//
// No member handles errors of its own: what one raises reaches the caller.
#include <cstdint>
#include <string>

#include "platform/runtime/Object.h"
#include "platform/runtime/Variant.h"

class kqXML;

class ISettings2 : public virtual Object {
public:
    // Binds this object to the node oSettings stands on, in the same XML; raises 91 for Nothing or an
    // object standing on no node, 13 for an object that is not a settings document.
    virtual void Attach(const Ref<ISettings2>& oSettings) = 0;
    // A new object bound to the current node (for ISettingsObject2::Settings); raises 91 on no node.
    virtual Ref<ISettings2> Node() = 0;

    // True when the path matches: the first match becomes selected and current; False (nothing moves)
    // when nothing matches or nothing is bound; raises 5 for a path that is no valid expression.
    virtual bool Select(const std::string& sPath) = 0;
    // As Select, but from the current node ("../SQL") and moving only the current node; raises 5 likewise.
    virtual bool SelectRelative(const std::string& sPath) = 0;
    // The number of child elements of the selected element; 0 when there is none; never fails.
    virtual int32_t Count() = 0;
    // Makes the selected element's child at the 0-based index current; False when none; never fails.
    virtual bool SelectIndex(int32_t lIndex) = 0;
    // Makes the current node's next sibling element current; False after the last; never fails.
    virtual bool MoveNext() = 0;
    // The same as MoveNext.
    virtual bool SelectNext() = 0;
    // Makes the current node's first child element current; False when it has none; never fails.
    virtual bool FirstChild() = 0;
    // The same as MoveNext.
    virtual bool NextSibling() = 0;

    // The element's text (with that of every element below it) or the attribute's value; Null when the
    // path is absent or nothing is bound; raises 5 for a path that is no valid expression.
    virtual Variant GetValue(const std::string& sPath) = 0;
    // Writes the element's text (its child elements stay) or the attribute, making what is missing;
    // raises 94 for Null, 91 when nothing is bound, 5 for an absent path that cannot be made (a step
    // that is no name, or deeper than 256 levels), naming the path.
    virtual void SetValue(const std::string& sPath, const Variant& vValue) = 0;
    // The current node's text, with that of every element below it; "" on no node; never fails.
    virtual std::string Text() = 0;
    // The current element's attribute; "" when it is absent or on no element; never fails.
    virtual std::string Attribute(const std::string& sName) = 0;
    // Sets or adds the current element's attribute; raises 94 for Null, 91 on no node, 5 when the
    // current node is no element or the name no XML name.
    virtual void SetAttribute(const std::string& sName, const Variant& vValue) = 0;
    // Replaces the current element's text, keeping its child elements; raises 94 for Null, 91 on no
    // node, 5 when the current node is no element.
    virtual void SetText(const Variant& vValue) = 0;
    // Makes current the first element below the bound one that the path (a bare name: at any depth)
    // names with that attribute value; False if none or Null; raises 5 for a bad path or attribute name.
    virtual bool FindChild(const std::string& sPath, const std::string& sAttribute,
                           const Variant& vValue) = 0;
    // Appends a new last child element to the element at the parent path (made when absent) and makes it
    // current; True.  l1 to l3 are unused.  Raises 5 for a bad name or path or one deeper than 256
    // levels, 91 when nothing is bound.
    virtual bool CreateNode(const std::string& sElement, const std::string& sParentPath, int32_t l1 = -1,
                            int32_t l2 = -1, int32_t l3 = -1) = 0;
    // Removes the current node; objects standing in it move to its parent; raises 91 on no node, 5 for
    // the document node.
    virtual void DeleteNode() = 0;
    // Removes every child of the current node, which stays; raises 91 on no node.
    virtual void RemoveChildren() = 0;

    // The changed flag of the XML, shared by the objects attached to it; never fails.
    virtual bool Modified() = 0;
    // Sets the changed flag; nothing else changes it; never fails.
    virtual void SetModified(bool bModified) = 0;
    // The file the XML was loaded from (for messages); "" when none; never fails.
    virtual std::string FileName() = 0;
    // Reads a regular file into a new XML of its own; False, with nothing changed, when the file is
    // missing, not a regular file, not well-formed XML or nested deeper than 256 levels.
    virtual bool Load(const std::string& sFile) = 0;
    // Replaces the XML by the markup, keeping the file name; False, with nothing changed, when it is
    // not well-formed or nested deeper than 256 levels.
    virtual bool LoadXML(const std::string& sXML) = 0;
    // Writes the whole document to a new file renamed over sFile (never a truncated file); raises 5
    // without a root element, 52 without a name, 70 or 75 when the file cannot be written.
    virtual void Save(const std::string& sFile) = 0;
    // The markup of the current node; "" on no node; never fails.
    virtual std::string NodeXML() = 0;
    // Markup that is one element of the target's own name takes the place of the element at the path
    // (made when absent); other markup becomes its content.  Raises 5 for unreadable markup, a path
    // that cannot be made, markup that would nest the document deeper than 256 levels, or markup for
    // an empty document that is not one element (comments and processing instructions aside), 91
    // when nothing is bound.
    virtual void ReplaceXML(const std::string& sXML, const std::string& sPath) = 0;
    // The XML object over the same XML; never fails.
    virtual Ref<kqXML> XMLObject() = 0;

    // The number of child elements of the current node; 0 on no node; never fails.
    virtual int32_t ChildCount() = 0;
    // Makes the current node's child element at the 0-based index current, remembering the way back;
    // False when there is none; never fails.
    virtual bool EnterChild(int32_t lIndex) = 0;
    // Goes back to the node the last EnterChild left; False when there is no way back; never fails.
    virtual bool LeaveChild() = 0;
};
