// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Result.h"

#include <QNetworkAccessManager>
#include <QNetworkRequest>
#include <QUrl>

#include <chrono>
#include <optional>

class QNetworkReply;

// The rules every transfer of the application obeys, in C++ and in QML:
// - only https addresses; plain http only for the loopback catalogue that
//   VELLUMAR_CATALOGUE_URL names (same host and port), so tests and local
//   mirrors work without certificates;
// - a redirect must lead to an address the first rule allows, and at most
//   maxRedirects are followed, by the caller (redirectOf), each hop asked once;
// - a transfer that makes no progress for 60 seconds fails;
// - catalogue answers above 16 MiB and images above 32 MiB fail.
// A refused address never reaches the network: its reply fails at once.
namespace NetworkPolicy {

inline const QString errorDomain = QStringLiteral("NetworkPolicy");
enum ErrorCode {
    InvalidAddress = 1,
    InsecureAddress,
    InsecureRedirect,
    TooLarge,
    TooManyRedirects
};
inline constexpr int maxRedirects = 5;

inline constexpr qint64 catalogueAnswerLimit = 16 * 1024 * 1024;
inline constexpr qint64 imageLimit = 32 * 1024 * 1024;

// Where catalogue requests go: https://itunes.apple.com, or the scheme, host
// and port of VELLUMAR_CATALOGUE_URL when that is set to an http(s) address.
[[nodiscard]] QUrl catalogueBaseUrl();

// Why `url` may not be fetched, or nothing when it may.
[[nodiscard]] std::optional<Error> refusalFor(const QUrl &url);

// The no-progress time-out of each transfer. Tests shorten it; it applies to
// requests made after the change.
void setTransferTimeout(std::chrono::milliseconds timeout);

// The byte limit of one request's answer; without one, imageLimit applies.
void setSizeLimit(QNetworkRequest &request, qint64 bytes);

// The error a finished reply ended with, or nothing when it succeeded.
// Refusals by these rules come back in errorDomain with their detail; a
// time-out is reported as QNetworkReply::TimeoutError.
[[nodiscard]] std::optional<Error> errorOf(const QNetworkReply *reply);

// Where a finished reply sends its reader next: nothing when it is no
// redirect, the target when the rules allow it, else the refusal.
[[nodiscard]] Result<std::optional<QUrl>> redirectOf(const QNetworkReply *reply);
// The error of a redirect beyond maxRedirects from `url`.
[[nodiscard]] Error tooManyRedirects(const QUrl &url);

// A new manager that applies the rules to every request, owned by `parent`
// and living in the calling thread. Safe to call from any thread.
[[nodiscard]] QNetworkAccessManager *createNetworkAccessManager(QObject *parent = nullptr);

} // namespace NetworkPolicy
