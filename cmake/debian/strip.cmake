# SPDX-FileCopyrightText: 2026 The Vellumar developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Run by cpack on the staged files: the programs also lose the compilers'
# version notes (.comment), as dh_strip does in Debian's own packages.
file(GLOB programs ${CPACK_TEMPORARY_INSTALL_DIRECTORY}/usr/bin/*)
if(NOT programs)
    message(FATAL_ERROR "no programs in ${CPACK_TEMPORARY_INSTALL_DIRECTORY}/usr/bin")
endif()
execute_process(COMMAND strip --remove-section=.comment --remove-section=.note ${programs}
    COMMAND_ERROR_IS_FATAL ANY)
