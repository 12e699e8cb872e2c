#include "ReadMarkup.h"

#include "NulReference.h"
#include "XmlPath.h"
#include "platform/runtime/Error.h"

std::string ReadMarkup(pugi::xml_document& doc, std::string_view text, unsigned options,
                       pugi::xml_encoding encoding) {
    doc.reset();
    // Looked for before parsing: the engine ends a value at the NUL the
    // reference becomes, so the parsed document no longer shows it.
    if (HoldsNulReference(text)) return "a reference to character 0, which XML cannot hold";
    pugi::xml_parse_result parsed = doc.load_buffer(text.data(), text.size(), options, encoding);
    if (parsed.status == pugi::status_out_of_memory) Raise(rt::kOutOfMemory, "");
    if (!parsed) {
        doc.reset();
        return std::string("not well-formed XML (") + parsed.description() + " at offset " +
               std::to_string(parsed.offset) + ")";
    }
    if (xmlpath::ElementDepth(doc) > kMaxElementDepth) {
        doc.reset();
        return "elements nested deeper than " + std::to_string(kMaxElementDepth) + " levels";
    }
    return "";
}
