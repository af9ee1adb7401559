# Each subsystem folder is a static library of its portable files; the
# Win32-only files (win32/ folders and *_win.cpp) join only Windows builds.
function(tw_sources out folder)
  file(GLOB all CONFIGURE_DEPENDS "${CMAKE_SOURCE_DIR}/src/${folder}/*.cpp")
  set(picked "")
  foreach(f IN LISTS all)
    if(f MATCHES "_win\\.cpp$" AND NOT WIN32)
      continue()
    endif()
    list(APPEND picked "${f}")
  endforeach()
  set(${out} "${picked}" PARENT_SCOPE)
endfunction()

# A static library of a folder's sources; while a folder is still empty it is
# an interface library, so the tree configures at every step of its growth.
function(tw_library name folder)
  tw_sources(src ${folder})
  if(src)
    add_library(${name} STATIC ${src})
    target_link_libraries(${name} PUBLIC ${ARGN})
  else()
    add_library(${name} INTERFACE)
    target_link_libraries(${name} INTERFACE ${ARGN})
  endif()
endfunction()
