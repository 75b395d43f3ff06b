// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "catalogue/Result.h"

#include <QString>

// The application's own temporary folder, <TMPDIR or /tmp>/vellumar-<uid>,
// created with mode 0700 when missing. The system's temporary directory is
// shared with every other program, so the application only ever puts files
// here, and only ever empties this folder.
//
// Fails, rather than hand out a folder others could read or swap, when the
// path exists as something other than a directory of this user (a symbolic
// link included).
[[nodiscard]] Result<QString> applicationTemporaryDirectory();
