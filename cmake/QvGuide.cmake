# The user guide as one HTML page beside its Markdown source, for a Windows
# user to open with a double-click; its pictures stay in docs/pictures/, to
# which both link the same way. QV_GUIDE_HTML names the page.
find_program(QV_CMARK cmark-gfm REQUIRED)
set(QV_GUIDE_HTML ${CMAKE_BINARY_DIR}/docs/guide.html)
add_custom_command(OUTPUT ${QV_GUIDE_HTML}
  COMMAND ${CMAKE_COMMAND} -DCMARK=${QV_CMARK} -DSOURCE=${PROJECT_SOURCE_DIR}/docs/guide.md
    -DOUTPUT=${QV_GUIDE_HTML} -P ${PROJECT_SOURCE_DIR}/cmake/guide-html.cmake
  DEPENDS ${PROJECT_SOURCE_DIR}/docs/guide.md ${PROJECT_SOURCE_DIR}/cmake/guide-html.cmake
  VERBATIM)
add_custom_target(qv_guide ALL DEPENDS ${QV_GUIDE_HTML})
