#include "cvListHandler.h"

int32_t cvListHandler::AddListItem(const Ref<IListControl>& oList, const std::string& sText,
                                   int32_t lItemData) {
    oList->AddItem(sText);
    int32_t index = oList->NewIndex();
    oList->SetItemData(index, lItemData);
    return index;
}
