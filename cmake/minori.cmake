# minori_library(NAME DEPS...): a library from every .cpp/.h in the calling folder.
function(minori_library name)
  file(GLOB _src CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h
                                   ${CMAKE_CURRENT_SOURCE_DIR}/*.qrc)
  add_library(${name} STATIC ${_src})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARGN})
  if(MSVC)
    target_compile_options(${name} PRIVATE /utf-8)
  else()
    target_compile_options(${name} PRIVATE -Wall -Wextra -Wno-unused-parameter)
  endif()
endfunction()

# minori_test(NAME SOURCES... LIBS ...): a GoogleTest program run offscreen by ctest.
function(minori_test name)
  cmake_parse_arguments(T "" "" "LIBS" ${ARGN})
  file(GLOB _src CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  add_executable(${name} ${_src})
  target_link_libraries(${name} PRIVATE ${T_LIBS} minori_testsupport GTest::gtest)
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
    DISCOVERY_TIMEOUT 60)
endfunction()
