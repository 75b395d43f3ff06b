// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The encoding of an exported image.
enum class ImageFormat { png, jpeg };
