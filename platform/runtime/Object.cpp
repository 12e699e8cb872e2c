#include "Object.h"

#include <cxxabi.h>

#include <cstdlib>
#include <typeinfo>

#include "Error.h"

std::string Object::TypeName() const {
    const char* mangled = typeid(*this).name();
    int status = 0;
    char* demangled = abi::__cxa_demangle(mangled, nullptr, nullptr, &status);
    std::string name = (status == 0 && demangled) ? demangled : mangled;
    std::free(demangled);
    auto colon = name.rfind("::");
    return colon == std::string::npos ? name : name.substr(colon + 2);
}

void RaiseObjectNotSet() { Raise(rt::kObjectNotSet); }
void RaiseTypeMismatch() { Raise(rt::kTypeMismatch); }
