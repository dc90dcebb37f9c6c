# Tests of values, dates and criteria. Included from this folder's CMakeLists.txt.
velmora_add_test(dao_value_test LABEL platform
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/ValueTest.cpp ${CMAKE_CURRENT_LIST_DIR}/CriteriaTest.cpp
  LIBS velmora_dao_value)
