# mdx_add_library(NAME FOLDER [SHARED] [LIBS ...]): a library from every .cc
# under FOLDER (recursively); static unless SHARED.
function(mdx_add_library name folder)
  cmake_parse_arguments(ARG "SHARED" "" "LIBS" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${folder}/*.cc)
  if(NOT sources)
    # A folder with no sources yet gives a header-only library.
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${CMAKE_SOURCE_DIR}/include ${CMAKE_SOURCE_DIR}/src)
    target_link_libraries(${name} INTERFACE ${ARG_LIBS})
    return()
  endif()
  if(ARG_SHARED)
    add_library(${name} SHARED ${sources})
  else()
    add_library(${name} STATIC ${sources})
  endif()
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR}/include ${CMAKE_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARG_LIBS})
endfunction()

# mdx_add_test_area(NAME FOLDER [LIBS ...]): one GoogleTest program from every
# .cc under FOLDER; each test case becomes one CTest entry.
function(mdx_add_test_area name folder)
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${folder}/*.cc)
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources})
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/include ${CMAKE_SOURCE_DIR}/src
                             ${CMAKE_SOURCE_DIR}/tests)
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} mdx_testsupport GTest::gmock GTest::gtest_main)
  target_compile_definitions(${name} PRIVATE
      MDX_TEST_FIXTURES="${CMAKE_SOURCE_DIR}/tests/fixtures")
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
                       PROPERTIES TIMEOUT 120)
endfunction()

# Copies the MinGW C++ runtime DLLs into FOLDER.
function(mdx_copy_mingw_runtime folder)
  file(MAKE_DIRECTORY ${folder})
  foreach(dll libstdc++-6.dll libgcc_s_dw2-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                    OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(EXISTS "${path}")
      file(COPY "${path}" DESTINATION ${folder})
    else()
      message(WARNING "MinGW runtime ${dll} not found")
    endif()
  endforeach()
endfunction()
