# Manual pages and the package's changelog: written or copied at build time into the
# build folder and compressed there, as Debian installs them.
find_program(VEXA_GZIP gzip REQUIRED)
set(VEXA_DOC_DIR ${CMAKE_BINARY_DIR}/doc)
set(VEXA_MAN_DIR ${CMAKE_BINARY_DIR}/man)
file(MAKE_DIRECTORY ${VEXA_DOC_DIR} ${VEXA_MAN_DIR})

# Compresses `file` (in the build folder) to file.gz at build time and installs that.
function(vexa_install_compressed file destination)
  add_custom_command(OUTPUT ${file}.gz COMMAND ${VEXA_GZIP} -9nkf ${file} DEPENDS ${file} VERBATIM)
  file(RELATIVE_PATH name ${CMAKE_BINARY_DIR} ${file})
  string(MAKE_C_IDENTIFIER "compress_${name}" target)
  add_custom_target(${target} ALL DEPENDS ${file}.gz)
  install(FILES ${file}.gz DESTINATION ${destination})
endfunction()

# vexa_add_manual_page(NAME.SECTION COMMAND program [args...]) runs the program with the
# page's path added; vexa_add_manual_page(NAME.SECTION SOURCE file.in) fills in @VARIABLES@.
function(vexa_add_manual_page page)
  cmake_parse_arguments(ARG "" "SOURCE" "COMMAND" ${ARGN})
  set(plain ${VEXA_MAN_DIR}/${page})
  if(ARG_SOURCE)
    configure_file(${ARG_SOURCE} ${plain} @ONLY)
  else()
    # The program as a dependency too, so that a changed help text writes the page again.
    list(GET ARG_COMMAND 0 program)
    add_custom_command(OUTPUT ${plain} COMMAND ${ARG_COMMAND} ${plain} DEPENDS ${program}
                       COMMENT "Writing the manual page ${page}" VERBATIM)
  endif()
  string(REGEX REPLACE ".*\\." "" section ${page})
  vexa_install_compressed(${plain} ${CMAKE_INSTALL_MANDIR}/man${section})
endfunction()
