# dorvane_window_tests(NAME [EXTRA_SOURCES...]): the test program test-NAME
# from every source of the calling folder, clicking the real widgets
# offscreen with one application object for all.
function(dorvane_window_tests name)
  set(CMAKE_AUTOMOC ON)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  if(TARGET dorvane_shell AND sources)
    add_executable(test-${name} ${sources} ${CMAKE_SOURCE_DIR}/tests/common/windows/WindowTestMain.cpp ${ARGN})
    target_link_libraries(test-${name} PRIVATE dorvane_shell dorvane_testing GTest::gtest Qt6::Test)
    gtest_discover_tests(test-${name} DISCOVERY_MODE PRE_TEST PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
  endif()
endfunction()
