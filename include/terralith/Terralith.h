#pragma once
// Everything a host needs of the Terralith data layer: the root object, the
// component registry and the interfaces it hands out.  Create the root with
// cvDataManager::Create(), hand it settings (ISettingsObject2::Settings), a
// callback (ICallBackClient2::RegisterCallBack), then OpenDatabase().
#include "core/CreateObject.h"
#include "interfaces/HostControls.h"
#include "interfaces/ICallBackClient2.h"
#include "interfaces/IChartEngine.h"
#include "interfaces/ICriteria.h"
#include "interfaces/IDataLists.h"
#include "interfaces/IDataManager.h"
#include "interfaces/IFieldChooser.h"
#include "interfaces/IParameters.h"
#include "interfaces/IQuery.h"
#include "interfaces/IQueryManager.h"
#include "interfaces/ISettings2.h"
#include "interfaces/ISettingsObject2.h"
#include "interfaces/_cvDataManager.h"
#include "platform/runtime/Error.h"
#include "platform/runtime/Variant.h"
#include "root/TerralithClasses.h"
#include "root/cvDataManager.h"
