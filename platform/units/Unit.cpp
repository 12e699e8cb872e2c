#include "Unit.h"

#include <utility>

Unit::Unit(std::string sCategory, std::string sID, std::string sLabel, double dFactor, double dOffset)
    : category_(std::move(sCategory)),
      id_(std::move(sID)),
      label_(std::move(sLabel)),
      factor_(dFactor),
      offset_(dOffset) {}
