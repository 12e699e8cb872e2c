#pragma once
// The callback protocol between the library and its host.  The host registers
// its callback (IParentCallBack) on a client; the client sends command objects
// to it with itself as sender.
#include <cstdint>
#include <string>

#include "platform/runtime/Object.h"
#include "platform/runtime/Variant.h"

class ICallBackClient2;

// The host's side: one member is used, Call(sender, command).
class IParentCallBack : public virtual Object {
public:
    // Receives one command object from the sender; an error it raises passes on to the sending member.
    virtual void Call(const Ref<ICallBackClient2>& oSender, const Variant& vCommand) = 0;
};

class ICallBackClient2 : public virtual Object {
public:
    // The client's identifier, made when it was created; never fails.
    virtual std::string ID() = 0;
    // Keeps the host's callback, replacing any earlier one; passes any error on.
    virtual void RegisterCallBack(const Ref<IParentCallBack>& oParentCallBack) = 0;
    // Drops the callback: from then on every status or progress message raises 91; passes any error on.
    virtual void UnRegisterCallBack() = 0;
    // Relays Params to the host's callback with this client as sender and returns 0; raises 91 with no
    // callback registered and passes the callback's own error on.
    virtual int32_t Call(const Variant& Params) = 0;
};
