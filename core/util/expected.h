#pragma once
// Result type for operations that can fail: std::expected where the standard library offers it,
// otherwise a minimal stand-in with the same spelling for the parts this project uses.
#include <utility>
#include <variant>
#if __has_include(<expected>)
#include <expected>
#endif

namespace lumio {

#if defined(__cpp_lib_expected) && __cpp_lib_expected >= 202202L
template <class T, class E>
using Expected = std::expected<T, E>;
template <class E>
constexpr std::unexpected<E> unexpected(E error) { return std::unexpected<E>(std::move(error)); }
#else
template <class E>
struct Unexpected {
    E error;
};
template <class E>
constexpr Unexpected<E> unexpected(E error) { return Unexpected<E>{std::move(error)}; }

template <class T, class E>
class Expected {
public:
    Expected(T value) : state_(std::in_place_index<0>, std::move(value)) {}
    template <class G>
    Expected(Unexpected<G> failure) : state_(std::in_place_index<1>, E(std::move(failure.error))) {}
    bool has_value() const { return state_.index() == 0; }
    explicit operator bool() const { return has_value(); }
    T& value() & { return std::get<0>(state_); }
    const T& value() const& { return std::get<0>(state_); }
    T&& value() && { return std::get<0>(std::move(state_)); }
    const E& error() const { return std::get<1>(state_); }
    T& operator*() & { return value(); }
    const T& operator*() const& { return value(); }
    T* operator->() { return &value(); }
    const T* operator->() const { return &value(); }

private:
    std::variant<T, E> state_;
};

template <class E>
class Expected<void, E> {
public:
    Expected() = default;
    template <class G>
    Expected(Unexpected<G> failure) : error_(std::move(failure.error)), failed_(true) {}
    bool has_value() const { return !failed_; }
    explicit operator bool() const { return has_value(); }
    const E& error() const { return error_; }

private:
    E error_{};
    bool failed_ = false;
};
#endif

}  // namespace lumio
