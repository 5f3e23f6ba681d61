# What `cmake --install` puts where, in the layout of a Linux system:
# programs in bin/, the screen program among the helpers in libexec/, the
# desktop entry, icon, job file type and AppStream metadata where the
# desktop finds them,
# manual pages made from the programs' own --help, and the files a Debian
# package carries in its documentation folder.
include(${CMAKE_CURRENT_LIST_DIR}/build_info.cmake)
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(ZORVIK_PACKAGING ${CMAKE_SOURCE_DIR}/packaging)
set(ZORVIK_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/zorvik-amplifiers)

install(TARGETS zorvik-amplifiers zorvik-select RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS ZorvikScreen03 RUNTIME DESTINATION ${ZORVIK_LIBEXEC_DIR})

install(FILES ${ZORVIK_PACKAGING}/com.zorvik.amplifiers.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
# The job files' type, application/x-zorvik-job for *.zjob, which the
# desktop entry opens.
install(FILES ${ZORVIK_PACKAGING}/com.zorvik.amplifiers.mime.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME com.zorvik.amplifiers.xml)
install(FILES ${ZORVIK_PACKAGING}/zorvik-amplifiers.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
configure_file(${ZORVIK_PACKAGING}/com.zorvik.amplifiers.metainfo.xml
  ${CMAKE_BINARY_DIR}/packaging/com.zorvik.amplifiers.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/packaging/com.zorvik.amplifiers.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# Debian keeps manual pages and changelogs compressed, without a time stamp
# in the gzip header so that two builds give the same package.
find_program(GZIP gzip REQUIRED)
configure_file(${ZORVIK_PACKAGING}/changelog.in ${CMAKE_BINARY_DIR}/packaging/changelog @ONLY)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/packaging/changelog.gz
  COMMAND ${GZIP} -9nf -k ${CMAKE_BINARY_DIR}/packaging/changelog
  DEPENDS ${CMAKE_BINARY_DIR}/packaging/changelog)
add_custom_target(zorvik_changelog ALL DEPENDS ${CMAKE_BINARY_DIR}/packaging/changelog.gz)
install(FILES ${CMAKE_SOURCE_DIR}/README.md ${ZORVIK_PACKAGING}/copyright
  ${CMAKE_BINARY_DIR}/packaging/changelog.gz DESTINATION ${ZORVIK_DOC_DIR})

# help2man runs each program's --help and --version. A sanitized build is
# never installed and would report leaks of those runs, so it has no pages.
if(NOT ZORVIK_SANITIZE)
  find_program(HELP2MAN help2man REQUIRED)
  set(zorvik_man_names
    "zorvik-amplifiers|choose and size Zorvik air pressure amplifiers"
    "zorvik-select|Zorvik air pressure amplifier selection from the command line")
  set(zorvik_man_pages)
  foreach(entry IN LISTS zorvik_man_names)
    string(REPLACE "|" ";" entry "${entry}")
    list(GET entry 0 program)
    list(GET entry 1 summary)
    set(page ${CMAKE_BINARY_DIR}/packaging/${program}.1)
    add_custom_command(OUTPUT ${page}.gz
      COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
        ${HELP2MAN} --no-info --section=1 --name=${summary} --output=${page} $<TARGET_FILE:${program}>
      COMMAND ${GZIP} -9nf ${page}
      DEPENDS ${program}
      VERBATIM)
    list(APPEND zorvik_man_pages ${page}.gz)
  endforeach()
  add_custom_target(zorvik_man_pages ALL DEPENDS ${zorvik_man_pages})
  install(FILES ${zorvik_man_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()

include(${CMAKE_CURRENT_LIST_DIR}/package.cmake)
