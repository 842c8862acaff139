# Each folder belongs to one library, and a library sees only the libraries it links: a file may
# include from its own folder and from the folders listed for it below, and the pure core includes
# nothing of Qt. Run at configure time (included from the top-level CMakeLists.txt) and as a test
# (cmake -DSOURCE_DIR=... -P CheckLayout.cmake), so that a stray include fails either way.
cmake_minimum_required(VERSION 3.25)

set(PENDRA_LAYOUT
  "engine:engine"
  "formats:engine,formats"
  "modules:modules"
  "sheets:engine,formats,modules,sheets"
  # The workbook module links libxlsxwriter and Qt Core: of sheets/ it takes the header-only
  # interface of the workbook writer.
  "xlsx:sheets,xlsx"
  "translations:translations"
  "cli:engine,formats,sheets,translations,cli"
  "common:engine,formats,sheets,modules,translations,common"
  "pages:engine,formats,sheets,modules,common,pages"
  # The chart module links Qt alone: of common/ it takes the header-only interface to the page.
  "chart:common,chart"
  # So does the network module, with the interface of its requests.
  "net:common,net"
  "shell:engine,formats,sheets,common,shell"
  "app:engine,formats,sheets,translations,common,pages,shell,app"
  # The WebAssembly module: the engines and the formats, nothing of Qt.
  "web:engine,formats,web")

function(pendra_check_layout root)
  set(faults "")
  foreach(entry IN LISTS PENDRA_LAYOUT)
    string(REPLACE ":" ";" parts "${entry}")
    list(GET parts 0 folder)
    list(GET parts 1 listed)
    string(REPLACE "," ";" allowed "${listed}")
    file(GLOB_RECURSE files "${root}/${folder}/*.h" "${root}/${folder}/*.cpp")
    foreach(file IN LISTS files)
      file(STRINGS "${file}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<]")
      file(RELATIVE_PATH shown "${root}" "${file}")
      foreach(line IN LISTS includes)
        if(line MATCHES "#[ \t]*include[ \t]*\"([a-z]+)/")
          list(FIND allowed "${CMAKE_MATCH_1}" found)
          if(found EQUAL -1)
            string(APPEND faults "\n  ${shown}: ${line} (${folder}/ may include only ${listed})")
          endif()
        elseif(folder MATCHES "^(engine|formats|web)$" AND line MATCHES "#[ \t]*include[ \t]*<Q")
          string(APPEND faults "\n  ${shown}: ${line} (${folder}/ is free of Qt)")
        endif()
      endforeach()
    endforeach()
  endforeach()
  if(faults)
    message(FATAL_ERROR "Includes across the library layout:${faults}")
  endif()
endfunction()

if(CMAKE_SCRIPT_MODE_FILE)
  if(NOT SOURCE_DIR)
    message(FATAL_ERROR "SOURCE_DIR is not set")
  endif()
  pendra_check_layout("${SOURCE_DIR}")
endif()
