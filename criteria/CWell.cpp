#include "criteria/CWell.h"

const CriteriaSetProfile CWell::kProfile{"CWell",        "IWell",       ErrDisplay::B, Handling::Pass,
                                         Handling::Bare, Handling::End, Handling::End};

CWell::CWell() : CAssetCriteriaSet(kProfile, kSetRoot) {}
