#pragma once

#include <optional>
#include <string>
#include <utility>

namespace zodiora {

/// A value or the reason there is none. The library never throws: every
/// failure comes back as a sentence the windows can show in a message box
/// and zodiora-chart can print on stderr.
template <typename T>
class LibraryResult {
public:
    LibraryResult(T value) : value_(std::move(value)) {}
    static LibraryResult failure(std::string error)
    {
        LibraryResult result;
        result.error_ = std::move(error);
        return result;
    }

    bool ok() const { return value_.has_value(); }
    explicit operator bool() const { return ok(); }
    /// Only when ok(). A temporary result hands its value out by value, so
    /// `for (auto& row : library.list().value())` does not dangle.
    const T& value() const& { return *value_; }
    T value() && { return std::move(*value_); }
    const T& operator*() const& { return *value_; }
    const T* operator->() const { return &*value_; }
    /// Empty when ok().
    const std::string& error() const { return error_; }

private:
    LibraryResult() = default;
    std::optional<T> value_;
    std::string error_;
};

}  // namespace zodiora
