#include "NetworkName.h"

#include "ThreadHook.h"

namespace ui {
namespace {
using Hook = ThreadHook<NetworkNameResolver, struct NetworkNameTag>;
}

NetworkNameResolver SetNetworkNameResolver(NetworkNameResolver resolver) {
    return Hook::Set(std::move(resolver));
}

int32_t WNetGetConnection(const std::string& localName, std::string& remoteName) {
    if (!Hook::Get()) return ERROR_NOT_CONNECTED;
    std::string answer;
    int32_t code = Hook::Get()(localName, answer);
    if (code == NO_ERROR) remoteName = answer;
    return code;
}

}  // namespace ui
