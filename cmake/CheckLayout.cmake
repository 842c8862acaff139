# Each folder belongs to one library, and a library sees only the libraries it links: a file may
# include from its own folder and from the folders listed for it below, the pure core includes
# nothing of Qt, and the files of one folder include each other in no circle. Each folder's
# CMakeLists.txt links its library to the libraries of the folders listed for it here and to no
# other (cmake/LinkCheck.cmake checks that at link time). Run at configure time (included from the
# top-level CMakeLists.txt) and as a test (cmake -DSOURCE_DIR=... -P CheckLayout.cmake), so that a
# stray include fails either way.
cmake_minimum_required(VERSION 3.25)

set(PENDRA_LAYOUT
  "engine:engine"
  "formats:engine,formats"
  "modules:modules"
  "sheets:engine,formats,modules,sheets"
  # The workbook module links libxlsxwriter and Qt Core: of sheets/ it takes the header-only
  # interface of the workbook writer.
  "xlsx:sheets,xlsx"
  # So does the PDF module (over Qt Gui), with the interface of the payslips it draws.
  "pdf:sheets,pdf"
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

# Pages lean on no other page. A page is what app/PageRegistry.cpp registers from pages/; no file
# of pages/ includes another page's header, and a helper left in pages/ (a header with its .cpp)
# serves one page alone: what two pages share lives below them, in common/.
function(pendra_check_pages root faults_var)
  set(faults "")
  if(NOT EXISTS "${root}/app/PageRegistry.cpp")
    set(${faults_var} "" PARENT_SCOPE)
    return()
  endif()
  file(STRINGS "${root}/app/PageRegistry.cpp" registered REGEX "#[ \t]*include[ \t]*\"pages/")
  set(pages "")
  foreach(line IN LISTS registered)
    if(line MATCHES "\"pages/([A-Za-z0-9_]+)\\.h\"")
      list(APPEND pages "${CMAKE_MATCH_1}")
    endif()
  endforeach()
  file(GLOB files "${root}/pages/*.h" "${root}/pages/*.cpp")
  set(units "")
  foreach(file IN LISTS files)
    get_filename_component(unit "${file}" NAME_WE)
    list(APPEND units "${unit}")
    file(STRINGS "${file}" includes REGEX "#[ \t]*include[ \t]*\"pages/")
    foreach(line IN LISTS includes)
      if(NOT line MATCHES "\"pages/([A-Za-z0-9_]+)\\.h\"" OR CMAKE_MATCH_1 STREQUAL unit)
        continue()
      endif()
      set(used "${CMAKE_MATCH_1}")
      list(APPEND uses_${unit} "${used}")
      if(used IN_LIST pages)
        file(RELATIVE_PATH shown "${root}" "${file}")
        string(APPEND faults "\n  ${shown}: ${line} (a page's header; what pages share lives in common/)")
      endif()
    endforeach()
  endforeach()
  # Each page's helpers, through the helpers they use in turn.
  foreach(page IN LISTS pages)
    set(reached "")
    set(pending ${uses_${page}})
    while(pending)
      list(POP_FRONT pending unit)
      if(unit IN_LIST reached OR unit IN_LIST pages)
        continue()
      endif()
      list(APPEND reached "${unit}")
      list(APPEND pending ${uses_${unit}})
      list(APPEND users_${unit} "${page}")
    endwhile()
  endforeach()
  list(REMOVE_DUPLICATES units)
  foreach(unit IN LISTS units)
    list(LENGTH users_${unit} count)
    if(count GREATER 1)
      list(JOIN users_${unit} ", " shown)
      string(APPEND faults "\n  pages/${unit}.h serves ${shown}: what pages share lives in common/")
    endif()
  endforeach()
  set(${faults_var} "${faults}" PARENT_SCOPE)
endfunction()

# Files of one folder include each other in no circle. A unit is a header with its .cpp, and a
# unit that includes another's header uses it; a unit that reaches itself through the units it
# uses is in a circle with every unit on the way: such files can be neither read, tested nor moved
# one without the other, and what they share belongs in a file of the folder that includes none
# of them. A header without a .cpp of its own (inline code, or an interface that several files
# define, as sheets/Readers.h) is no unit: a file that includes it includes what it includes.
# app/ is left out: the program's main window is made from the registry of its pages and
# commands, and the commands act on that window.
function(pendra_check_circles root folder faults_var)
  set(faults "")
  if(folder STREQUAL "app")
    set(${faults_var} "" PARENT_SCOPE)
    return()
  endif()
  file(GLOB_RECURSE files "${root}/${folder}/*.h" "${root}/${folder}/*.cpp")
  set(units "")
  set(headers_alone "")
  foreach(file IN LISTS files)
    file(RELATIVE_PATH shown "${root}" "${file}")
    string(REGEX REPLACE "\\.(h|cpp)$" "" unit "${shown}")
    if(file MATCHES "\\.h$" AND NOT EXISTS "${root}/${unit}.cpp")
      list(APPEND headers_alone "${unit}")
    else()
      list(APPEND units "${unit}")
    endif()
    file(STRINGS "${file}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"${folder}/")
    foreach(line IN LISTS includes)
      if(NOT line MATCHES "\"(${folder}/[^\"]+)\\.h\"" OR CMAKE_MATCH_1 STREQUAL unit)
        continue()
      endif()
      list(APPEND includes_${unit} "${CMAKE_MATCH_1}")
      list(APPEND lines_${unit} "${shown}: ${line}")
    endforeach()
  endforeach()
  list(REMOVE_DUPLICATES units)
  # The units each unit uses, read through the headers that are no unit.
  foreach(unit IN LISTS units)
    set(uses "")
    set(seen "")
    set(pending ${includes_${unit}})
    while(pending)
      list(POP_FRONT pending next)
      if(next IN_LIST seen)
        continue()
      endif()
      list(APPEND seen "${next}")
      if(next IN_LIST headers_alone)
        list(APPEND pending ${includes_${next}})
      elseif(NOT next STREQUAL unit)
        list(APPEND uses "${next}")
      endif()
    endwhile()
    set(uses_${unit} ${uses})
    set(through_${unit} ${seen})
  endforeach()
  # What each unit reaches through the units it uses: itself, when it is in a circle.
  foreach(unit IN LISTS units)
    set(reached "")
    set(pending ${uses_${unit}})
    while(pending)
      list(POP_FRONT pending next)
      if(next IN_LIST reached)
        continue()
      endif()
      list(APPEND reached "${next}")
      list(APPEND pending ${uses_${next}})
    endwhile()
    set(reaches_${unit} ${reached})
  endforeach()
  set(named "")
  foreach(unit IN LISTS units)
    if(NOT unit IN_LIST reaches_${unit} OR unit IN_LIST named)
      continue()
    endif()
    set(circle "")
    foreach(other IN LISTS reaches_${unit})
      if(unit IN_LIST reaches_${other})
        list(APPEND circle "${other}")
      endif()
    endforeach()
    list(SORT circle)
    list(APPEND named ${circle})
    list(JOIN circle ", " members)
    string(APPEND faults "\n  ${members} include each other, in a circle (what they share belongs"
      " in a file of ${folder}/ that includes none of them):")
    foreach(member IN LISTS circle)
      foreach(line IN LISTS lines_${member})
        string(REGEX MATCH "\"(${folder}/[^\"]+)\\.h\"" quoted "${line}")
        set(used "${CMAKE_MATCH_1}")
        # A header that is no unit is shown where the circle runs through it.
        set(on_way OFF)
        if(used IN_LIST headers_alone)
          foreach(next IN LISTS uses_${member})
            if(next IN_LIST circle AND NOT next IN_LIST includes_${member})
              set(on_way ON)
            endif()
          endforeach()
        endif()
        if(used IN_LIST circle OR on_way)
          string(APPEND faults "\n    ${line}")
        endif()
      endforeach()
    endforeach()
  endforeach()
  set(${faults_var} "${faults}" PARENT_SCOPE)
endfunction()

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
    pendra_check_circles("${root}" "${folder}" circle_faults)
    string(APPEND faults "${circle_faults}")
  endforeach()
  pendra_check_pages("${root}" page_faults)
  string(APPEND faults "${page_faults}")
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
