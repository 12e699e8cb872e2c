#pragma once
// Every component object derives from Object, so that a Variant can hold it,
// interface casts work through dynamic_pointer_cast, and an error report can
// name its type.  Ref<T> is the checked object reference: using an empty one
// raises run-time error 91 instead of crashing.
#include <memory>
#include <string>
#include <type_traits>

class Object {
public:
    virtual ~Object() = default;
    // The class name an error report prints for an object argument.
    virtual std::string TypeName() const;
};

[[noreturn]] void RaiseObjectNotSet();  // run-time error 91
[[noreturn]] void RaiseTypeMismatch();  // run-time error 13

template <class T>
class Ref {
public:
    Ref() = default;
    Ref(std::nullptr_t) {}
    Ref(std::shared_ptr<T> p) : p_(std::move(p)) {}
    template <class U, class = std::enable_if_t<std::is_convertible_v<U*, T*>>>
    Ref(const Ref<U>& other) : p_(other.shared()) {}
    template <class U, class = std::enable_if_t<std::is_convertible_v<U*, T*>>>
    Ref(std::shared_ptr<U> p) : p_(std::move(p)) {}

    T* operator->() const {
        if (!p_) RaiseObjectNotSet();
        return p_.get();
    }
    T& operator*() const {
        if (!p_) RaiseObjectNotSet();
        return *p_;
    }
    T* get() const { return p_.get(); }
    const std::shared_ptr<T>& shared() const { return p_; }
    bool IsNothing() const { return !p_; }
    explicit operator bool() const { return static_cast<bool>(p_); }
    void Reset() { p_.reset(); }

    template <class U>
    bool operator==(const Ref<U>& o) const {
        return static_cast<const void*>(dynamic_cast<const Object*>(p_.get())) ==
               static_cast<const void*>(dynamic_cast<const Object*>(o.get()));
    }

private:
    std::shared_ptr<T> p_;
};

template <class T, class... Args>
Ref<T> New(Args&&... args) {
    return Ref<T>(std::make_shared<T>(std::forward<Args>(args)...));
}

// An interface cast.  Nothing stays Nothing; an object that does not
// implement the interface raises run-time error 13.
template <class T, class U>
Ref<T> Cast(const Ref<U>& from) {
    if (!from) return Ref<T>();
    auto p = std::dynamic_pointer_cast<T>(from.shared());
    if (!p) RaiseTypeMismatch();
    return Ref<T>(std::move(p));
}

// An interface query that answers Nothing instead of raising.
template <class T, class U>
Ref<T> TryCast(const Ref<U>& from) {
    return Ref<T>(std::dynamic_pointer_cast<T>(from.shared()));
}
