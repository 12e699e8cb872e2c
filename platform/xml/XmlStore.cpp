#include "XmlStore.h"

#include <algorithm>

void XmlStore::Register(XmlNodeHolder* holder) {
    if (std::find(holders_.begin(), holders_.end(), holder) == holders_.end()) holders_.push_back(holder);
}

void XmlStore::Unregister(XmlNodeHolder* holder) {
    holders_.erase(std::remove(holders_.begin(), holders_.end(), holder), holders_.end());
}

void XmlStore::Removing(pugi::xml_node node) {
    // Only elements and the document are ever held; text and comments are not.
    if (node.type() != pugi::node_element) return;
    for (XmlNodeHolder* holder : holders_) holder->NodeRemoving(node);
}

void XmlStore::RemoveNode(pugi::xml_node node) {
    pugi::xml_node parent = node.parent();
    if (!parent) return;
    Removing(node);
    index_.Clear();
    parent.remove_child(node);
    StructureChanged();
}

void XmlStore::RemoveChildren(pugi::xml_node node) {
    for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling()) Removing(child);
    index_.Clear();
    node.remove_children();
    StructureChanged();
}
