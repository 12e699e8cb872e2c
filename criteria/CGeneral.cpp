#include "criteria/CGeneral.h"

// The general set has no shore statuses; its profile names them all the same.
const CriteriaSetProfile CGeneral::kProfile{"CGeneral",     "IGeneral",     ErrDisplay::A, Handling::Pass,
                                            Handling::Bare, Handling::Bare, Handling::Bare};

CGeneral::CGeneral() : CCriteriaSet(kProfile) {}
