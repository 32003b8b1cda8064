# Fails when a file below DIR includes a Qt header.
file(GLOB_RECURSE files ${DIR}/*.h ${DIR}/*.cpp)
foreach(f IN LISTS files)
  file(STRINGS ${f} hits REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"](Q[A-Za-z]+|Qt[A-Za-z]*/)")
  if(hits)
    message(FATAL_ERROR "Qt header included in the core library: ${f}: ${hits}")
  endif()
endforeach()
