# The Debian package: `cpack -G DEB` in a build configured with
# -DBUILD_TESTING=OFF -DCMAKE_INSTALL_PREFIX=/usr (tools/bootstrap.sh package).

execute_process(COMMAND dpkg --print-architecture
    OUTPUT_VARIABLE debian_architecture OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
if(NOT debian_architecture)
    set(debian_architecture amd64)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vellumar)
set(CPACK_PACKAGE_VENDOR "Vellumar")
set(CPACK_PACKAGE_CONTACT "Vellumar developers <vellumar@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "collects app icons from the App Store")
set(CPACK_PACKAGE_DESCRIPTION
    "Vellumar searches the App Store catalogue by term or store link, in any of\n\
its 235 regions, and saves an app's icon at 256, 512 or 1024 pixels, plain or\n\
with rounded corners, or the original artwork as JPEG.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME "${CPACK_PACKAGE_NAME}_${PROJECT_VERSION}_${debian_architecture}.deb")
set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE ${debian_architecture})
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${PROJECT_HOMEPAGE_URL})
# Shared libraries come from dpkg-shlibdeps. The rest is loaded at run time
# and no linker sees it: the QML modules of every screen, the platform
# plugins (X11 and Wayland), and the fonts for Chinese text and flags.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
string(JOIN ", " CPACK_DEBIAN_PACKAGE_DEPENDS
    qml6-module-qtquick
    qml6-module-qtqml
    qml6-module-qtquick-controls
    qml6-module-qtquick-templates
    qml6-module-qtquick-layouts
    qml6-module-qtquick-window
    qml6-module-qtqml-workerscript
    qt6-qpa-plugins
    qt6-wayland
    fonts-roboto-unhinted
    fonts-noto-cjk
    fonts-noto-color-emoji)

include(CPack)
