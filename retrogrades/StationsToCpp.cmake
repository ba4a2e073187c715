# Turns stations.txt into C++: one constexpr array of parsed periods per
# planet and the StationTables index, all constant-initialised so nothing
# runs at start-up and a malformed record fails the compile.
# Usage: cmake -DINPUT=stations.txt -DOUTPUT=StationTables.cpp -P StationsToCpp.cmake

if(NOT INPUT OR NOT OUTPUT)
  message(FATAL_ERROR "StationsToCpp.cmake needs -DINPUT=... and -DOUTPUT=...")
endif()

file(STRINGS "${INPUT}" lines)

set(record "[0-9]+,[0-9]+,[0-9]+,[0-9]+,[0-9]+,")
set(planets "")
set(body "")
set(current "")
set(line_number 0)
foreach(line IN LISTS lines)
  math(EXPR line_number "${line_number} + 1")
  string(STRIP "${line}" line)
  if(line STREQUAL "" OR line MATCHES "^#")
    continue()
  endif()
  if(line MATCHES "^\\[([A-Za-z]+)\\]$")
    if(NOT current STREQUAL "")
      string(APPEND body "};\n\n")
    endif()
    set(current "${CMAKE_MATCH_1}")
    list(APPEND planets "${current}")
    string(APPEND body "constexpr StationPeriod ${current}Periods[] = {\n")
  elseif(line MATCHES "^(${record}) (${record})$")
    if(current STREQUAL "")
      message(FATAL_ERROR "${INPUT}:${line_number}: period before the first [Planet] line")
    endif()
    string(APPEND body "    MakeStationPeriod(\"${CMAKE_MATCH_1}\", \"${CMAKE_MATCH_2}\"),\n")
  else()
    message(FATAL_ERROR "${INPUT}:${line_number}: not a period line: ${line}")
  endif()
endforeach()
if(current STREQUAL "")
  message(FATAL_ERROR "${INPUT}: no planet sections")
endif()
string(APPEND body "};\n")

list(LENGTH planets planet_count)
if(NOT planet_count EQUAL 5)
  message(FATAL_ERROR "${INPUT}: ${planet_count} planet sections, expected 5")
endif()

set(index "")
foreach(planet IN LISTS planets)
  string(APPEND index "    PlanetStationTable{\"${planet}\", ${planet}Periods},\n")
endforeach()

file(WRITE "${OUTPUT}.tmp"
"// Generated from stations.txt by StationsToCpp.cmake at build time.\n"
"#include \"retrogrades/StationData.h\"\n\n"
"namespace zodiora {\n\nnamespace {\n\n"
"${body}\n"
"}  // namespace\n\n"
"constinit const std::array<PlanetStationTable, 5> StationTables{\n${index}};\n\n"
"}  // namespace zodiora\n")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
