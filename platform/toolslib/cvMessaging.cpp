#include "cvMessaging.h"

#include "platform/runtime/Error.h"
#include "platform/runtime/Text.h"

Ref<cvCommand> cvMessaging::BuildCommand(const std::string& sTemplate, const Variant& vValues) {
    const Variant* values = &vValues;
    if (vValues.IsArray() && vValues.ArrayRef().size() == 1 && vValues.ArrayRef()[0].IsArray())
        values = &vValues.ArrayRef()[0];

    std::vector<cvCommand::Pair> pairs;
    if (!sTemplate.empty()) {
        for (const std::string& slot : Split(sTemplate, "!")) {
            size_t eq = slot.find('=');
            if (eq == std::string::npos || eq == 0)
                Raise(rt::kInvalidCall, kProgID,
                      "BuildCommand: the template \"" + sTemplate + "\" holds a pair without a key: \"" +
                          slot + "\"");
            pairs.emplace_back(slot.substr(0, eq), FillPlaceholders(slot.substr(eq + 1), *values, 1));
        }
    }
    return New<cvCommand>(std::move(pairs));
}
