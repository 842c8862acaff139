# The libraries the program loads at every start: Qt Charts is not among them, only the chart
# module, which the bonus page loads when it is first shown, needs it; nor is Qt Network, which
# only the network module, loaded with the first request, needs; nor is libxlsxwriter (and the
# libcrypto it brings), which only the workbook module, loaded with the first workbook written,
# needs.
#   cmake -DPROGRAM=... -DMODULE=... -DNET_MODULE=... -DXLSX_MODULE=... -P CheckNeeded.cmake
cmake_minimum_required(VERSION 3.25)
find_program(OBJDUMP objdump REQUIRED)

function(needed_of file out)
  execute_process(COMMAND ${OBJDUMP} -p ${file} RESULT_VARIABLE result OUTPUT_VARIABLE dump)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "objdump -p ${file} failed: ${result}")
  endif()
  string(REGEX MATCHALL "NEEDED +[^\n]+" needed "${dump}")
  set(${out} "${needed}" PARENT_SCOPE)
endfunction()

needed_of(${PROGRAM} program)
needed_of(${MODULE} module)
needed_of(${NET_MODULE} net_module)
needed_of(${XLSX_MODULE} xlsx_module)
# The program needs Qt Widgets and none of the modules' libraries; each module needs its own.
function(only_in_module library module_needs what)
  if(program MATCHES "${library}")
    message(FATAL_ERROR "the program loads ${what} at every start: ${program}")
  endif()
  if(NOT "${module_needs}" MATCHES "${library}")
    message(FATAL_ERROR "the module of ${what} does not need it: ${module_needs}")
  endif()
endfunction()

if(NOT program MATCHES "libQt6Widgets")
  message(FATAL_ERROR "no Qt Widgets among the libraries of ${PROGRAM}: ${program}")
endif()
if(program MATCHES "libQt6OpenGL")
  message(FATAL_ERROR "the program loads Qt OpenGL, which the chart brings, at every start: ${program}")
endif()
if(program MATCHES "libcrypto")
  message(FATAL_ERROR "the program loads libcrypto, which the workbook writer brings, at every start: ${program}")
endif()
only_in_module("libQt6Charts" "${module}" "the chart library")
only_in_module("libQt6Network" "${net_module}" "the network library")
only_in_module("libxlsxwriter" "${xlsx_module}" "the workbook writer")
