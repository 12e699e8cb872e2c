#pragma once
// The ADO enumeration values the library passes and reads.
#include <cstdint>

namespace ADODB {

// CursorTypeEnum, LockTypeEnum
constexpr int32_t adOpenForwardOnly = 0;
constexpr int32_t adOpenStatic = 3;
constexpr int32_t adLockReadOnly = 1;

// ObjectStateEnum
constexpr int32_t adStateClosed = 0;
constexpr int32_t adStateOpen = 1;

// ConnectModeEnum
constexpr int32_t adModeUnknown = 0;
constexpr int32_t adModeRead = 1;
constexpr int32_t adModeWrite = 2;
constexpr int32_t adModeReadWrite = 3;

// PositionEnum: what AbsolutePosition answers without a current record.
constexpr int32_t adPosUnknown = -1;
constexpr int32_t adPosBOF = -2;
constexpr int32_t adPosEOF = -3;

// DataTypeEnum: the field types this provider reports.
constexpr int32_t adInteger = 3;
constexpr int32_t adDouble = 5;
constexpr int32_t adCurrency = 6;
constexpr int32_t adDate = 7;
constexpr int32_t adBoolean = 11;
constexpr int32_t adVarWChar = 202;

}  // namespace ADODB
