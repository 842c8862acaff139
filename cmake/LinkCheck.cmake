# pendra_link_check(LIBRARY): in the test build, a program made of every object of LIBRARY and of
# nothing but the libraries it links. A static library is never linked on its own, so a call
# into a library it does not link (a definition left in a folder above, a header of another
# library whose functions are not inline) would otherwise link in every program that happens to
# link both, and fail only where it is not: here it fails the build at the library itself.
function(pendra_link_check library)
  if(NOT PENDRA_TESTS)
    return()
  endif()
  set(main ${PROJECT_BINARY_DIR}/link-check/main.cpp)
  if(NOT EXISTS ${main})
    file(WRITE ${main} "int main() { return 0; }\n")
  endif()
  add_executable(${library}_links ${main})
  target_link_libraries(${library}_links PRIVATE "$<LINK_LIBRARY:WHOLE_ARCHIVE,${library}>")
  set_target_properties(${library}_links PROPERTIES AUTOMOC OFF AUTORCC OFF
    RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/link-check)
endfunction()
