# Values, dates and criteria of the database layer: plain C++, no Qt, no SQLite.
# Included from this folder's CMakeLists.txt.
add_library(velmora_dao_value STATIC
  ${CMAKE_CURRENT_LIST_DIR}/Value.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Criteria.cpp
  ${CMAKE_CURRENT_LIST_DIR}/NumberText.cpp)
target_include_directories(velmora_dao_value PUBLIC ${PROJECT_SOURCE_DIR}/src)
