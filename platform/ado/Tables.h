#pragma once
// The tables of a catalogue, by 0-based index or by name without regard to
// case, in name order.
#include <cstdint>
#include <vector>

#include "Table.h"
#include "platform/runtime/Variant.h"

namespace ADOX {

class Tables {
public:
    int32_t Count() const { return static_cast<int32_t>(items_.size()); }
    // 3265 when there is no such table.
    Ref<Table> Item(const Variant& Index) const;
    Ref<Table> operator()(const Variant& Index) const { return Item(Index); }

    std::vector<Ref<Table>>::const_iterator begin() const { return items_.begin(); }
    std::vector<Ref<Table>>::const_iterator end() const { return items_.end(); }

private:
    friend class Catalog;
    std::vector<Ref<Table>> items_;
};

}  // namespace ADOX
