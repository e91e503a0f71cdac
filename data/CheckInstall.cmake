# SPDX-FileCopyrightText: 2026 The Corbelwright developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the build into PREFIX and checks that each file is in the place a
# desktop, man and a package manager look for it.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
    RESULT_VARIABLE status OUTPUT_QUIET)
if(status)
    message(FATAL_ERROR "cmake --install failed: ${status}")
endif()

set(expected
    bin/corbelwright
    bin/corbelwright-calc
    share/corbelwright/CWHelp.Hlp
    share/applications/${APP_ID}.desktop
    share/metainfo/${APP_ID}.metainfo.xml
    share/mime/packages/${APP_ID}.xml
    share/icons/hicolor/scalable/apps/${APP_ID}.svg
    share/man/man1/corbelwright.1.gz
    share/man/man1/corbelwright-calc.1.gz
    share/doc/corbelwright/copyright
    share/doc/corbelwright/changelog.gz)
foreach(size 16 32 48 64 128 256)
    list(APPEND expected share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
endforeach()
foreach(path ${expected})
    if(NOT EXISTS ${PREFIX}/${path})
        message(SEND_ERROR "not installed: ${path}")
    endif()
endforeach()

# The saved loan type as the desktop's MIME database reads it.
find_program(UPDATE_MIME_DATABASE update-mime-database REQUIRED)
execute_process(COMMAND ${UPDATE_MIME_DATABASE} ${PREFIX}/share/mime RESULT_VARIABLE status)
file(STRINGS ${PREFIX}/share/mime/globs2 globs)
foreach(glob "application/x-corbelwright-loan:*.CWS:cs" "application/x-corbelwright-loan:*.cws")
    set(found FALSE)
    foreach(line ${globs})
        if(line MATCHES "^[0-9]+:(.*)$" AND CMAKE_MATCH_1 STREQUAL glob)
            set(found TRUE)
        endif()
    endforeach()
    if(status OR NOT found)
        message(SEND_ERROR "the MIME database has no ${glob}")
    endif()
endforeach()
