#pragma once

#include <jet/Errors.h>

#include <cstdint>
#include <string>
#include <utility>

namespace jet {

// The outcome of a fallible engine call. A Status carries a kind for the
// program, plus the error number and description a Jet/ADO user would
// recognise, so the application can log and show them unchanged.
class [[nodiscard]] Status {
public:
    enum class Kind { kOk, kNotFound, kCorruption, kNotSupported, kInvalidArgument, kIOError, kLocked, kBadPassword };

    // For code that matches this number directly; Errors lists them all.
    static constexpr int32_t kErrNoCurrentRecord = Errors::kNoCurrentRecord;

    Status() = default;

    static Status OK() { return Status(); }
    static Status NotFound(std::string description, int32_t number = Errors::kUnspecified)
    {
        return Status(Kind::kNotFound, number, std::move(description));
    }
    static Status Corruption(std::string description, int32_t number = Errors::kUnspecified)
    {
        return Status(Kind::kCorruption, number, std::move(description));
    }
    static Status NotSupported(std::string description, int32_t number = Errors::kUnspecified)
    {
        return Status(Kind::kNotSupported, number, std::move(description));
    }
    static Status InvalidArgument(std::string description, int32_t number = Errors::kInvalidArgument)
    {
        return Status(Kind::kInvalidArgument, number, std::move(description));
    }
    static Status IOError(std::string description, int32_t number = Errors::kUnspecified)
    {
        return Status(Kind::kIOError, number, std::move(description));
    }
    static Status Locked(std::string description, int32_t number = Errors::kUnspecified)
    {
        return Status(Kind::kLocked, number, std::move(description));
    }
    static Status BadPassword(std::string description, int32_t number)
    {
        return Status(Kind::kBadPassword, number, std::move(description));
    }

    bool ok() const { return m_kind == Kind::kOk; }
    Kind kind() const { return m_kind; }
    int32_t number() const { return m_number; }
    const std::string& description() const { return m_description; }

    bool IsNotFound() const { return m_kind == Kind::kNotFound; }
    bool IsCorruption() const { return m_kind == Kind::kCorruption; }

    // "<number>: <description>", or "OK".
    std::string ToString() const;

private:
    Status(Kind kind, int32_t number, std::string description)
        : m_kind(kind)
        , m_number(number)
        , m_description(std::move(description))
    { }

    Kind m_kind = Kind::kOk;
    int32_t m_number = 0;
    std::string m_description;
};

// Either a value or the Status of the failure that prevented it.
template <typename T> class [[nodiscard]] Result {
public:
    Result(T value) // NOLINT: implicit on purpose, so `return value;` works
        : m_value(std::move(value))
        , m_hasValue(true)
    { }
    Result(Status status) // NOLINT
        : m_status(std::move(status))
    { }

    bool ok() const { return m_hasValue; }
    const Status& status() const { return m_status; }

    // REQUIRES: ok()
    T& value() & { return m_value; }
    const T& value() const& { return m_value; }
    T&& value() && { return std::move(m_value); }
    T* operator->() { return &m_value; }
    const T* operator->() const { return &m_value; }
    T& operator*() & { return m_value; }

private:
    T m_value{};
    Status m_status;
    bool m_hasValue = false;
};

} // namespace jet

// Propagate a failed Status from an expression.
#define JET_RETURN_IF_ERROR(expr)                                                                                      \
    do {                                                                                                               \
        ::jet::Status jetStatus_ = (expr);                                                                             \
        if (!jetStatus_.ok())                                                                                          \
            return jetStatus_;                                                                                         \
    } while (false)
