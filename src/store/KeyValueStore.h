// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "catalogue/Result.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>
#include <variant>

// The per-user key-value store behind every persisted setting: typed values
// (boolean, string, list of strings, bytes) in one SQLite table. A write has
// reached the disk when the call returns; several processes may share the file.
//
// Reads are typed: a key that holds a value of another kind, or one that does
// not decode, reads as absent (and boolForKey() as false). A write replaces
// whatever the key held. A list of strings, which holds recent search terms,
// reads as its first 100 strings, each cut to 1,000 characters: a crafted
// value of any size costs no more.
//
// Failures never throw: a write that cannot be stored leaves the previous value
// in place, prints one console line and returns the error (a full disk, a
// read-only file). A store whose file cannot be written (a read-only home)
// still reads.
class KeyValueStore
{
public:
    using Value = std::variant<bool, QString, QStringList, QByteArray>;
    // Gets the key's current value (nothing when absent) and leaves in it the
    // value to store (nothing removes the key); returns false to change nothing.
    using Change = std::function<bool(std::optional<Value> &value)>;

    // Where the user's store lives: <AppDataLocation>/store.sqlite.
    [[nodiscard]] static QString defaultFilePath();

    // A store on the given file; the folder is created when missing. A file
    // that is not a readable database is moved aside under a dated name and
    // the store starts empty.
    explicit KeyValueStore(const QString &filePath);
    ~KeyValueStore();
    KeyValueStore(const KeyValueStore &) = delete;
    KeyValueStore &operator=(const KeyValueStore &) = delete;

    [[nodiscard]] QString filePath() const;

    [[nodiscard]] bool boolForKey(const QString &key) const
    {
        return as<bool>(key).value_or(false);
    }
    [[nodiscard]] std::optional<QString> stringForKey(const QString &key) const
    {
        return as<QString>(key);
    }
    [[nodiscard]] std::optional<QStringList> stringArrayForKey(const QString &key) const
    {
        return as<QStringList>(key);
    }
    [[nodiscard]] std::optional<QByteArray> dataForKey(const QString &key) const
    {
        return as<QByteArray>(key);
    }

    // Each succeeds once the value has reached the disk.
    Result<void> setBool(const QString &key, bool value) { return write(key, value); }
    Result<void> setString(const QString &key, const QString &value) { return write(key, value); }
    Result<void> setStringArray(const QString &key, const QStringList &value)
    {
        return write(key, value);
    }
    Result<void> setData(const QString &key, const QByteArray &value) { return write(key, value); }
    Result<void> removeObject(const QString &key) { return write(key, std::nullopt); }

    // Read, change and write one key holding the write lock throughout, so
    // that no other process can store in between and have its change lost.
    // The change must not use the store itself. A change that declines
    // stores nothing and succeeds.
    Result<void> update(const QString &key, const Change &change);

private:
    std::optional<Value> read(const QString &key) const;
    Result<void> write(const QString &key, const std::optional<Value> &value);
    // The value under the key when it is of kind T.
    template<typename T>
    std::optional<T> as(const QString &key) const
    {
        std::optional<Value> value = read(key);
        if (value && std::holds_alternative<T>(*value))
            return std::get<T>(std::move(*value));
        return std::nullopt;
    }

    struct Private;
    std::unique_ptr<Private> d;
};
