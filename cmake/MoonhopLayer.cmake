# moonhop_layer(NAME DEPS...): a static library of every .cpp in the calling folder.
function(moonhop_layer name)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARGN})
endfunction()

# moonhop_test(NAME DEPS...): one GoogleTest executable of every .cpp in the calling folder: the
# test files, each named after what it tests with "Test" appended (ImageBmpTest.cpp), and their
# helpers.
function(moonhop_test name)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  # Sdl*Test.cpp reach into our SDL layer, which is not built on Windows.
  if(WIN32)
    list(FILTER sources EXCLUDE REGEX "/Sdl[^/]*Test\\.cpp$")
  endif()
  # Every test program holds the X display while it runs: a server may reset between two.
  add_executable(${name} ${sources} ${CMAKE_SOURCE_DIR}/tests/support/KeepDisplayEnvironment.cpp)
  target_link_libraries(${name} PRIVATE ${ARGN} test_support GTest::gtest GTest::gtest_main)
  # Cross-built tests are listed when ctest runs (under the emulator), so building needs no Wine.
  set(discovery POST_BUILD)
  if(CMAKE_CROSSCOMPILING)
    set(discovery PRE_TEST)
  endif()
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 DISCOVERY_MODE ${discovery}
    PROPERTIES ENVIRONMENT "MOONHOP_TEST_DATA=${CMAKE_BINARY_DIR}")
endfunction()
