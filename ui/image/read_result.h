#pragma once

#include <string>
#include <utility>
#include <variant>

// What a picture reader gives back: the decoded picture, or why the bytes could
// not be read. Readers never throw on bad input; a damaged file is an answer too.

namespace ui::image {

struct ReadError {
    std::string message;
};

template <typename T>
class ReadResult {
  public:
    ReadResult(T value) : state_(std::move(value)) {}
    ReadResult(ReadError error) : state_(std::move(error)) {}

    bool ok() const { return std::holds_alternative<T>(state_); }
    explicit operator bool() const { return ok(); }

    const T& value() const& { return std::get<T>(state_); }
    T&& value() && { return std::get<T>(std::move(state_)); }
    const T& operator*() const& { return value(); }
    const T* operator->() const { return &value(); }

    // Empty when the read succeeded.
    std::string error() const { return ok() ? std::string{} : std::get<ReadError>(state_).message; }

  private:
    std::variant<T, ReadError> state_;
};

inline ReadError fail(std::string message) {
    return ReadError{std::move(message)};
}

}  // namespace ui::image
