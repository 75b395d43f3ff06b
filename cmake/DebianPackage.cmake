# SPDX-FileCopyrightText: 2026 The Vellumar developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The Debian package: `cpack -G DEB` in a build configured with
# -DBUILD_TESTING=OFF -DCMAKE_INSTALL_PREFIX=/usr and the flags of
# dpkg-buildflags (tools/bootstrap.sh package). tools/check-package.sh runs
# lintian on it.

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
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/debian/strip.cmake)
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
# The QML is compiled ahead of time against Qt's private interfaces, which
# change with every Qt release: the package needs the very Qt it was built
# with, whose libqt6qml6 says so by providing qt6-declarative-abi.
execute_process(COMMAND dpkg-query -W -f=\${Provides} libqt6qml6
    OUTPUT_VARIABLE qml_provides ERROR_QUIET)
string(REGEX MATCH "qt6-declarative-abi \\(= [^)]+\\)" qml_abi "${qml_provides}")
if(qml_abi)
    string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS ", ${qml_abi}")
else()
    message(WARNING "libqt6qml6 provides no qt6-declarative-abi: the package will not name its Qt")
endif()

# What Debian asks of every package beside the program: the copyright file
# (machine-readable), the changelog and a man page per program.
set(debian_doc ${CMAKE_INSTALL_DATADIR}/doc/${CPACK_PACKAGE_NAME})
install(FILES ${CMAKE_CURRENT_LIST_DIR}/debian/copyright DESTINATION ${debian_doc})
file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/debian/changelog changelog_head LIMIT_COUNT 1)
if(NOT changelog_head MATCHES "^vellumar \\(${PROJECT_VERSION}\\) ")
    message(FATAL_ERROR "cmake/debian/changelog has no entry for ${PROJECT_VERSION} on top")
endif()
set(debian_changelog ${CMAKE_BINARY_DIR}/debian/changelog.gz)
add_custom_command(OUTPUT ${debian_changelog}
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_CURRENT_LIST_DIR}/debian/changelog debian/changelog
    COMMAND gzip -9nf debian/changelog
    DEPENDS ${CMAKE_CURRENT_LIST_DIR}/debian/changelog
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
    VERBATIM)
add_custom_target(debian_changelog ALL DEPENDS ${debian_changelog})
install(FILES ${debian_changelog} DESTINATION ${debian_doc})

# The man pages are each program's --help, made by help2man in the package
# build. Both programs answer --help without a display; English, whatever
# the builder's locale.
if(NOT BUILD_TESTING)
    find_program(HELP2MAN help2man REQUIRED)
    set(summary_vellumar "collects app icons from the App Store")
    set(summary_vellumar-cli "searches the App Store and saves app icons, for scripts")
    set(man_pages)
    foreach(program IN ITEMS vellumar vellumar-cli)
        set(page ${CMAKE_BINARY_DIR}/man/${program}.1)
        add_custom_command(OUTPUT ${page}.gz
            COMMAND ${CMAKE_COMMAND} -E make_directory man
            COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C.UTF-8 QT_QPA_PLATFORM=offscreen
                ${HELP2MAN} --no-info --section=1 --name=${summary_${program}}
                --version-string=${PROJECT_VERSION} --output=${page} $<TARGET_FILE:${program}>
            COMMAND gzip -9nf ${page}
            DEPENDS ${program}
            WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
            VERBATIM)
        list(APPEND man_pages ${page}.gz)
    endforeach()
    add_custom_target(man_pages ALL DEPENDS ${man_pages})
    install(FILES ${man_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()

include(CPack)
