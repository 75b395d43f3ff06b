// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Error.h"

#include <array>
#include <cerrno>

Q_LOGGING_CATEGORY(lcCatalogue, "vellumar.catalogue")
Q_LOGGING_CATEGORY(lcExport, "vellumar.export")
Q_LOGGING_CATEGORY(lcStore, "vellumar.store")
Q_LOGGING_CATEGORY(lcScreens, "vellumar.screens")
Q_LOGGING_CATEGORY(lcApp, "vellumar.app")

QString Error::localizedDescription() const
{
    // In the order of Kind.
    static constexpr std::array ids = {
        "error_unknown",
        "url_invalid",
        "error_not_secure",
        "error_no_network",
        "error_server_refused",
        "error_connection_lost",
        "error_timed_out",
        "error_too_large",
        "error_unreadable_answer",
        "app_not_found",
        "permission_denied_message",
        "error_disk_full",
        "image_data_error",
        "save_fail_generic",
        "error_rate_limited",
        "error_region_not_served",
        "error_request_rejected",
        "error_not_a_folder",
        "error_no_file_manager",
    };
    static_assert(ids.size() == size_t(Kind::noFileManager) + 1);
    return qtTrId(ids[size_t(kind)]);
}

Error Error::fromErrno(int code, const QString &path)
{
    Kind kind = Kind::writeFailed;
    if (code == ENOSPC || code == EDQUOT)
        kind = Kind::diskFull;
    else if (code == EFBIG)
        kind = Kind::tooLarge;
    else if (code == EACCES || code == EPERM || code == EROFS)
        kind = Kind::noPermission;
    return { QStringLiteral("POSIX"), code, path + QStringLiteral(": ") + qt_error_string(code),
        kind };
}
