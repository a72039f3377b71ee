#pragma once

#include <QString>

#include <utility>
#include <variant>

namespace pafdm {

// An error as the application layers pass it on: the number and description
// the operator and the error log see.
struct Error {
    qint64 number = 0;
    QString description;
};

// Either a value or the Error that prevented it. Operations that let their
// failures reach the caller return one of these and do not log.
template <typename T> class [[nodiscard]] Expected {
public:
    Expected(T value)
        : m_v(std::move(value))
    { } // NOLINT
    Expected(Error error)
        : m_v(std::move(error))
    { } // NOLINT

    bool ok() const { return m_v.index() == 0; }
    explicit operator bool() const { return ok(); }
    // REQUIRES: ok()
    const T& value() const { return std::get<0>(m_v); }
    T& value() { return std::get<0>(m_v); }
    // REQUIRES: !ok()
    const Error& error() const { return std::get<1>(m_v); }

private:
    std::variant<T, Error> m_v;
};

// Success with nothing to return.
struct Done { };

} // namespace pafdm
