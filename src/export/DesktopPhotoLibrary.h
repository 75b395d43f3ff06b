#pragma once

#include "PhotoLibrary.h"

#include <QString>

#include <mutex>

// The photo library of a desktop: a folder of its own under the user's
// Pictures. Adding a photo only ever creates a new file; nothing is replaced,
// and a crash leaves no partial file under a photo's name.
class DesktopPhotoLibrary : public PhotoLibrary
{
public:
    // <Pictures>/Vellumar
    DesktopPhotoLibrary();
    explicit DesktopPhotoLibrary(QString folder);

    [[nodiscard]] QString folder() const { return m_folder; }

    // Granted when the folder exists or can be made and is writable.
    [[nodiscard]] bool requestAddOnlyAuthorization() override;
    [[nodiscard]] Result<void> addPhoto(const QByteArray &bytes) override;

private:
    // Removes what a crash in the middle of an earlier write left behind.
    void sweepStaleTemporaryFiles() const;

    QString m_folder;
    std::once_flag m_swept;
};
