# SPDX-FileCopyrightText: 2026 The Corbelwright developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# `cpack -G DEB` in the build folder: a Debian package of the install rules,
# its dependencies read from the programs' libraries by dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME corbelwright)
set(CPACK_PACKAGE_VENDOR Wendle)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "desktop calculator for repayment loans")
# Debian shows the description as it is: lines of at most 79 characters.
set(CPACK_PACKAGE_DESCRIPTION
    "Corbelwright works out the level repayment, total interest, schedule,\n"
    "a grid of repayments over amounts and rates, what-if answers, residual\n"
    "(balloon) values and a cost breakdown chart of a repayment loan.\n"
    "corbelwright-calc does the same arithmetic on the command line.\n"
    "\n"
    "The program is distributed under the GNU GPL version 3 or later.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CW_PACKAGE_MAINTAINER "Wendle <packages@wendle.invalid>"
    CACHE STRING "The Debian package's Maintainer field")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${CW_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Reports ask for Courier New; Liberation Mono is its metric twin.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS fonts-liberation)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
include(CPack)
