# Reading the help text that scenario-tool prints: the commands it lists and,
# for every command, its own help and the options named in it. Shared by the
# scripts that turn that text into the manual page and the bash completion,
# so that both always follow what the program says about itself.
#
# The text is read the way a person reads it, so that it does not matter how
# the program lays it out: a command is a word at the start of a line indented
# by two spaces ("  compile LINE TRAIN ..." or "  compile    description"); an
# option is any "--name" in the command's help; an option takes a value when
# its name is followed by one space and a placeholder ("--out DIR",
# "--format text|csv|json", "--format TEXT:{text,csv,json}").

# Runs the tool with the given arguments; sets <prefix>_rc, <prefix>_out and
# <prefix>_err. A tool that hangs is stopped after 60 seconds.
function(scenario_run_tool tool prefix)
  execute_process(COMMAND "${tool}" ${ARGN}
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 60)
  set(${prefix}_rc "${rc}" PARENT_SCOPE)
  set(${prefix}_out "${out}" PARENT_SCOPE)
  set(${prefix}_err "${err}" PARENT_SCOPE)
endfunction()

# Splits text into a CMake list of lines. Semicolons and square brackets
# (which a CMake list would take as its own syntax) are replaced by the
# control characters 1, 2 and 3; scenario_restore_line undoes it.
function(scenario_split_lines text out_var)
  string(ASCII 1 semi)
  string(ASCII 2 open)
  string(ASCII 3 close)
  string(REPLACE ";" "${semi}" text "${text}")
  string(REPLACE "[" "${open}" text "${text}")
  string(REPLACE "]" "${close}" text "${text}")
  string(REPLACE "\r" "" text "${text}")
  string(REPLACE "\n" ";" lines "${text}")
  set(${out_var} "${lines}" PARENT_SCOPE)
endfunction()

function(scenario_restore_line line out_var)
  string(ASCII 1 semi)
  string(ASCII 2 open)
  string(ASCII 3 close)
  string(REPLACE "${semi}" ";" line "${line}")
  string(REPLACE "${open}" "[" line "${line}")
  string(REPLACE "${close}" "]" line "${line}")
  set(${out_var} "${line}" PARENT_SCOPE)
endfunction()

# The commands listed in the overview help, in the order they appear.
function(scenario_help_commands overview out_var)
  scenario_split_lines("${overview}" lines)
  set(commands "")
  foreach(line IN LISTS lines)
    if(line MATCHES "^  ([a-z][a-z0-9-]*)( |$)")
      list(APPEND commands "${CMAKE_MATCH_1}")
    endif()
  endforeach()
  list(REMOVE_DUPLICATES commands)
  set(${out_var} "${commands}" PARENT_SCOPE)
endfunction()

# The commands of the tool: those its overview help lists (an example line
# naming the tool itself is no command) and, where the tool has a help of its
# own for some of them, only the ones that have it.
function(scenario_tool_commands tool overview out_var)
  scenario_help_commands("${overview}" candidates)
  get_filename_component(tool_name "${tool}" NAME_WE)
  list(REMOVE_ITEM candidates scenario-tool "${tool_name}")
  set(confirmed "")
  foreach(command IN LISTS candidates)
    scenario_command_help("${tool}" "${command}" help)
    if(help)
      list(APPEND confirmed "${command}")
    endif()
  endforeach()
  if(confirmed)
    set(candidates "${confirmed}")
  endif()
  set(${out_var} "${candidates}" PARENT_SCOPE)
endfunction()

# The lines of the overview that describe one command: its usage lines and
# the more deeply indented lines that follow them.
function(scenario_overview_block overview command out_var)
  scenario_split_lines("${overview}" lines)
  set(block "")
  set(inside FALSE)
  foreach(line IN LISTS lines)
    if(line MATCHES "^  ([a-z][a-z0-9-]*)( |$)")
      if(CMAKE_MATCH_1 STREQUAL command)
        set(inside TRUE)
      else()
        set(inside FALSE)
      endif()
    elseif(NOT line MATCHES "^   ")
      set(inside FALSE)
    endif()
    if(inside)
      scenario_restore_line("${line}" line)
      string(APPEND block "${line}\n")
    endif()
  endforeach()
  set(${out_var} "${block}" PARENT_SCOPE)
endfunction()

# The help of one command as the tool prints it: "help COMMAND" where the
# tool has it, else "COMMAND --help"; empty when the tool has neither.
function(scenario_command_help tool command out_var)
  set(text "")
  foreach(form IN ITEMS "help;${command}" "${command};--help")
    scenario_run_tool("${tool}" run ${form})
    if(run_rc STREQUAL "0" AND run_out MATCHES "[^ \n]")
      set(text "${run_out}")
      break()
    endif()
  endforeach()
  set(${out_var} "${text}" PARENT_SCOPE)
endfunction()

# The options named in a help text (sorted, without duplicates) and, for the
# ones that take a value, what the value is: <prefix>_options lists the
# names; <prefix>_value_<name without dashes> holds "dir", "file",
# "words A B C" or "text".
function(scenario_help_options text prefix)
  string(REGEX MATCHALL "--[A-Za-z][A-Za-z0-9-]*" names "${text}")
  list(REMOVE_DUPLICATES names)
  list(SORT names)
  set(${prefix}_options "${names}" PARENT_SCOPE)
  set(placeholder "[A-Z][A-Z0-9_]*(\\.[a-z]+)?(:\\{[^}]*\\})?|[a-z0-9]+(\\|[a-z0-9]+)+")
  # A placeholder ends the word: "--out C:\dir" in an example is no "--out C".
  # Square brackets (optional parts) are blanked first: a CMake list would
  # not split at a semicolon after a lone bracket.
  string(REGEX REPLACE "[][]" " " plain "${text}")
  string(REGEX MATCHALL "--[A-Za-z][A-Za-z0-9-]*[ =](${placeholder})([ \n]|$)" pairs "${plain}")
  foreach(pair IN LISTS pairs)
    string(REGEX MATCH "^--([A-Za-z0-9-]+)[ =](${placeholder})" _ "${pair}")
    set(name "${CMAKE_MATCH_1}")
    set(value "${CMAKE_MATCH_2}")
    string(REPLACE "-" "_" key "${name}")
    # The first mention, in the usage or the option list, says it best.
    if(DEFINED kind_${key})
      continue()
    endif()
    if(value MATCHES "\\{([^}]*)\\}")
      string(REPLACE "," " " words "${CMAKE_MATCH_1}")
      set(kind "words ${words}")
    elseif(value MATCHES "\\|")
      string(REPLACE "|" " " words "${value}")
      set(kind "words ${words}")
    elseif(value MATCHES "DIR")
      set(kind "dir")
    elseif(value MATCHES "FILE|PATH|\\.[a-z]+$")
      set(kind "file")
    elseif(name STREQUAL "out")
      set(kind "file")
    else()
      set(kind "text")
    endif()
    set(kind_${key} "${kind}")
    set(${prefix}_value_${key} "${kind}" PARENT_SCOPE)
  endforeach()
endfunction()
