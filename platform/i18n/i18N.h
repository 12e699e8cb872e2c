#pragma once
// The translation component (program id "cvi18N.i18N").  Query files and grid
// layouts are stored in one fixed language; a user working in another sees
// their stored words in his own.  Files are converted to the user's language
// after they are read (ToUserLanguage) and back before they are written
// (ToStoredForm).
//
// The translation file names the user's language and pairs each stored term
// with the user's term:
//
//   <Translations Language="nb">
//     <Term Stored="Field" User="Felt"/>
//     <Term Stored="Well" User="Brønn"/>
//   </Translations>
//
// Both attributes are required and not empty.  A stored term may appear more
// than once only with the same user term, and no two stored terms may share a
// user term, and no term holds "]]>" (a CDATA section cannot hold it): the
// conversion must be reversible.  A file without terms, or no file at all
// (""), leaves every text as it is.
//
// What is translated: an attribute value, or the text of an element (a text
// or CDATA section), that equals a term as a whole, byte for byte.  Element and
// attribute names, comments and processing instructions are never touched, and
// a term inside a longer value is not replaced; so converting one way and back
// gives the stored text again, as long as the stored text holds no user term
// of its own.
//
// Every conversion reads its text as XML and refuses what is not well formed
// (a comment holding "--" or ending in "-" included).  A text in which nothing
// needs translating comes back byte for byte; one in which something was
// translated is written again without added formatting (the whitespace inside
// the document element is kept, the XML declaration is kept, whitespace
// between the top-level parts of the document is not).
#include <cstdint>
#include <string>
#include <unordered_map>

#include "platform/runtime/Object.h"

class i18N final : public virtual Object {
public:
    static constexpr const char* kProgID = "cvi18N.i18N";
    // A translation file, or a text to convert, that cannot be used.
    static constexpr int32_t kErrInvalid = static_cast<int32_t>(0x80041837u);

    // Loads the translation file; "" clears every term.  A missing file raises
    // 53, one that is no regular file (a folder, a pipe) 75, one that may not
    // be read 70, a malformed one kErrInvalid; the terms loaded
    // before stay in force when loading fails.
    void LoadTranslations(const std::string& sFile);
    // The text converted to the user's language; raises kErrInvalid naming
    // sFile (the file the text was read from) when it is not one well-formed
    // document.
    std::string ToUserLanguage(const std::string& sXML, const std::string& sFile = "") const;
    // The text converted back to the stored language; raises as ToUserLanguage,
    // naming sFile (the file it is written to).
    std::string ToStoredForm(const std::string& sXML, const std::string& sFile = "") const;

    // The Language attribute of the file loaded ("" without one), the file
    // and the number of distinct terms.
    const std::string& Language() const { return language_; }
    const std::string& FileName() const { return file_; }
    int32_t TermCount() const { return static_cast<int32_t>(toUser_.size()); }

    std::string TypeName() const override { return "i18N"; }

private:
    using TermMap = std::unordered_map<std::string, std::string>;
    static std::string Translate(const std::string& sXML, const TermMap& terms, const std::string& sFile);

    TermMap toUser_;
    TermMap toStored_;
    std::string language_;
    std::string file_;
};
