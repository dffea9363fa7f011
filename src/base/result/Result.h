// What an operation that can fail for reasons outside the program returns: its value, or why it
// failed, as a reason code for the program and a message for the user (UTF-8). Every window
// shows a failure's message as it is, so the same failure reads the same everywhere.
#pragma once

#include <cassert>
#include <optional>
#include <string>
#include <utility>
#include <variant>

namespace base::result {

enum class Reason {
    Missing,       // the file or folder is not there, or cannot be read
    Damaged,       // the bytes are not what their format says
    WrongPassword, // the file is sound but was written with another password
    WriteFailed,   // the file could not be written (disk full, read-only, folder gone)
    Refused,       // the input is not acceptable (a name taken, a limit exceeded)
};

struct Failure {
    Reason Code = Reason::Damaged;
    std::string Message;

    bool operator==(const Failure&) const = default;
};

inline Failure Fail(Reason code, std::string message)
{
    return Failure{code, std::move(message)};
}

template <class Value>
class [[nodiscard]] Result {
public:
    Result(Value value) : state_(std::in_place_index<0>, std::move(value)) {}
    Result(Failure failure) : state_(std::in_place_index<1>, std::move(failure)) {}

    bool Ok() const { return state_.index() == 0; }
    explicit operator bool() const { return Ok(); }

    Value& operator*() { return Get(); }
    const Value& operator*() const { return Get(); }
    Value* operator->() { return &Get(); }
    const Value* operator->() const { return &Get(); }

    const Failure& Error() const
    {
        assert(!Ok());
        return std::get<1>(state_);
    }
    Reason Code() const { return Error().Code; }
    const std::string& Message() const { return Error().Message; }

private:
    Value& Get()
    {
        assert(Ok());
        return std::get<0>(state_);
    }
    const Value& Get() const
    {
        assert(Ok());
        return std::get<0>(state_);
    }

    std::variant<Value, Failure> state_;
};

// An operation that gives nothing back but may fail.
template <>
class [[nodiscard]] Result<void> {
public:
    Result() = default;
    Result(Failure failure) : failure_(std::move(failure)) {}

    bool Ok() const { return !failure_; }
    explicit operator bool() const { return Ok(); }

    const Failure& Error() const
    {
        assert(!Ok());
        return *failure_;
    }
    Reason Code() const { return Error().Code; }
    const std::string& Message() const { return Error().Message; }

private:
    std::optional<Failure> failure_;
};

using Status = Result<void>;

} // namespace base::result
