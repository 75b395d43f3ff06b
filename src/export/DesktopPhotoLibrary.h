#pragma once

#include "PhotoLibrary.h"

#include <QString>

// The photo library of a desktop: a folder of its own under the user's
// Pictures. Adding a photo only ever creates a new file; nothing is replaced,
// and a crash leaves no partial file under a photo's name. The work runs on
// the global thread pool; handlers are called there.
class DesktopPhotoLibrary : public PhotoLibrary
{
public:
    // <Pictures>/Vellumar
    DesktopPhotoLibrary();
    explicit DesktopPhotoLibrary(QString folder);

    [[nodiscard]] QString folder() const { return m_folder; }

    void requestAddOnlyAuthorization(AuthorizationHandler handler) override;
    void createAsset(QByteArray bytes, CreationHandler handler) override;

    // The blocking work behind the two calls above. Authorized when the folder
    // exists or can be made and is writable, denied otherwise.
    [[nodiscard]] AuthorizationStatus authorizationStatus() const;
    [[nodiscard]] CreationOutcome writeAsset(const QByteArray &bytes) const;

private:
    QString m_folder;
};
