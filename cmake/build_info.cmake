# build_info.h: the version of project() and the helper folder of the
# install layout, for the code. The helper folder is relative to the folder
# of the programs, so an installation works under any prefix. Only the
# files that include the header see its folder: every other file keeps the
# compile line it had, and with it its cached object file.
include(GNUInstallDirs)
set(ZORVIK_LIBEXEC_DIR ${CMAKE_INSTALL_LIBEXECDIR}/zorvik-amplifiers)
file(RELATIVE_PATH ZORVIK_HELPER_FOLDER
  /prefix/${CMAKE_INSTALL_BINDIR} /prefix/${ZORVIK_LIBEXEC_DIR})
configure_file(${CMAKE_CURRENT_LIST_DIR}/build_info.h.in ${CMAKE_BINARY_DIR}/generated/build_info.h @ONLY)

set(zorvik_build_info_users
  "windows/platform/program_folder.cpp|zorvik_windows"
  "windows/shell/main_form.cpp|zorvik_windows"
  "app/main.cpp|zorvik-amplifiers"
  "cli/main.cpp|zorvik-select")
foreach(entry IN LISTS zorvik_build_info_users)
  string(REPLACE "|" ";" entry "${entry}")
  list(GET entry 0 file)
  list(GET entry 1 target)
  set_source_files_properties(${CMAKE_SOURCE_DIR}/${file} TARGET_DIRECTORY ${target}
    PROPERTIES INCLUDE_DIRECTORIES ${CMAKE_BINARY_DIR}/generated)
endforeach()
