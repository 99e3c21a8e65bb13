# The fiscal menu's signing key, compiled into the package from a key file.
# The default is the repository's test pair; an installer passes its own:
#   cmake -DMDX_EAD_KEY_FILE=/path/to/key.txt
# The file holds "modulus=", "private-exponent=" and "public-exponent=" lines
# (hexadecimal); lines starting with "#" are comments.
set(MDX_EAD_KEY_FILE "${CMAKE_SOURCE_DIR}/keys/ead-test-key.txt" CACHE FILEPATH
    "Key file of the EAD signature (modulus, private and public exponent)")

# mdx_read_ead_key(): sets MDX_EAD_MODULUS, MDX_EAD_PRIVATE_EXPONENT and
# MDX_EAD_PUBLIC_EXPONENT in the caller's scope, or stops the configuration
# naming the file and what is wrong with it.
function(mdx_read_ead_key)
  if(NOT EXISTS "${MDX_EAD_KEY_FILE}")
    message(FATAL_ERROR "EAD key file ${MDX_EAD_KEY_FILE} does not exist")
  endif()
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${MDX_EAD_KEY_FILE}")
  file(STRINGS "${MDX_EAD_KEY_FILE}" lines)
  set(modulus "")
  set(private "")
  set(public "")
  foreach(line IN LISTS lines)
    string(STRIP "${line}" line)
    if(line STREQUAL "" OR line MATCHES "^#")
      continue()
    elseif(line MATCHES "^modulus=([0-9A-Fa-f]+)$")
      set(modulus "${CMAKE_MATCH_1}")
    elseif(line MATCHES "^private-exponent=([0-9A-Fa-f]+)$")
      set(private "${CMAKE_MATCH_1}")
    elseif(line MATCHES "^public-exponent=([0-9A-Fa-f]+)$")
      set(public "${CMAKE_MATCH_1}")
    else()
      message(FATAL_ERROR "EAD key file ${MDX_EAD_KEY_FILE}: line not understood: ${line}")
    endif()
  endforeach()
  string(LENGTH "${modulus}" modulus_length)
  string(LENGTH "${private}" private_length)
  if(NOT modulus_length EQUAL 256 OR NOT private_length EQUAL 256)
    message(FATAL_ERROR "EAD key file ${MDX_EAD_KEY_FILE}: the modulus and the private exponent "
                        "must have 256 hexadecimal digits each (found ${modulus_length} and ${private_length})")
  endif()
  # The signature library refuses a modulus below 1024 bits, and the package
  # signs silently: catch it here rather than with unsigned files at a till.
  if(NOT modulus MATCHES "^[89A-Fa-f]")
    message(FATAL_ERROR "EAD key file ${MDX_EAD_KEY_FILE}: the modulus is not a 1024-bit number "
                        "(its first digit must be 8-F)")
  endif()
  if(public STREQUAL "")
    message(FATAL_ERROR "EAD key file ${MDX_EAD_KEY_FILE}: no public-exponent line")
  endif()
  string(TOUPPER "${modulus}" modulus)
  string(TOUPPER "${private}" private)
  string(TOUPPER "${public}" public)
  set(MDX_EAD_MODULUS "${modulus}" PARENT_SCOPE)
  set(MDX_EAD_PRIVATE_EXPONENT "${private}" PARENT_SCOPE)
  set(MDX_EAD_PUBLIC_EXPONENT "${public}" PARENT_SCOPE)
endfunction()

# mdx_ead_key_source(OUT): generates the package's key source and stores its
# path in OUT.
function(mdx_ead_key_source out)
  mdx_read_ead_key()
  set(source "${CMAKE_BINARY_DIR}/generated/ead_key.cc")
  file(CONFIGURE OUTPUT "${source}" CONTENT
"// Generated from the build's EAD key file; do not edit.
#include \"fiscalmenu/ead_key.h\"

namespace Mdx00200 {

extern const char kEadKeyA[] = \"${MDX_EAD_MODULUS}\";
extern const char kEadKeyB[] = \"${MDX_EAD_PRIVATE_EXPONENT}\";

}  // namespace Mdx00200
")
  set(${out} "${source}" PARENT_SCOPE)
endfunction()
