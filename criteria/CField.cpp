#include "criteria/CField.h"

const CriteriaSetProfile CField::kProfile{"CField",       "IField",      ErrDisplay::A, Handling::Pass,
                                          Handling::Bare, Handling::End, Handling::End};

CField::CField() : CAssetCriteriaSet(kProfile, kSetRoot) {}
