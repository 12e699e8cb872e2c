#pragma once
// The one way markup is read: settings documents (files, text and the
// fragments ReplaceXML puts in), translation files and the text they
// convert, and the units' definitions all come through here, so what makes a
// document unfit is decided in one place:
// - the engine cannot read it (it is not well-formed);
// - it refers to character 0 (see NulReference.h);
// - its elements are nested deeper than kMaxElementDepth levels.
//
// No file of this system comes near that depth: query files, grid layouts,
// settings and chart definitions stay within a dozen levels.  Every level
// costs each walk over a document, and in a written file it costs each line
// below it its indentation, so a file of a hundred kilobytes nested tens of
// thousands of levels deep would cost gigabytes to save.  Such a document is
// refused as malformed instead, and the settings document never grows one
// (a write that would nest deeper raises 5).
//
// The engine itself reads, copies, searches and frees a document without
// recursion, so a document nested however deep is read and refused without
// exhausting the stack.
#include <pugixml.hpp>
#include <string>
#include <string_view>

inline constexpr int kMaxElementDepth = 256;

// Reads `text` into `doc` (whatever it held goes) with the engine's `options`
// and `encoding`.  Returns "" when the document is fit to use; otherwise why
// not, in a few words to follow "cannot be read: " ("not well-formed XML
// (Start-end tags mismatch at offset 38)", "elements nested deeper than 256
// levels"), and `doc` is left empty.  Raises 7 when memory runs out.
std::string ReadMarkup(pugi::xml_document& doc, std::string_view text, unsigned options,
                       pugi::xml_encoding encoding);
