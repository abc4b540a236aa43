# The release package, built by CPack's ZIP generator (`./qv package`):
#   quorvex-<version>-win64.zip        what a user unzips into a folder of
#                                      their own, the files at its root
#   quorvex-<version>-win64-debug.zip  quorvex.debug, for reading a crash report
# The version is the one the programs' version resource and the about
# window show. The user's zip never holds the joystick settings
# (default.qvjoy) or the program settings (config.ml): unzipped over an
# installed copy, it leaves the user's own settings as they are.
include(${PROJECT_SOURCE_DIR}/cmake/QvVersion.cmake)
include(${PROJECT_SOURCE_DIR}/cmake/QvGuide.cmake)

# quorvex.exe is stripped when it is built, its debug link kept; the other
# programs are stripped as they are packed.
install(PROGRAMS $<TARGET_FILE:quorvex> DESTINATION . COMPONENT program)
install(TARGETS quorvex-standin qvtool RUNTIME DESTINATION . COMPONENT program)
file(GLOB QV_PACKAGE_LANG_FILES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/lang/files/*.lng)
install(FILES ${QV_PACKAGE_LANG_FILES} DESTINATION . COMPONENT program)
foreach(suffix ml qvjoy qvprof)
  install(FILES ${PROJECT_SOURCE_DIR}/sim/files/virtual-train-controller.${suffix} DESTINATION . COMPONENT program)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/docs/guide.md ${QV_GUIDE_HTML} DESTINATION docs COMPONENT program)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/docs/pictures DESTINATION docs COMPONENT program)

# The licences of what every program links in statically, as Debian ships
# them with the cross compiler: the mingw-w64 runtime with winpthreads (one
# source), and the GCC runtime libraries with their runtime library
# exception. GCC's points to the GPL's text, which Windows does not have.
set(QV_LICENCES
  /usr/share/doc/mingw-w64-x86-64-dev/copyright mingw-w64-runtime-and-winpthreads.txt
  /usr/share/doc/gcc-mingw-w64-base/copyright gcc-runtime-libraries-and-exception.txt
  /usr/share/common-licenses/GPL-3 GPL-3.txt)
while(QV_LICENCES)
  list(POP_FRONT QV_LICENCES source name)
  if(NOT EXISTS ${source})
    message(FATAL_ERROR "The package needs ${source}, from the cross compiler's Debian packages")
  endif()
  install(FILES ${source} DESTINATION licences RENAME ${name} COMPONENT program)
endwhile()

install(FILES $<TARGET_FILE_DIR:quorvex>/quorvex.debug DESTINATION . COMPONENT debug)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME quorvex)
set(CPACK_PACKAGE_VENDOR Quorvex)
set(CPACK_PACKAGE_VERSION ${QV_VERSION})
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_COMPONENT_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_ARCHIVE_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL program debug)
set(CPACK_ARCHIVE_PROGRAM_FILE_NAME quorvex-${QV_VERSION}-win64)
set(CPACK_ARCHIVE_DEBUG_FILE_NAME quorvex-${QV_VERSION}-win64-debug)
set(CPACK_STRIP_FILES ON)
include(CPack)
