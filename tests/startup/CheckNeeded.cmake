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
if(NOT program MATCHES "libQt6Widgets")
  message(FATAL_ERROR "no Qt Widgets among the libraries of ${PROGRAM}: ${program}")
endif()
if(program MATCHES "libQt6Charts|libQt6OpenGL")
  message(FATAL_ERROR "the program loads the chart library at every start: ${program}")
endif()
if(NOT module MATCHES "libQt6Charts")
  message(FATAL_ERROR "the chart module does not need Qt Charts: ${module}")
endif()
if(program MATCHES "libQt6Network")
  message(FATAL_ERROR "the program loads the network library at every start: ${program}")
endif()
if(NOT net_module MATCHES "libQt6Network")
  message(FATAL_ERROR "the network module does not need Qt Network: ${net_module}")
endif()
if(program MATCHES "libxlsxwriter|libcrypto")
  message(FATAL_ERROR "the program loads the workbook writer at every start: ${program}")
endif()
if(NOT xlsx_module MATCHES "libxlsxwriter")
  message(FATAL_ERROR "the workbook module does not need libxlsxwriter: ${xlsx_module}")
endif()
