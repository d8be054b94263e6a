#pragma once

// A value, or the reason there is none: how every part of Tavrin outside the object model reports a
// failure (the object model throws AutomationError, as its callers expect). The reason is data that the
// caller words its own message from; a callee never hands up a finished sentence.
//
// The names and their meaning are std::expected's. The project builds as C++20, and its fuzz build uses
// clang 14, with which Debian 12's <expected> is empty, so this small stand-in takes its place until both
// move on; code written against it then needs only the include and the namespace changed.

#include <optional>
#include <utility>
#include <variant>

namespace tavrin {

template <typename E> class Unexpected {
public:
    explicit Unexpected(E error) : error_(std::move(error)) {}

    const E& error() const& { return error_; }
    E&& error() && { return std::move(error_); }

private:
    E error_;
};

template <typename E> Unexpected(E) -> Unexpected<E>;

template <typename T, typename E> class [[nodiscard]] Expected {
public:
    Expected(T value) : state_(std::in_place_index<0>, std::move(value)) {}
    Expected(Unexpected<E> failure) : state_(std::in_place_index<1>, std::move(failure).error()) {}

    bool has_value() const { return state_.index() == 0; }
    explicit operator bool() const { return has_value(); }

    // Asking a failure for its value, or a value for its error, is a bug: it throws
    // std::bad_variant_access.
    T& value() & { return std::get<0>(state_); }
    const T& value() const& { return std::get<0>(state_); }
    T&& value() && { return std::get<0>(std::move(state_)); }
    T& operator*() & { return value(); }
    const T& operator*() const& { return value(); }
    T* operator->() { return &value(); }
    const T* operator->() const { return &value(); }

    const E& error() const& { return std::get<1>(state_); }
    E&& error() && { return std::get<1>(std::move(state_)); }

    template <typename U> T value_or(U&& fallback) const& {
        return has_value() ? value() : static_cast<T>(std::forward<U>(fallback));
    }

private:
    std::variant<T, E> state_;
};

// Done, or the reason it was not.
template <typename E> class [[nodiscard]] Expected<void, E> {
public:
    Expected() = default;
    Expected(Unexpected<E> failure) : error_(std::move(failure).error()) {}

    bool has_value() const { return !error_.has_value(); }
    explicit operator bool() const { return has_value(); }

    const E& error() const& { return error_.value(); }
    E&& error() && { return std::move(error_).value(); }

private:
    std::optional<E> error_;
};

} // namespace tavrin
