# corvane_qt_library(NAME DIR LIBS...): a static library of every .cpp/.h below DIR, with moc,
# the Qt options and the include root src. Nothing is created while DIR holds no source yet.
function(corvane_qt_library name dir)
  file(GLOB_RECURSE srcs CONFIGURE_DEPENDS ${dir}/*.cpp ${dir}/*.h)
  if(NOT srcs)
    return()
  endif()
  add_library(${name} STATIC ${srcs})
  set_target_properties(${name} PROPERTIES AUTOMOC ON AUTORCC ON)
  # Headers of the Qt layers are included from src: "render/diagram/TDiagram.h".
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC corvane_qt_options ${ARGN})
endfunction()
