// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "PhotoLibrary.h"

#include <QString>

#include <mutex>

// The photo library of a desktop: a folder of its own under the user's
// Pictures, where each photo is a file named after its title. Adding a photo
// only ever creates a new file, with the mode any program's new file gets;
// nothing is replaced, and a crash leaves no partial file under a photo's name.
class DesktopPhotoLibrary : public PhotoLibrary
{
public:
    // <Pictures>/Vellumar
    DesktopPhotoLibrary();
    explicit DesktopPhotoLibrary(QString folder);

    [[nodiscard]] QString folder() const { return m_folder; }

    // Granted when the folder exists or can be made and is writable.
    [[nodiscard]] Result<void> requestAddOnlyAuthorization() override;
    // Gives the new file's path.
    [[nodiscard]] Result<QString> addPhoto(const QByteArray &bytes, const QString &title) override;
    [[nodiscard]] QString location() const override { return m_folder; }
    // The name the first photo titled `title` gets (".png" or ".jpg").
    [[nodiscard]] QString firstPathFor(const QString &title, const QString &extension) const;
    // Asks the desktop's file manager to show the file selected; without
    // one, opens the folder.
    // Through the desktop's file manager service, which can point at the
    // file; else the folder opens in whatever opens folders.
    [[nodiscard]] QCoro::Task<Result<void>> showPhoto(QString place) override;

private:
    // Removes what a crash in the middle of an earlier write left behind.
    void sweepStaleTemporaryFiles() const;

    QString m_folder;
    std::once_flag m_swept;
};
