#pragma once

#include <QString>

#include <utility>
#include <variant>

// An error as the user sees it: where it comes from, a code, and a text that is
// already in the user's language.
struct Error
{
    QString domain;
    int code = 0;
    QString localizedDescription;

    friend bool operator==(const Error &, const Error &) = default;
};

// The success-or-error value that asynchronous operations return instead of
// throwing. (std::expected does not work as a QCoro::Task value with
// libstdc++ 12, hence this small type.)
template<typename T>
class Result
{
public:
    Result(T value)
        : m_state(std::move(value))
    {
    }
    Result(Error error)
        : m_state(std::move(error))
    {
    }

    [[nodiscard]] bool ok() const { return std::holds_alternative<T>(m_state); }
    explicit operator bool() const { return ok(); }

    [[nodiscard]] const T &value() const & { return std::get<T>(m_state); }
    [[nodiscard]] T &&value() && { return std::get<T>(std::move(m_state)); }
    [[nodiscard]] const Error &error() const { return std::get<Error>(m_state); }

private:
    std::variant<T, Error> m_state;
};
