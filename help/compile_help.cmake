# Run with cmake -P. chmcmd reads the project's file names relative to the
# current folder and writes the .chm there, so it works on a staged copy: the
# source folder never receives build output, and a half-written file from a
# failed run never reaches the program's folder.
foreach(required CHMCMD SOURCE_DIR STAGE_DIR OUTPUT)
  if(NOT ${required})
    message(FATAL_ERROR "compile_help.cmake: -D${required}= is missing")
  endif()
endforeach()

file(REMOVE_RECURSE "${STAGE_DIR}")
file(MAKE_DIRECTORY "${STAGE_DIR}")
file(GLOB pages "${SOURCE_DIR}/*.htm" "${SOURCE_DIR}/*.css" "${SOURCE_DIR}/*.hh?")
file(COPY ${pages} DESTINATION "${STAGE_DIR}")

execute_process(
  COMMAND "${CHMCMD}" Help.hhp
  WORKING_DIRECTORY "${STAGE_DIR}"
  RESULT_VARIABLE status
  OUTPUT_VARIABLE log
  ERROR_VARIABLE log)
set(built "${STAGE_DIR}/Help.chm")
if(NOT status EQUAL 0)
  message(FATAL_ERROR "chmcmd failed (${status}):\n${log}")
endif()
if(NOT EXISTS "${built}")
  message(FATAL_ERROR "chmcmd reported success but wrote no Help.chm:\n${log}")
endif()
file(SIZE "${built}" size)
if(size EQUAL 0)
  message(FATAL_ERROR "chmcmd wrote an empty Help.chm:\n${log}")
endif()

get_filename_component(output_dir "${OUTPUT}" DIRECTORY)
file(MAKE_DIRECTORY "${output_dir}")
file(COPY_FILE "${built}" "${OUTPUT}")
message(STATUS "Help.chm: ${size} bytes")
