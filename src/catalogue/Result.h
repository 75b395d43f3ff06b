// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Error.h"

#include <optional>
#include <utility>
#include <variant>

// The success-or-error value that asynchronous operations return instead of
// throwing. (std::expected does not work as a QCoro::Task value with
// libstdc++ 12, hence this small type.)
template<typename T>
class Result
{
public:
    Result(T value)
        : m_state(std::move(value))
    { }
    Result(Error error)
        : m_state(std::move(error))
    { }

    [[nodiscard]] bool ok() const { return std::holds_alternative<T>(m_state); }
    explicit operator bool() const { return ok(); }

    [[nodiscard]] const T &value() const & { return std::get<T>(m_state); }
    [[nodiscard]] T &&value() && { return std::get<T>(std::move(m_state)); }
    [[nodiscard]] const Error &error() const { return std::get<Error>(m_state); }

    // The value, as with std::optional; only on success.
    [[nodiscard]] const T &operator*() const & { return value(); }
    [[nodiscard]] T &operator*() & { return std::get<T>(m_state); }
    [[nodiscard]] const T *operator->() const { return &value(); }
    [[nodiscard]] T *operator->() { return &std::get<T>(m_state); }

private:
    std::variant<T, Error> m_state;
};

// Success without a value, or an error.
template<>
class Result<void>
{
public:
    Result() = default;
    Result(Error error)
        : m_error(std::move(error))
    { }

    [[nodiscard]] bool ok() const { return !m_error; }
    explicit operator bool() const { return ok(); }
    [[nodiscard]] const Error &error() const { return *m_error; }

private:
    std::optional<Error> m_error;
};
