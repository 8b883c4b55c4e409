# Builds the images of the board processors into the program when they are present at configure time.
# None ship with the sources: a packager puts "<chip>.bin" files into LUMIO_FIRMWARE_SOURCE_DIR.
# Writes ${output} defining lumio::embeddedFirmware().
function(lumio_embed_firmware output)
  set(chips at32f403avgt7 stm32g0b0)
  set(arrays "")
  set(entries "")
  foreach(chip IN LISTS chips)
    set(file "${LUMIO_FIRMWARE_SOURCE_DIR}/${chip}.bin")
    if(EXISTS "${file}")
      set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${file}")
      file(READ "${file}" hex HEX)
      string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
      string(APPEND arrays "const unsigned char k_${chip}[] = {${bytes}};\n")
      string(APPEND entries "    {\"${chip}\", k_${chip}},\n")
      message(STATUS "Firmware image built in: ${file}")
    endif()
  endforeach()
  if(entries STREQUAL "")
    set(table "")
    set(result "{}")
  else()
    set(table "const EmbeddedFirmware kEmbedded[] = {\n${entries}};\n")
    set(result "kEmbedded")
  endif()
  file(CONFIGURE OUTPUT "${output}" CONTENT
"// Generated at configure time from LUMIO_FIRMWARE_SOURCE_DIR.
#include \"core/link/firmware_library.h\"

namespace lumio {
namespace {
@arrays@@table@}  // namespace

std::span<const EmbeddedFirmware> embeddedFirmware() { return @result@; }

}  // namespace lumio
" @ONLY)
endfunction()
