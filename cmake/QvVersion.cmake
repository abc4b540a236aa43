# The version every Windows program of the project carries in its version
# resource: the project's version with a build number, the count of commits
# (0 outside a git checkout). The program shows it and reads the build
# number back from it.
if(NOT DEFINED QV_BUILD_NUMBER)
  set(QV_BUILD_NUMBER 0)
  find_package(Git QUIET)
  if(GIT_FOUND)
    execute_process(COMMAND ${GIT_EXECUTABLE} rev-list --count HEAD
      WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
      OUTPUT_VARIABLE qv_commit_count OUTPUT_STRIP_TRAILING_WHITESPACE
      RESULT_VARIABLE qv_git_result ERROR_QUIET)
    if(qv_git_result EQUAL 0 AND qv_commit_count MATCHES "^[0-9]+$")
      set(QV_BUILD_NUMBER ${qv_commit_count})
    endif()
  endif()
endif()
set(QV_VERSION "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH}.${QV_BUILD_NUMBER}")
string(REPLACE "." "," QV_VERSION_COMMAS "${QV_VERSION}")

# qv_version_resource(TARGET DESCRIPTION): gives a program its version resource.
function(qv_version_resource target description)
  set(QV_FILE_DESCRIPTION "${description}")
  set(QV_INTERNAL_NAME "${target}")
  configure_file(${PROJECT_SOURCE_DIR}/cmake/version.rc.in ${CMAKE_CURRENT_BINARY_DIR}/${target}_version.rc @ONLY)
  target_sources(${target} PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/${target}_version.rc)
endfunction()
