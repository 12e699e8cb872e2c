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
    virtual void Call(const Ref<ICallBackClient2>& oSender, const Variant& vCommand) = 0;
};

class ICallBackClient2 : public virtual Object {
public:
    virtual std::string ID() = 0;
    virtual void RegisterCallBack(const Ref<IParentCallBack>& oParentCallBack) = 0;
    virtual void UnRegisterCallBack() = 0;
    virtual int32_t Call(const Variant& Params) = 0;
};
