# Windows resolves a program's static imports before its first line runs, and
# for a DLL that is not one of its KnownDLLs it looks in the program's own
# folder first. Windows' DLLs are linked through delay-import libraries
# instead: each is loaded at its first call, after WinMain has restricted the
# search to the system folder (platform/win32/system_library_win.cpp). That
# covers those that are not KnownDLLs on every Windows from 7 to 11 (uxtheme,
# wininet, bcrypt, gdiplus, comctl32, oleacc), and also those that load
# others by name while they start (Wine's user32 loads uxtheme so), so only
# kernel32, advapi32, gdi32 and the C runtime are loaded before the program's
# own code.
#
#   tw_delay_import(<name> <dll file name>)
#
# defines the interface library tw_delay_<name>, linked in place of <name>.
# Its import library is made at configure time from the toolchain's own
# lib<name>.a, so every function that library offers can be called.

function(tw_delay_import name dll)
  find_library(tw_import_${name} NAMES lib${name}.a ${name} REQUIRED NO_CACHE)
  set(folder ${CMAKE_BINARY_DIR}/delay_imports)
  set(def ${folder}/${name}.def)
  set(library ${folder}/lib${name}_delay.a)
  file(MAKE_DIRECTORY ${folder})
  execute_process(COMMAND ${CMAKE_NM} --defined-only ${tw_import_${name}}
                  OUTPUT_VARIABLE symbols COMMAND_ERROR_IS_FATAL ANY)
  # x86-64 names its thunks __imp_Name; i686 __imp__Name@bytes, whose
  # decoration dlltool's --kill-at drops from the name it imports by.
  if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    set(prefix "__imp__")
    set(kill_at --kill-at)
  else()
    set(prefix "__imp_")
    set(kill_at "")
  endif()
  string(REGEX MATCHALL " I ${prefix}[^\n]+" imports "${symbols}")
  list(TRANSFORM imports REPLACE " I ${prefix}" "")
  list(REMOVE_DUPLICATES imports)
  list(JOIN imports "\n" exports)
  set(definition "LIBRARY ${dll}\nEXPORTS\n${exports}\n")
  # Made again only when what it offers changed: a new library file at every
  # configure would relink every program, and an installer packaged from one
  # configure would no longer hold the program of the next.
  set(old_definition "")
  if(EXISTS ${def} AND EXISTS ${library})
    file(READ ${def} old_definition)
  endif()
  if(NOT old_definition STREQUAL definition)
    file(WRITE ${def}.new "${definition}")
    execute_process(COMMAND ${CMAKE_DLLTOOL} ${kill_at} --input-def ${def}.new --dllname ${dll}
                            --output-delaylib ${library}
                    WORKING_DIRECTORY ${folder} COMMAND_ERROR_IS_FATAL ANY)
    if(CMAKE_SIZEOF_VOID_P EQUAL 4)
      # i686 ld drops the code section of an import member whose function is
      # called only through its __imp_ pointer, and that code is where the
      # pointer starts out: the first call jumped to 0. Marked as data, it is
      # kept, and still lands in the program's executable .text.
      execute_process(COMMAND ${CMAKE_OBJCOPY} --rename-section ".text=.text$delay,alloc,load,readonly,data,contents"
                              ${library} COMMAND_ERROR_IS_FATAL ANY)
    endif()
    # Last, so a configure stopped part-way makes the library again.
    file(RENAME ${def}.new ${def})
  endif()
  add_library(tw_delay_${name} INTERFACE)
  target_link_libraries(tw_delay_${name} INTERFACE ${library})
endfunction()
