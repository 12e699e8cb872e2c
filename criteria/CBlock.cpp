#include "criteria/CBlock.h"

const CriteriaSetProfile CBlock::kProfile{"CBlock",       "IBlock",      ErrDisplay::A, Handling::End,
                                          Handling::Pass, Handling::End, Handling::Pass};

CBlock::CBlock() : CAssetCriteriaSet(kProfile, kSetRoot) {}
