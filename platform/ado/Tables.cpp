#include "Tables.h"

#include "AdoErrors.h"
#include "platform/runtime/Text.h"

namespace ADOX {

Ref<Table> Tables::Item(const Variant& Index) const {
    if (Index.IsString()) {
        for (const Ref<Table>& t : items_)
            if (EqualsNoCase(t->Name(), Index.StringRef())) return t;
    } else if (Index.IsNumber()) {
        double d = Index.ToDouble();
        if (d >= 0 && d < static_cast<double>(items_.size())) {
            int32_t i = Index.ToLong();
            if (i >= 0 && i < Count()) return items_[static_cast<size_t>(i)];
        }
    }
    ADODB::RaiseAdo(ADODB::adErrItemNotFound, "ADOX.Tables");
}

}  // namespace ADOX
