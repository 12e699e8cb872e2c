#pragma once
// List and combo box helpers of the control-handler component.
#include <cstdint>
#include <string>

#include "interfaces/HostControls.h"

class cvListHandler : public virtual Object {
public:
    // Adds a row with the text and gives it the item value; returns its index.
    int32_t AddListItem(const Ref<IListControl>& oList, const std::string& sText, int32_t lItemData);
};
