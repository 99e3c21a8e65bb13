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
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} mdx_testsupport GTest::gmock)
  if(TARGET mdx_test_main)
    target_link_libraries(${name} PRIVATE mdx_test_main)
  else()
    target_link_libraries(${name} PRIVATE GTest::gtest_main)
  endif()
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

# mdx_add_maker_library(NAME SOURCES ... [LIBS ...]): a substitute of one of
# the printer maker's libraries, loaded by the package by name. Windows:
# NAME.dll without "lib", __stdcall entries exported under their plain names.
# Elsewhere: libNAME.so showing only its entry points (the runtime and
# printer code linked in stay private, so they never mix with the package's
# own copy in one process), finding its neighbours beside itself.
function(mdx_add_maker_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_library(${name} SHARED ${ARG_SOURCES})
  set_target_properties(${name} PROPERTIES OUTPUT_NAME ${name})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS})
  if(WIN32)
    set_target_properties(${name} PROPERTIES PREFIX "" IMPORT_PREFIX "")
    target_link_options(${name} PRIVATE -Wl,--kill-at)
  else()
    set_target_properties(${name} PROPERTIES C_VISIBILITY_PRESET hidden CXX_VISIBILITY_PRESET hidden
                                             VISIBILITY_INLINES_HIDDEN ON BUILD_RPATH "\$ORIGIN")
    target_link_options(${name} PRIVATE -Wl,--exclude-libs,ALL)
  endif()
endfunction()
