# The files the build draws into the program folder come out byte for byte
# the same on every run: the drawing tool is run twice into empty folders,
# and both runs must equal each other and the program folder.
#   cmake -DTOOL=<iconmaker> -DPROGRAM_DIR=<build/bin> -DWORK=<scratch folder> -P reproducible_pictures.cmake
foreach(var TOOL PROGRAM_DIR WORK)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "${var} is not set")
  endif()
endforeach()

file(REMOVE_RECURSE ${WORK})
foreach(run first second)
  file(MAKE_DIRECTORY ${WORK}/${run})
  execute_process(COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ${TOOL} ${WORK}/${run}
                  RESULT_VARIABLE result ERROR_VARIABLE errors)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "the drawing tool failed (${result}): ${errors}")
  endif()
endforeach()

file(GLOB_RECURSE drawn RELATIVE ${WORK}/first ${WORK}/first/*)
list(LENGTH drawn count)
if(count LESS 32)
  message(FATAL_ERROR "the tool drew only ${count} files: ${drawn}")
endif()
set(differ "")
foreach(name IN LISTS drawn)
  foreach(other ${WORK}/second ${PROGRAM_DIR})
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WORK}/first/${name} ${other}/${name}
                    RESULT_VARIABLE same)
    if(NOT same EQUAL 0)
      list(APPEND differ "${other}/${name}")
    endif()
  endforeach()
endforeach()
if(differ)
  message(FATAL_ERROR "not the same bytes as a fresh drawing: ${differ}")
endif()
message(STATUS "${count} drawn files, the same bytes on every run")
