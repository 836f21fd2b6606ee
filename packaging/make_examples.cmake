# Writes the example scenarios that are installed with the programs:
#   OUT/embedded  the embedded scenario's text files ("sources --out")
#   OUT/starter   the starter pair of "new", where the tool has that command
# Each folder is written afresh, so nothing stale is shipped.
#
#   cmake -DTOOL=path/to/scenario-tool -DOUT=examples -P make_examples.cmake
cmake_minimum_required(VERSION 3.25)
include("${CMAKE_CURRENT_LIST_DIR}/help_text.cmake")

foreach(var TOOL OUT)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "make_examples.cmake: ${var} is not set")
  endif()
endforeach()

# Runs the tool and stops the build, with what it said, when it fails.
function(run_or_fail)
  scenario_run_tool("${TOOL}" run ${ARGN})
  if(NOT run_rc STREQUAL "0")
    list(JOIN ARGN " " args)
    message(FATAL_ERROR "scenario-tool ${args} failed (${run_rc}):\n${run_out}${run_err}")
  endif()
endfunction()

file(REMOVE_RECURSE "${OUT}")
file(MAKE_DIRECTORY "${OUT}/embedded")
run_or_fail(sources --out "${OUT}/embedded")
file(GLOB written "${OUT}/embedded/*_linea.txt")
if(NOT written)
  message(FATAL_ERROR "scenario-tool sources wrote no line description into ${OUT}/embedded")
endif()

scenario_run_tool("${TOOL}" overview --help)
scenario_tool_commands("${TOOL}" "${overview_out}" commands)
if("new" IN_LIST commands)
  run_or_fail(new "${OUT}/starter" --line-name ESEMPIO --train-number 10001)
endif()
