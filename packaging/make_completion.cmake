# Writes the bash completion script of scenario-tool from the tool's help:
# the commands its --help lists, and for each command the options named in
# its own help ("help COMMAND" or "COMMAND --help", else its lines in the
# overview) with what their values are.
#
#   cmake -DTOOL=path/to/scenario-tool -DTEMPLATE=scenario-tool.bash.in
#         -DOUT=scenario-tool -P make_completion.cmake
cmake_minimum_required(VERSION 3.25)
include("${CMAKE_CURRENT_LIST_DIR}/help_text.cmake")

foreach(var TOOL TEMPLATE OUT)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "make_completion.cmake: ${var} is not set")
  endif()
endforeach()

scenario_run_tool("${TOOL}" overview --help)
if(NOT overview_rc STREQUAL "0")
  message(FATAL_ERROR "${TOOL} --help failed (${overview_rc}): ${overview_err}")
endif()
scenario_tool_commands("${TOOL}" "${overview_out}" commands)
if(NOT commands)
  message(FATAL_ERROR "${TOOL} --help lists no command:\n${overview_out}")
endif()

set(global_options --help)
scenario_run_tool("${TOOL}" version --version)
if(version_rc STREQUAL "0")
  list(APPEND global_options --version)
endif()

list(JOIN commands " " command_words)
list(JOIN global_options " " global_words)
set(options_cases "")
set(value_cases "")
foreach(command IN LISTS commands)
  scenario_command_help("${TOOL}" "${command}" help)
  if(NOT help)
    scenario_overview_block("${overview_out}" "${command}" help)
  endif()
  scenario_help_options("${help}" found)
  list(JOIN found_options " " option_words)
  string(APPEND options_cases "    ${command}) echo '${option_words}' ;;\n")
  foreach(option IN LISTS found_options)
    string(REGEX REPLACE "^--" "" key "${option}")
    string(REPLACE "-" "_" key "${key}")
    if(DEFINED found_value_${key})
      string(APPEND value_cases "    '${command} ${option}') echo '${found_value_${key}}' ;;\n")
      unset(found_value_${key})
    endif()
  endforeach()
endforeach()

set(SCENARIO_TOOL_COMPLETION_TABLES
"_scenario_tool_commands='${command_words}'
_scenario_tool_global_options='${global_words}'

# The options of a command.
_scenario_tool_options() {
  case $1 in
${options_cases}  esac
}

# What follows an option of a command: dir, file, text or \"words\" and the
# words that may follow.
_scenario_tool_value() {
  case \"$1 $2\" in
${value_cases}  esac
}")
configure_file("${TEMPLATE}" "${OUT}" @ONLY)
