#pragma once
// The handler every operation carries, in one line:
//
//   std::string CTools::FixupSQLParameterData(const std::string& sValue) {
//       return PassOn("CTools.FixupSQLParameterData(sValue)", ERR_ARGS(sValue), [&] { return ...; });
//   }
//
//   std::string cvDataManager::GetOption(const std::string& sKey) {
//       std::string result;
//       EndHere(*this, "cvDataManager.IDataManager_GetOption(sKey)", ERR_ARGS(sKey), [&] { result = ...; });
//       return result;
//   }
//
// The signature text names the class, the operation and its arguments as the
// report prints them.  ERR_ARGS captures the arguments by reference and turns
// them into values only when an error happens, so the normal path pays
// nothing.  Whatever the body throws is first made a numbered Error.
//
// PassOn records the operation in the report and passes the error to the
// caller (a user error passes unrecorded).  EndHere records it, shows it
// through the owner's display and returns normally: a body that assigns into
// a result declared outside leaves whatever it had assigned when it failed; a
// body that returns a value has it returned only when it completed, else the
// type's empty value (0, "", False, Nothing).  The owner is an object that
// derives from ShowsErrors<variant>, an ErrorDisplayTarget, or an ErrDisplay.
#include <concepts>
#include <memory>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

#include "core/ErrorDisplay.h"
#include "core/HuntERR31.h"
#include "platform/runtime/Variant.h"

namespace errdetail {
template <class T>
inline constexpr bool kUnsupported = false;
template <class T>
struct IsVector : std::false_type {};
template <class T>
struct IsVector<std::vector<T>> : std::true_type {};
template <class T>
struct IsSharedPtr : std::false_type {};
template <class T>
struct IsSharedPtr<std::shared_ptr<T>> : std::true_type {};
}  // namespace errdetail

// One argument as the report prints it.
template <class T>
Variant ErrArgValue(const T& value) {
    if constexpr (std::is_same_v<T, Variant> || std::is_same_v<T, bool>) {
        return Variant(value);
    } else if constexpr (std::is_enum_v<T>) {
        return ErrArgValue(static_cast<std::underlying_type_t<T>>(value));
    } else if constexpr (std::is_integral_v<T>) {
        if (std::in_range<int32_t>(value)) return Variant(static_cast<int32_t>(value));
        return Variant(static_cast<double>(value));
    } else if constexpr (std::is_floating_point_v<T>) {
        return Variant(static_cast<double>(value));
    } else if constexpr (errdetail::IsSharedPtr<T>::value) {
        return Variant(std::dynamic_pointer_cast<Object>(value));
    } else if constexpr (std::is_constructible_v<Variant, const T&>) {
        return Variant(value);
    } else if constexpr (errdetail::IsVector<T>::value) {
        VariantArray items;
        for (const auto& item : value) items.push_back(ErrArgValue(item));
        return Variant(std::move(items));
    } else {
        static_assert(errdetail::kUnsupported<T>, "an argument the error report cannot print");
    }
}

// The argument values of an operation, in the order of its names; Missing
// when it has none.
template <class... T>
Variant ErrArgs(const T&... values) {
    if constexpr (sizeof...(T) == 0)
        return Variant::Missing();
    else
        return Variant(VariantArray{ErrArgValue(values)...});
}

#define ERR_ARGS(...) ([&]() -> Variant { return ErrArgs(__VA_ARGS__); })

// A reference to the argument builder, so the catch steps need no template.
class ErrArgsRef {
public:
    template <class F>
    explicit ErrArgsRef(F& f)
        : obj_(const_cast<void*>(static_cast<const void*>(std::addressof(f)))),
          call_([](void* o) -> Variant { return (*static_cast<F*>(o))(); }) {}
    Variant operator()() const { return call_(obj_); }

private:
    void* obj_;
    Variant (*call_)(void*);
};

// The catch steps.  Both run inside a catch block.
[[noreturn]] void ErrPassOnCaught(std::string_view sLocation, const ErrArgsRef& args);
void ErrEndCaught(const ErrorDisplayTarget& target, std::string_view sLocation, const ErrArgsRef& args);

inline ErrorDisplayTarget DisplayTargetOf(const ErrorDisplayTarget& target) { return target; }
inline ErrorDisplayTarget DisplayTargetOf(ErrDisplay variant) { return {variant, nullptr}; }
template <class O>
requires requires(const O& o) {
    { o.HandlerDisplay() } -> std::same_as<ErrorDisplayTarget>;
}
ErrorDisplayTarget DisplayTargetOf(const O& owner) { return owner.HandlerDisplay(); }

template <class Args, class Body>
auto PassOn(std::string_view sLocation, Args&& args, Body&& body) -> std::invoke_result_t<Body&> {
    try {
        return body();
    } catch (...) {
        ErrPassOnCaught(sLocation, ErrArgsRef(args));
    }
}

template <class Owner, class Args, class Body>
auto EndHere(Owner&& owner, std::string_view sLocation, Args&& args, Body&& body)
    -> std::invoke_result_t<Body&> {
    using R = std::invoke_result_t<Body&>;
    static_assert(!std::is_reference_v<R>, "an operation that ends its errors returns a value");
    try {
        return body();
    } catch (...) {
        ErrEndCaught(DisplayTargetOf(owner), sLocation, ErrArgsRef(args));
    }
    if constexpr (!std::is_void_v<R>) return R{};
}

// Empties every piece of error state of this thread: the preserved error, the
// report, the current error, the dialog and the database-version reader (tests).
void ResetErrorFramework();
