#!/bin/sh
# Stands in for scenario-tool in the tests of the manual page and completion
# generators: help laid out by an option-parsing library (sections, a
# "help COMMAND" command, --version, value lists in braces), and text that
# roff would misread if it were not escaped; an example line names the tool
# where the commands are listed.
case "$1" in
--version) echo "scenario-tool 9.8.7" ;;
--help)
  cat <<'HELP'
Scenario authoring tool
Usage: scenario-tool [OPTIONS] SUBCOMMAND

Options:
  -h,--help                   Print this help message and exit
  --version                   Display program version information and exit

Subcommands:
  compile                     compile a line and a train description
  new                         write a starter pair
  help                        show the help of a command

Example:
  scenario-tool compile A_linea.txt A_1-.txt
HELP
  ;;
help)
  case "$2" in
  compile)
    cat <<'HELP'
compile a line and a train description
Usage: scenario-tool compile [OPTIONS] LINE TRAIN

Options:
  -h,--help                   Print this help message and exit
  --out DIR                   write the files there
  --format TEXT:{text,csv,json}
                              how to print the result
  --json                      Print one JSON object
.starts with a dot
'starts with an apostrophe
Example:
  scenario-tool compile A_linea.txt A_1-.txt --out C:\out
HELP
    ;;
  new) echo "Usage: scenario-tool new DIR --line-name NAME --train-number NUMBER" ;;
  help) echo "Usage: scenario-tool help COMMAND" ;;
  *) exit 1 ;;
  esac
  ;;
sources)
  [ "$2" = --out ] && [ -d "$3" ] && echo "line" >"$3/A_linea.txt"
  ;;
new)
  mkdir -p "$2" && echo "line" >"$2/$4_linea.txt" && echo "train" >"$2/$4_$6-.txt"
  ;;
*) exit 1 ;;
esac
