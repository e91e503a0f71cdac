# SPDX-FileCopyrightText: 2026 The Corbelwright developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the Debian package of the build in BUILD_DIR into OUT with cpack and
# has lintian judge it: an error or a warning fails.
file(REMOVE_RECURSE ${OUT})
execute_process(COMMAND ${CPACK} -G DEB --config ${BUILD_DIR}/CPackConfig.cmake -B ${OUT}
    RESULT_VARIABLE status OUTPUT_VARIABLE log ERROR_VARIABLE log)
file(GLOB package ${OUT}/*.deb)
if(status OR NOT package)
    message(FATAL_ERROR "cpack made no package (${status}):\n${log}")
endif()
execute_process(COMMAND ${LINTIAN} --fail-on error,warning ${package} RESULT_VARIABLE status)
if(status)
    message(FATAL_ERROR "lintian found fault with ${package} (${status})")
endif()
message(STATUS "lintian passes ${package}")
