# Installs the build into DEST and checks that the program and its desktop integration land where
# desktops look for them, all named by the one application id, and that the names inside the
# files point at each other.
#   cmake -DBUILD_DIR=... -DDEST=... -DAPP_ID=... -DCHART=... -DNET=... -DXLSX=... -P CheckInstall.cmake
# CHART, NET and XLSX are where the installed programs look for the chart, the network and the
# workbook modules, from the programs' folder.
cmake_minimum_required(VERSION 3.25)
foreach(var BUILD_DIR DEST APP_ID CHART NET XLSX)
  if(NOT ${var})
    message(FATAL_ERROR "${var} is not set")
  endif()
endforeach()

file(REMOVE_RECURSE "${DEST}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${DEST}"
  RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(expected
  bin/pendra
  bin/pendra-cli
  bin/${CHART}
  bin/${NET}
  bin/${XLSX}
  share/applications/${APP_ID}.desktop
  share/metainfo/${APP_ID}.metainfo.xml
  share/icons/hicolor/48x48/apps/${APP_ID}.png
  share/icons/hicolor/scalable/apps/${APP_ID}.svg)
foreach(path IN LISTS expected)
  if(NOT EXISTS "${DEST}/${path}")
    message(SEND_ERROR "not installed: ${path}")
  endif()
endforeach()

file(STRINGS "${DEST}/share/applications/${APP_ID}.desktop" desktop)
foreach(entry "Exec=pendra" "Icon=${APP_ID}")
  if(NOT entry IN_LIST desktop)
    message(SEND_ERROR "desktop entry lacks ${entry}")
  endif()
endforeach()
file(READ "${DEST}/share/metainfo/${APP_ID}.metainfo.xml" metainfo)
foreach(fragment "<id>${APP_ID}</id>" "<launchable type=\"desktop-id\">${APP_ID}.desktop</launchable>"
        "<binary>pendra</binary>")
  string(FIND "${metainfo}" "${fragment}" at)
  if(at EQUAL -1)
    message(SEND_ERROR "metainfo lacks ${fragment}")
  endif()
endforeach()

# The 48 x 48 icon: a PNG of that size (width and height are the big-endian words at 16 and 20).
file(READ "${DEST}/share/icons/hicolor/48x48/apps/${APP_ID}.png" header LIMIT 24 HEX)
string(SUBSTRING "${header}" 0 16 signature)
string(SUBSTRING "${header}" 32 16 size)
if(NOT signature STREQUAL "89504e470d0a1a0a" OR NOT size STREQUAL "0000003000000030")
  message(SEND_ERROR "the 48x48 icon is not a 48 x 48 PNG (${signature} ${size})")
endif()
