#pragma once

#include "catalogue/Result.h"

#include <QByteArray>

// The user's photo library as far as the application needs it: permission to
// add photos (never to read them) and adding one photo from encoded bytes.
// Both calls block, so callers keep them off the GUI thread; several threads
// may call at once.
class PhotoLibrary
{
public:
    virtual ~PhotoLibrary() = default;

    // Asks for add-only access; true when granted (limited access counts).
    [[nodiscard]] virtual bool requestAddOnlyAuthorization() = 0;
    // Stores `bytes` (PNG or JPEG, exactly as encoded) as one new photo.
    [[nodiscard]] virtual Result<void> addPhoto(const QByteArray &bytes) = 0;

    // The library of this platform: on the desktop, DesktopPhotoLibrary over
    // the user's Pictures folder. Lives until the process ends.
    [[nodiscard]] static PhotoLibrary *shared();
};
