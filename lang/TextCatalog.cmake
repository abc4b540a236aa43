# Sources of the text catalog, kept apart so the language library's own
# CMakeLists.txt can include them without owning the list.
set(QV_TEXT_CATALOG_SOURCES ${CMAKE_CURRENT_LIST_DIR}/TextCatalog.cpp)
