#include "MemoryGeologicalAgeControl.h"

MemoryGeologicalAgeControl::MemoryGeologicalAgeControl(std::string sName)
    : name_(std::move(sName)), tree_(std::make_shared<MemoryTreeView>(name_ + ".Tree")) {}
