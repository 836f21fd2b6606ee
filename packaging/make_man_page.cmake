# Writes a section 1 manual page from the help text of a program.
#
#   cmake -DPROGRAM=scenario-tool -DTOOL=path/to/scenario-tool -DVERSION=1.0.0
#         -DSUMMARY="..." -DDOC_DIR=/usr/share/doc/... -DSEE_ALSO=scenario
#         -DOUT=scenario-tool.1 -P make_man_page.cmake
#   cmake -DPROGRAM=scenario -DHELP_FILE=scenario.help ... -P make_man_page.cmake
#
# With TOOL the text is what the tool prints for --help, and, for every
# command that help lists, what it prints for "help COMMAND" (or
# "COMMAND --help"). With HELP_FILE the text is that file. The page shows the
# text as it is, line for line, so the manual says exactly what the program
# says.
cmake_minimum_required(VERSION 3.25)
include("${CMAKE_CURRENT_LIST_DIR}/help_text.cmake")

foreach(var PROGRAM VERSION SUMMARY OUT)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "make_man_page.cmake: ${var} is not set")
  endif()
endforeach()

# Roff text: backslashes and hyphens escaped, and a line starting with a dot
# or an apostrophe kept from being read as a request.
function(roff_text text out_var)
  string(REPLACE "\r" "" text "${text}")
  string(REPLACE "\\" "\\e" text "${text}")
  string(REPLACE "-" "\\-" text "${text}")
  string(REGEX REPLACE "\n+$" "" text "${text}")
  set(text "\n${text}")
  string(REGEX REPLACE "\n([.'])" "\n\\\\&\\1" text "${text}")
  string(SUBSTRING "${text}" 1 -1 text)
  set(${out_var} "${text}" PARENT_SCOPE)
endfunction()

# A block shown as the program prints it.
function(roff_verbatim text out_var)
  roff_text("${text}" body)
  set(${out_var} ".nf\n${body}\n.fi\n" PARENT_SCOPE)
endfunction()

string(TOUPPER "${PROGRAM}" title)
roff_text("${PROGRAM}" name)
roff_text("${SUMMARY}" summary)
set(page ".TH ${title} 1 \"\" \"${name} ${VERSION}\" \"User Commands\"\n")
string(APPEND page ".ad l\n.SH NAME\n${name} \\- ${summary}\n")

if(DEFINED TOOL)
  scenario_run_tool("${TOOL}" overview --help)
  if(NOT overview_rc STREQUAL "0" OR NOT overview_out MATCHES "[^ \n]")
    message(FATAL_ERROR "${TOOL} --help failed (${overview_rc}): ${overview_err}")
  endif()
  scenario_tool_commands("${TOOL}" "${overview_out}" commands)
  if(NOT commands)
    message(FATAL_ERROR "${TOOL} --help lists no command:\n${overview_out}")
  endif()
  string(APPEND page ".SH SYNOPSIS\n.B ${name}\n.I COMMAND\n.RI [ ARGUMENTS ...]\n")
  roff_verbatim("${overview_out}" block)
  string(APPEND page ".SH DESCRIPTION\n${block}")
  set(sections "")
  foreach(command IN LISTS commands)
    scenario_command_help("${TOOL}" "${command}" help)
    if(help)
      roff_text("${command}" command_name)
      roff_verbatim("${help}" block)
      string(APPEND sections ".SS ${command_name}\n${block}")
    endif()
  endforeach()
  if(sections)
    string(APPEND page ".SH COMMANDS\n${sections}")
  endif()
elseif(DEFINED HELP_FILE)
  file(READ "${HELP_FILE}" help)
  string(APPEND page ".SH SYNOPSIS\n.B ${name}\n")
  roff_verbatim("${help}" block)
  string(APPEND page ".SH DESCRIPTION\n${block}")
else()
  message(FATAL_ERROR "make_man_page.cmake: set TOOL or HELP_FILE")
endif()

if(DEFINED SEE_ALSO OR DEFINED DOC_DIR)
  string(APPEND page ".SH SEE ALSO\n")
  foreach(other IN LISTS SEE_ALSO)
    roff_text("${other}" other)
    string(APPEND page ".BR ${other} (1)\n")
  endforeach()
  if(DEFINED DOC_DIR)
    roff_text("${DOC_DIR}" doc_dir)
    string(APPEND page ".PP\nThe file formats and the commands are documented in the folder\n"
                       ".I ${doc_dir}\nof the installation, such as\n.IR /usr/${doc_dir} .\n")
  endif()
endif()

file(WRITE "${OUT}" "${page}")
