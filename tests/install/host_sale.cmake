# Installs the build into a temporary prefix, builds examples/host against
# that prefix with find_package(Mdx00200) and runs its sale. Fails on the
# first step that does not work, with that step's output.
#
#   cmake -DBUILD_DIR=... -DSOURCE_DIR=... -DWORK_DIR=... -DGENERATOR=...
#         -DCXX_COMPILER=... [-DSANITIZE_FLAGS=...] -P host_sale.cmake
cmake_minimum_required(VERSION 3.25)
foreach(var BUILD_DIR SOURCE_DIR WORK_DIR GENERATOR CXX_COMPILER)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "host_sale.cmake: ${var} is not set")
  endif()
endforeach()

function(run step)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${step} failed (${status}):\n${out}\n${err}")
  endif()
  set(last_output "${out}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR}/till)
set(prefix ${WORK_DIR}/prefix)

run("install" ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix})
# The public headers must stand alone: nothing of the source tree is on the
# host's include path, only the prefix.
file(GLOB headers ${prefix}/include/mdx00200/*.h)
if(NOT headers)
  message(FATAL_ERROR "no headers installed under ${prefix}/include/mdx00200")
endif()
if(NOT EXISTS ${prefix}/lib/cmake/Mdx00200/Mdx00200Config.cmake)
  message(FATAL_ERROR "no package config under ${prefix}/lib/cmake/Mdx00200")
endif()

set(flags "")
if(SANITIZE_FLAGS)
  # A sanitized package loads only into a sanitized program.
  set(flags -DCMAKE_CXX_FLAGS=${SANITIZE_FLAGS} -DCMAKE_EXE_LINKER_FLAGS=${SANITIZE_FLAGS})
endif()
run("configure the host" ${CMAKE_COMMAND} -S ${SOURCE_DIR}/examples/host -B ${WORK_DIR}/host
    -G ${GENERATOR} -DCMAKE_CXX_COMPILER=${CXX_COMPILER} -DCMAKE_BUILD_TYPE=Debug
    -DCMAKE_PREFIX_PATH=${prefix} -DCMAKE_FIND_USE_PACKAGE_REGISTRY=OFF ${flags})
run("build the host" ${CMAKE_COMMAND} --build ${WORK_DIR}/host)
run("the host's sale" ${WORK_DIR}/host/till_host ${WORK_DIR}/till)

foreach(expected "session: open, every entry point found: yes" "item sold" "closed, paid 10,00")
  string(FIND "${last_output}" "${expected}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the host's output lacks \"${expected}\":\n${last_output}")
  endif()
endforeach()
# The package wrote its debug log into the host's folder, not beside itself.
file(GLOB logs ${WORK_DIR}/till/impdebug*.txt)
if(NOT logs)
  message(FATAL_ERROR "no debug log in the host's folder ${WORK_DIR}/till")
endif()
message(STATUS "${last_output}")

# The installed console finds the package in lib/ and every operation in it.
if(EXISTS ${prefix}/bin/mdxconsole)
  run("the installed console" ${prefix}/bin/mdxconsole --list)
  string(FIND "${last_output}" "VendaItem" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the installed console lists no VendaItem:\n${last_output}")
  endif()
endif()
