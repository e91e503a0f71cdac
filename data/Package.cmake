# `cpack -G DEB` in the build folder: a Debian package of the install rules,
# its dependencies read from the programs' libraries by dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME corbelwright)
set(CPACK_PACKAGE_VENDOR Wendle)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "desktop calculator for repayment loans")
set(CPACK_PACKAGE_DESCRIPTION
    "Corbelwright works out the level repayment, total interest, schedule, a grid of\n"
    "repayments over amounts and rates, what-if answers, residual (balloon) values and\n"
    "a cost breakdown chart of a repayment loan. corbelwright-calc does the same\n"
    "arithmetic on the command line.")
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
