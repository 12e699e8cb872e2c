#include "criteria/CTransport.h"

const CriteriaSetProfile CTransport::kProfile{"CTransport",   "ITransport",  ErrDisplay::B, Handling::Pass,
                                              Handling::Bare, Handling::End, Handling::End};

CTransport::CTransport() : CAssetCriteriaSet(kProfile, kSetRoot) {}
