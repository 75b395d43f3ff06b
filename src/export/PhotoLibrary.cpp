#include "PhotoLibrary.h"

#include "DesktopPhotoLibrary.h"

PhotoLibrary *PhotoLibrary::shared()
{
    // Never destroyed: work on the thread pool may still use it while the
    // process exits.
    static PhotoLibrary *const library = new DesktopPhotoLibrary;
    return library;
}
