#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

// The per-user key-value store behind every persisted setting: typed values
// (boolean, string, list of strings, bytes) in one SQLite file. A write has
// reached the disk when the call returns; several processes may share the file.
//
// Reads are typed: a key that holds a value of another kind reads as absent
// (and boolForKey() as false). A write replaces whatever the key held.
//
// Failures never throw: a write that cannot be stored leaves the previous value
// in place, prints one console line and returns false.
class KeyValueStore
{
public:
    // The process-wide store at <AppDataLocation>/store.sqlite, opened on first use.
    static KeyValueStore &shared();

    // A store on the given file; the folder is created when missing. A file
    // that is not a readable database is moved aside under a dated name and
    // the store starts empty.
    explicit KeyValueStore(const QString &filePath);
    ~KeyValueStore();
    KeyValueStore(const KeyValueStore &) = delete;
    KeyValueStore &operator=(const KeyValueStore &) = delete;

    [[nodiscard]] QString filePath() const;

    [[nodiscard]] bool boolForKey(const QString &key) const;
    [[nodiscard]] std::optional<QString> stringForKey(const QString &key) const;
    [[nodiscard]] std::optional<QStringList> stringArrayForKey(const QString &key) const;
    [[nodiscard]] std::optional<QByteArray> dataForKey(const QString &key) const;

    // Each returns whether the value reached the disk.
    bool setBool(const QString &key, bool value);
    bool setString(const QString &key, const QString &value);
    bool setStringArray(const QString &key, const QStringList &value);
    bool setData(const QString &key, const QByteArray &value);
    bool removeObject(const QString &key);

private:
    struct Private;
    std::unique_ptr<Private> d;
};
