# Install rules: the package, the runtime libraries it needs, the public
# headers, the maker's substitutes, the tools and a package config, so that a
# host does
#   find_package(Mdx00200 REQUIRED)
#   target_link_libraries(host PRIVATE Mdx00200::mdx00200)
#
# Layout under the prefix:
#   include/mdx00200/     public headers
#   lib/                  Linux: every shared library (package, runtime,
#                         substitutes), each finding the others beside it
#   bin/                  Windows: every DLL beside the tools, as in a till's
#                         folder; Linux: the tools
#   lib/                  Windows: the import libraries of the package and
#                         its runtime
#   lib/cmake/Mdx00200/   Mdx00200Config.cmake and its version file
#   share/doc/mdx00200/   README and docs; share/mdx00200/demo the scripts
#
# Included from the top CMakeLists.txt once every target is defined.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(MDX_INSTALL_CMAKEDIR "${CMAKE_INSTALL_LIBDIR}/cmake/Mdx00200")

# mdx_dist: builds everything the install rules copy (scripts/package-windows
# builds it instead of the whole tree with its tests).
add_custom_target(mdx_dist)

# The libraries a host links or loads: the package and its runtime.
set(mdx_host_libraries mdx_runtime mdx_dataset mdx_hostlib mdx00200)
# Loaded by the package at run time, by name, from its own folder.
set(mdx_maker_libraries)
foreach(lib SERSWEDA swmfd CONVECF sign_bema)
  if(TARGET ${lib})
    list(APPEND mdx_maker_libraries ${lib})
  endif()
endforeach()
set(mdx_tools)
foreach(tool mdxconsole cdstool eadverify ecf-emulator)
  if(TARGET ${tool})
    list(APPEND mdx_tools ${tool})
  endif()
endforeach()

if(NOT WIN32)
  # Installed libraries find each other in their folder, and the tools find
  # them in ../lib, wherever the prefix is moved.
  set_target_properties(${mdx_host_libraries} ${mdx_maker_libraries} PROPERTIES INSTALL_RPATH "\$ORIGIN")
  if(mdx_tools)
    set_target_properties(${mdx_tools} PROPERTIES INSTALL_RPATH "\$ORIGIN/../${CMAKE_INSTALL_LIBDIR}")
  endif()
endif()

install(TARGETS ${mdx_host_libraries}
        RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})
if(mdx_maker_libraries)
  # No host links the substitutes, so their import libraries stay out.
  install(TARGETS ${mdx_maker_libraries}
          RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
          LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
          ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT mdx_import_libraries EXCLUDE_FROM_ALL)
endif()
if(mdx_tools)
  install(TARGETS ${mdx_tools} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
add_dependencies(mdx_dist ${mdx_host_libraries} ${mdx_maker_libraries} ${mdx_tools})

if(WIN32)
  # The package, the substitutes and the host share the MinGW C++ runtime.
  foreach(dll libstdc++-6.dll libgcc_s_dw2-1.dll libwinpthread-1.dll)
    if(EXISTS ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/${dll})
      install(FILES ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/${dll} DESTINATION ${CMAKE_INSTALL_BINDIR})
    endif()
  endforeach()
endif()

install(DIRECTORY ${CMAKE_SOURCE_DIR}/include/mdx00200 DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
if(WIN32)
  # The C interface's exports by plain name, beside the import library.
  install(FILES ${CMAKE_SOURCE_DIR}/src/capi/mdx00200_c.def DESTINATION ${CMAKE_INSTALL_LIBDIR})
endif()
# The example hosts (C++, and C, Python, Pascal and C# over the C interface)
# and the toolchain file the Windows build of a host refers to.
install(DIRECTORY ${CMAKE_SOURCE_DIR}/examples/ DESTINATION ${CMAKE_INSTALL_DATADIR}/mdx00200/examples)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/bindings/python/ DESTINATION ${CMAKE_INSTALL_DATADIR}/mdx00200/python
        PATTERN "__pycache__" EXCLUDE)
install(FILES ${CMAKE_SOURCE_DIR}/cmake/i686-w64-mingw32.cmake DESTINATION ${CMAKE_INSTALL_DATADIR}/mdx00200/cmake)

file(GLOB mdx_docs ${CMAKE_SOURCE_DIR}/docs/*.md)
install(FILES ${CMAKE_SOURCE_DIR}/README.md ${mdx_docs} DESTINATION ${CMAKE_INSTALL_DOCDIR})
if(IS_DIRECTORY ${CMAKE_SOURCE_DIR}/demo)
  install(DIRECTORY ${CMAKE_SOURCE_DIR}/demo/ DESTINATION ${CMAKE_INSTALL_DATADIR}/mdx00200/demo)
endif()

# The package config. Hand-written rather than install(EXPORT): the build
# targets carry the source tree's include folders, which an installed target
# must not. The file names come from the targets, so the config follows the
# platform's naming (libmdx00200.so, Mdx00200.dll + libMdx00200.dll.a).
file(RELATIVE_PATH mdx_config_to_prefix "/prefix/${MDX_INSTALL_CMAKEDIR}" "/prefix")
if(WIN32)
  set(mdx_location_dir "${CMAKE_INSTALL_BINDIR}")
else()
  set(mdx_location_dir "${CMAKE_INSTALL_LIBDIR}")
endif()
set(mdx_config_targets "")
foreach(lib ${mdx_host_libraries})
  if(lib STREQUAL "mdx00200")
    set(name mdx00200)
    set(links "Mdx00200::runtime;Mdx00200::dataset;Mdx00200::hostlib")
  else()
    string(REPLACE "mdx_" "" name ${lib})
    if(lib STREQUAL "mdx_runtime")
      set(links "")
    else()
      set(links "Mdx00200::runtime")
    endif()
  endif()
  string(APPEND mdx_config_targets
"add_library(Mdx00200::${name} SHARED IMPORTED)
set_target_properties(Mdx00200::${name} PROPERTIES
  IMPORTED_LOCATION \"\${_mdx_prefix}/${mdx_location_dir}/$<TARGET_FILE_NAME:${lib}>\"
  INTERFACE_INCLUDE_DIRECTORIES \"\${_mdx_prefix}/${CMAKE_INSTALL_INCLUDEDIR}\"
  INTERFACE_COMPILE_FEATURES cxx_std_20
  INTERFACE_LINK_LIBRARIES \"${links}\")
")
  if(WIN32)
    string(APPEND mdx_config_targets
"set_target_properties(Mdx00200::${name} PROPERTIES
  IMPORTED_IMPLIB \"\${_mdx_prefix}/${CMAKE_INSTALL_LIBDIR}/$<TARGET_LINKER_FILE_NAME:${lib}>\")
")
  endif()
endforeach()

file(GENERATE OUTPUT ${CMAKE_BINARY_DIR}/install-config/Mdx00200Config.cmake CONTENT
"# Mdx00200Config.cmake: the fiscal-printer driver package, installed.
# Imported targets:
#   Mdx00200::mdx00200  the package library (links the three below); a host
#                       that loads it by name links it for the headers and
#                       the runtime
#   Mdx00200::runtime   text, variants, formatting, the OS seam
#   Mdx00200::dataset   the in-memory dataset, data packets, \".cds\" files
#   Mdx00200::hostlib   the host library's routines and HostServices
# Variables:
#   Mdx00200_LIBRARY_DIR  the folder of the package and of the maker's
#                         substitutes it loads at run time (a Windows host
#                         copies its DLLs beside its executable)
get_filename_component(_mdx_prefix \"\${CMAKE_CURRENT_LIST_DIR}/${mdx_config_to_prefix}\" ABSOLUTE)
if(NOT TARGET Mdx00200::mdx00200)
${mdx_config_targets}endif()
set(Mdx00200_LIBRARY_DIR \"\${_mdx_prefix}/${mdx_location_dir}\")
set(Mdx00200_INCLUDE_DIR \"\${_mdx_prefix}/${CMAKE_INSTALL_INCLUDEDIR}\")
unset(_mdx_prefix)
")
# Before 1.0 a minor version may change the interface.
write_basic_package_version_file(${CMAKE_BINARY_DIR}/install-config/Mdx00200ConfigVersion.cmake
                                 VERSION ${PROJECT_VERSION} COMPATIBILITY SameMinorVersion)
install(FILES ${CMAKE_BINARY_DIR}/install-config/Mdx00200Config.cmake
              ${CMAKE_BINARY_DIR}/install-config/Mdx00200ConfigVersion.cmake
        DESTINATION ${MDX_INSTALL_CMAKEDIR})
