# Fails when a file below DIR (the src folder) includes a header of a higher level.
#
# The core folders form levels; a file may include headers of its own level and of the levels
# below it. Folders on one line share a level (the catalogue and measurement tables refer to
# one another). Every folder of src/core must be listed here.
cmake_minimum_required(VERSION 3.25)

set(core_levels
  "util"
  "units"
  "i18n"
  "mdb"
  "physics"
  "catalogue measurements"
  "model"
  "selection"
  "settings efficiency"
  "session batch setup acquisition")
# The window layers: what each may include besides the core.
set(allowed_render render)
set(allowed_sql sql)
set(allowed_ui render sql ui)

set(level 0)
foreach(line IN LISTS core_levels)
  string(REPLACE " " ";" folders "${line}")
  foreach(folder IN LISTS folders)
    set(level_of_${folder} ${level})
  endforeach()
  math(EXPR level "${level} + 1")
endforeach()

set(problems "")
file(GLOB_RECURSE files RELATIVE ${DIR} ${DIR}/*.h ${DIR}/*.cpp ${DIR}/*.inc)
foreach(rel IN LISTS files)
  string(REPLACE "/" ";" parts "${rel}")
  list(LENGTH parts depth)
  if(depth LESS 3)
    continue() # CMake files and the like at the top of a layer
  endif()
  list(GET parts 0 layer)
  list(GET parts 1 area)
  file(STRINGS ${DIR}/${rel} lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"[^\"/]+/")
  if(layer STREQUAL "core")
    if(NOT DEFINED level_of_${area})
      list(APPEND problems "${rel}: the folder core/${area} has no level in cmake/CheckLayers.cmake")
      continue()
    endif()
    set(own ${level_of_${area}})
  elseif(NOT DEFINED allowed_${layer})
    continue()
  endif()
  foreach(line IN LISTS lines)
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"/]+)/.*" "\\1" target "${line}")
    if(DEFINED level_of_${target})
      # A core header: above its own level for a core file, always fine for a window layer.
      if(layer STREQUAL "core" AND level_of_${target} GREATER own)
        list(APPEND problems "${rel}: includes ${target}/ (level ${level_of_${target}}) from ${area}/ (level ${own})")
      endif()
    elseif(DEFINED allowed_${target})
      # A window-layer header.
      if(layer STREQUAL "core" OR NOT target IN_LIST allowed_${layer})
        list(APPEND problems "${rel}: includes ${target}/ from the ${layer} layer")
      endif()
    endif()
  endforeach()
endforeach()

if(problems)
  list(JOIN problems "\n  " text)
  message(FATAL_ERROR "Include pointing to a higher level:\n  ${text}")
endif()
