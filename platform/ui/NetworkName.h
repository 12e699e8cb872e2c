#pragma once
// The network name of a mapped drive ("X:" to "\\server\share").  There are
// no drive letters here, so the look-up answers "not a network drive" unless
// a resolver is installed (tests install each answer the callers handle).
#include <cstdint>
#include <functional>
#include <string>

namespace ui {

// Answers of the look-up, as the system numbers them.
constexpr int32_t NO_ERROR = 0;
constexpr int32_t ERROR_CONNECTION_UNAVAIL = 1201;  // a remembered connection, not connected now
constexpr int32_t ERROR_NOT_CONNECTED = 2250;       // not a network drive

// Fills remoteName and answers NO_ERROR, or answers another code.
using NetworkNameResolver = std::function<int32_t(const std::string& localName, std::string& remoteName)>;

// Installs a resolver (an empty one restores the default) and returns the
// one it replaces.
NetworkNameResolver SetNetworkNameResolver(NetworkNameResolver resolver);

// Looks up the network name of localName ("X:"); remoteName is set only when
// the answer is NO_ERROR.
int32_t WNetGetConnection(const std::string& localName, std::string& remoteName);

}  // namespace ui
