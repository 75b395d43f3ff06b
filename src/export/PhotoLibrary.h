#pragma once

#include "catalogue/Result.h"

#include <QByteArray>

#include <functional>
#include <optional>

// The user's photo library as far as the application needs it: permission to
// add photos (never to read them) and adding one photo from encoded bytes.
// Handlers may run on any thread, once each.
class PhotoLibrary
{
public:
    enum class AuthorizationStatus { notDetermined, restricted, denied, authorized, limited };

    // How adding a photo ended: success, or failure with or without an error.
    struct CreationOutcome
    {
        bool success = false;
        std::optional<Error> error;
    };

    using AuthorizationHandler = std::function<void(AuthorizationStatus)>;
    using CreationHandler = std::function<void(CreationOutcome)>;

    virtual ~PhotoLibrary() = default;

    virtual void requestAddOnlyAuthorization(AuthorizationHandler handler) = 0;
    // Stores `bytes` (PNG or JPEG, exactly as encoded) as one new photo.
    virtual void createAsset(QByteArray bytes, CreationHandler handler) = 0;

    // Authorized and limited both let the application add photos.
    [[nodiscard]] static bool isGranted(AuthorizationStatus status)
    {
        return status == AuthorizationStatus::authorized || status == AuthorizationStatus::limited;
    }

    // The library of this platform: on the desktop, DesktopPhotoLibrary over
    // the user's Pictures folder. Lives until the process ends.
    [[nodiscard]] static PhotoLibrary *shared();
};
