#pragma once
// The root's own default interface: what the library's other classes reach
// through gDataManagerObject and a host never needs: the open connection, the
// cancel flag, the status and progress messages to the host, and the query
// description tree.  Subsystems know the root only through this interface and
// IDataManager, never as its class.
#include <cstdint>
#include <string>

#include "platform/runtime/Object.h"

namespace ADODB {
class Connection;
}
class ITreeView;

class _cvDataManager : public virtual Object {
public:
    // Sets the host's cancel request (the same flag as IDataManager's); never fails.
    virtual void SetCancelled(bool bCancelled) = 0;
    // The open database connection; Nothing before OpenDatabase. Never fails.
    virtual Ref<ADODB::Connection> Connection() = 0;
    // Sends a STATUS_MESSAGE command to the host; raises 91 when no callback is registered.
    virtual void SetStatusMessage(const std::string& sMessage) = 0;
    // The host's cancel request; never fails.
    virtual bool Cancelled() = 0;
    // Sends PROGRESS_BAR_CANCEL and clears the cancel request; raises 91 without a callback.
    virtual void SetProgressCancel(bool bCancel) = 0;
    // Sends PROGRESS_BAR_MESSAGE; raises 91 without a callback.
    virtual void SetProgressMessage(const std::string& sMessage) = 0;
    // Sends PROGRESS_BAR_MAX; raises 91 without a callback.
    virtual void SetProgressMax(int32_t lMax) = 0;
    // Sends PROGRESS_BAR_VALUE; raises 91 without a callback.
    virtual void SetProgressValue(int32_t lValue) = 0;
    // Sends PROGRESS_BAR_VISIBLE; raises 91 without a callback.
    virtual void SetProgressVisible(bool bVisible) = 0;
    // Sends the combined progress message, maximum, value and visibility; raises 91 without a callback.
    virtual void Progress(const std::string& sMsg, int32_t lMax, int32_t lValue, bool bVisible) = 0;
    // The query manager's description tree (Nothing when the host set none); raises 91 without a manager.
    virtual Ref<ITreeView> QueryDescriptionTree() = 0;
};
