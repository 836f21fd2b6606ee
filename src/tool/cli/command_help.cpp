// The help texts of the tool's commands.
#include "tool/cli/command_help.h"

namespace scn::tool {

namespace {

constexpr option_help identity_options[] = {
    {"--line-name", "NAME", "line name (default: from LINE's name)"},
    {"--train-number", "NUMBER", "train number (default: from TRAIN's name)"},
};

std::vector<command_help> make_table() {
  std::vector<command_help> t;
  t.push_back({"new",
               "new DIR --line-name NAME --train-number NUMBER [--force]",
               "write a small starter line and train description to edit",
               "Writes NAME_linea.txt and NAME_NUMBER-.txt into DIR (created with its parents):\n"
               "a 6 km line with every kind of line record (kilometric references, backdrops,\n"
               "curves both ways, gradients, a tunnel with its board, a speed post) and one\n"
               "train over it (both profiles, three stations with times, signals, a slowdown),\n"
               "each section opened by a comment line. The pair checks clean and compiles.",
               {{"--line-name", "NAME", "line name; the files are named after it"},
                {"--train-number", "NUMBER", "train number"},
                {"--force", "", "replace description files of the same names"}},
               1,
               1,
               "scenario-tool new route --line-name VALLE-PIANA --train-number 10001",
               "0  the two files were written\n"
               "1  bad command line, files already there, or a file could not be written"});
  t.push_back({"sources",
               "sources [--out DIR] [--force]",
               "write the embedded scenario's five text files",
               "Writes the line description, the train description, the notes document, the\n"
               "slowdown order and the timetable card of the embedded scenario, uncompiled.\n"
               "DIR is created with its parents when missing. Description files that already\n"
               "exist there are kept, and nothing is written, unless --force is given.",
               {{"--out", "DIR", "folder to write into (default: the current folder)"},
                {"--force", "", "replace files of the same names that already exist"}},
               0,
               0,
               "scenario-tool sources --out work",
               "0  the five files were written\n"
               "1  bad command line, files already there, or a file could not be written"});
  t.push_back({"compile",
               "compile LINE TRAIN [--out DIR] [--line-name NAME]\n"
               "         [--train-number NUMBER] [--no-plan] [--as-program]\n"
               "         [--json]",
               "compile a line and a train description into binary files",
               "Compiles the line description LINE and the train description TRAIN into the\n"
               "plan file NAME_linea.dat, the item file NAME_NUMBER.sim and the cell file\n"
               "NAME_NUMBER.dat, with the compiler, marker pass and stamping of the program.\n"
               "NAME defaults to LINE's file name without _linea.txt, NUMBER to TRAIN's file\n"
               "name without NAME_ and -.txt.\n"
               "The inputs are never changed. When the compile sets a status, the findings are\n"
               "printed as \"check\" prints them (with --json, listed in the JSON object) and\n"
               "nothing is written: files of an earlier compile stay as they were.\n"
               "--as-program writes the files whatever the status, as the program does, with\n"
               "a one-line warning. DIR is created when missing.",
               {{"--out", "DIR", "folder for the files (default: the current folder)"},
                identity_options[0],
                identity_options[1],
                {"--no-plan", "", "do not build or write the plan file"},
                {"--as-program", "", "write the files even when the compile sets a status"},
                {"--json", "", "print the outcome as one JSON object"}},
               2,
               2,
               "scenario-tool compile ROUTE_linea.txt ROUTE_10001-.txt --out build",
               "0  compiled clean, files written\n"
               "1  bad command line, an input or output that cannot be used, or the fatal\n"
               "   report (Errore n. 1250 / 1251); nothing written\n"
               "2  the compile set a status: nothing written (with --as-program: written)"});
  t.push_back({"check",
               "check LINE TRAIN [--format text|json] [--werror]\n"
               "      [--line-name NAME] [--train-number NUMBER]",
               "compile in memory and report every finding of both files",
               "Compiles the pair in memory, writes nothing, and reports every finding of both\n"
               "files in one run: where the program stops at a status, check records it, leaves\n"
               "that record out and reads on. Each finding gives the file, line and column of\n"
               "the field at fault, error or warning, a code, the record and field by name, the\n"
               "source line with a caret under the field, and related places as notes.\n"
               "Warnings are what the program accepts but an author almost certainly did not\n"
               "mean. The last line counts the findings, or portrays a pair without any.",
               {{"--format", "FORMAT", "text (the default), or json: one object"},
                {"--werror", "", "report warnings as errors"},
                identity_options[0],
                identity_options[1]},
               2,
               2,
               "scenario-tool check ROUTE_linea.txt ROUTE_10001-.txt",
               "0  no error (warnings allowed)\n"
               "1  bad command line or an input that cannot be read\n"
               "2  errors were found (with --werror: errors or warnings)"});
  t.push_back({"dump",
               "dump FILE [--format text|csv|json]",
               "decode a cell, item or plan file into readable rows",
               "Decodes a cell file (.dat), an item file (.sim) or a plan file (_linea.dat)\n"
               "and prints one row per cell, item row or plan point.",
               {{"--format", "FORMAT", "text (aligned columns, the default), csv or json"}},
               1,
               1,
               "scenario-tool dump ROUTE_10001.dat --format csv",
               "0  printed\n"
               "1  bad command line, or a file that cannot be read or decoded"});
  t.push_back({"plot",
               "plot LINE TRAIN --out FILE.svg|FILE.png\n"
               "     [--line-name NAME] [--train-number NUMBER]\n"
               "plot CELLS.dat ITEMS.sim [LINE_linea.dat]\n"
               "     --out FILE.svg|FILE.png",
               "draw the plan and the profile of a scenario",
               "Draws the plan of the line seen from above and, below it on one distance axis,\n"
               "the height, gradient, curvature, speed limit with slowdowns, tunnels, text\n"
               "boards and signals. Works from the two descriptions (compiled in memory) or\n"
               "from the binary files. The format follows the extension of --out: .svg or\n"
               ".png (rendered from the SVG picture; refused where the build has no PNG\n"
               "renderer). A scenario that compiles with a status is still drawn, with a\n"
               "banner naming the status.",
               {{"--out", "FILE", "picture to write, ending in .svg or .png"},
                identity_options[0],
                identity_options[1]},
               2,
               3,
               "scenario-tool plot ROUTE_linea.txt ROUTE_10001-.txt --out route.png",
               "0  drawn\n"
               "1  bad command line, an input that cannot be read, or an output that cannot be\n"
               "   written; nothing written\n"
               "2  drawn, but the scenario compiled with a status (shown in the banner)"});
  t.push_back({"decompile",
               "decompile CELLS.dat ITEMS.sim [LINE.dat] [--out DIR] [--force]",
               "write the descriptions back from the binary files",
               "Reads a cell file, an item file and, if given, a plan file, and writes the\n"
               "line description NAME_linea.txt and the train description NAME_NUMBER-.txt\n"
               "(NAME and NUMBER from the item file) that compile back to the same files, byte\n"
               "for byte. Without the plan file everything but the curves comes back; compile\n"
               "the result with --no-plan. Before it ends, the command compiles the two\n"
               "descriptions in memory and compares the result with its inputs. DIR is\n"
               "created when missing; description files that already exist there are kept,\n"
               "and nothing is written, unless --force is given.",
               {{"--out", "DIR", "folder to write into, created if missing (default: .)"},
                {"--force", "", "replace description files of the same names"}},
               2,
               3,
               "scenario-tool decompile ROUTE_10001.dat ROUTE_10001.sim ROUTE_linea.dat",
               "0  written; they compile back to the very same bytes\n"
               "1  bad command line, or a file that cannot be read or decoded (byte offset\n"
               "   named); nothing written\n"
               "2  some content no description can give: each cell or row is named, the\n"
               "   closest descriptions are written all the same"});
  t.push_back({"lsp",
               "lsp [--stdio]",
               "language server for editors on standard input and output",
               "Runs a language server for description files over standard input and\n"
               "output, for editors: the findings of \"check\" as the author types, hover,\n"
               "completion, signature help, an outline and quick fixes. It ends at the\n"
               "editor's \"exit\" or at the end of its input.",
               {{"--stdio", "", "standard input and output (the only transport)"}},
               0,
               0,
               "scenario-tool lsp --stdio",
               "0  the editor ended the session with shutdown and exit\n"
               "1  bad command line, or the session ended without shutdown"});
  t.push_back({"help",
               "help [COMMAND]",
               "show the help of a command",
               "Without COMMAND, lists the commands; with it, prints that command's usage,\n"
               "options, an example and its exit statuses (the same as COMMAND --help).",
               {},
               0,
               1,
               "scenario-tool help compile",
               "0  printed\n"
               "1  unknown command"});
  return t;
}

void append_lines(std::string& out, std::string_view text, std::string_view indent) {
  while (!text.empty()) {
    const auto end = text.find('\n');
    const auto line = text.substr(0, end);
    out += line.empty() ? std::string() : std::string(indent);
    out += line;
    out += '\n';
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
}

std::string option_label(const option_help& o) {
  std::string label(o.name);
  if (!o.value.empty()) label += " " + std::string(o.value);
  return label;
}

}  // namespace

const std::vector<command_help>& all_command_help() {
  static const std::vector<command_help> table = make_table();
  return table;
}

const command_help* find_command_help(std::string_view name) {
  for (const auto& c : all_command_help()) {
    if (c.name == name) return &c;
  }
  return nullptr;
}

std::string render_command_help(const command_help& c) {
  std::string out =
      "scenario-tool " + std::string(c.name) + " - " + std::string(c.summary) + "\n\n";
  out += "Usage:\n";
  // A synopsis line that begins with a blank continues the one before it.
  std::string_view synopsis = c.synopsis;
  while (!synopsis.empty()) {
    const auto end = synopsis.find('\n');
    const auto line = synopsis.substr(0, end);
    out += line.front() == ' ' ? "              " : "  scenario-tool ";
    out += std::string(line) + "\n";
    if (end == std::string_view::npos) break;
    synopsis.remove_prefix(end + 1);
  }
  out += "\n";
  append_lines(out, c.description, "");
  out += "\nOptions:\n";
  for (const auto& o : c.options) {
    const std::string label = option_label(o);
    out += "  " + label + std::string(label.size() < 24 ? 24 - label.size() : 1, ' ');
    out += std::string(o.text) + "\n";
  }
  out += "  --help, -h              show this help\n";
  out += "\nExample:\n";
  append_lines(out, c.example, "  $ ");
  out += "\nExit status:\n";
  append_lines(out, c.exit_statuses, "  ");
  return out;
}

std::string render_tool_overview() {
  std::string out =
      "usage: scenario-tool COMMAND [ARGUMENTS] [OPTIONS]\n"
      "       scenario-tool --version | --help\n\n"
      "Commands:\n";
  for (const auto& c : all_command_help()) {
    const std::string name(c.name);
    out += "  " + name + std::string(10 - name.size(), ' ') + std::string(c.summary) + "\n";
  }
  out += "\nRun \"scenario-tool help COMMAND\" for a command's usage, options and example.\n";
  return out;
}

}  // namespace scn::tool
