// The language server's features on a small pair of descriptions: the
// diagnostics of the pair, hover, completion, signature help, the outline
// and the quick fixes.
#include <gtest/gtest.h>

#include <algorithm>

#include "compiler/compile_fixture.h"
#include "pipeline/memory_compile.h"
#include "sources/line_description_table.h"
#include "sources/train_description_table.h"
#include "tool/lsp/description_pair.h"
#include "tool/lsp/features.h"
#include "tool/lsp/lsp_test_client.h"

namespace scn::tool::lsp {
namespace {

using testing::memory_files;
using testing::published;
using testing::test_client;

const std::string line_path = "/route/PROVA_linea.txt";
const std::string train_path = "/route/PROVA_00006-.txt";
const std::string line_uri = "file:///route/PROVA_linea.txt";
const std::string train_uri = "file:///route/PROVA_00006-.txt";

const std::string line_text =
    "[generale]\r\n"
    "lunghezza percorso,    20000\r\n"
    "[curve]\r\n"
    "curvas5,  3000,  400\r\n"
    "[pendenze]\r\n"
    "pendenza,  1000,   5\r\n"
    "[cartelli]\r\n"
    "indicatori_vmax,  600,  90,  95,  95,  0,  ,  ,  ,  0\r\n"
    "[indicazioni]\r\n"
    "cartello_indicatore,  5950,   (GALLERIA)(PROVA)(Mt.400 Km.6+000)\r\n"
    "[fine]\r\n";

// Line numbers (0-based) of the train description below.
constexpr int origin_line = 7, arrival_line = 8, signal_line = 12;
const std::string train_text =
    "[generale]\r\n"
    "numero vetture,    5\r\n"
    "orologio,    10  0  0\r\n"
    "[aderenze]\r\n"
    "aderenza,   0,    100\r\n"
    "[vel_limite]\r\n"
    "[stazioni]\r\n"
    "stazione,       0,  8,  500, 1, 0, 0, 4, 1, 0, 2, 1, 1,   1, 10,  0,  0, ORIGINE\r\n"
    "stazione,   15000, 12,  600, 1, 0, 0, 4, 1, 0, 2, 1, 1,  99, 10, 20,  0, ARRIVO\r\n"
    "[rallentamenti]\r\n"
    "rallentamento,   10000,    30,  500, 1,  1,  20\r\n"
    "[segnali]\r\n"
    "segnale,    2450,   1, 3, 0,  0, 0,    0,  0,0,0, 0\r\n"
    "[fine]\r\n";

std::string replaced(std::string text, const std::string& from, const std::string& to) {
  text.replace(text.find(from), from.size(), to);
  return text;
}

json at(const std::string& uri, int line, int character) {
  return {{"textDocument", {{"uri", uri}}},
          {"position", {{"line", line}, {"character", character}}}};
}

class LspFeatures : public ::testing::Test {
 protected:
  void SetUp() override {
    files.files[line_path] = line_text;
    files.files[train_path] = train_text;
    client.initialize(true);
  }
  memory_files files;
  test_client client{files};
};

TEST_F(LspFeatures, ACleanPairPublishesNoDiagnosticsForEitherFile) {
  const auto sent = client.open(train_uri, train_text);
  EXPECT_EQ(published(sent, train_uri), json::array());
  EXPECT_EQ(published(sent, line_uri), json::array());
}

TEST(LspEmbeddedScenario, ShowsNoDiagnosticAndOutlinesEveryStation) {
  memory_files files;
  const std::string line = scn::testing::table_bytes(fill_line_description);
  const std::string train = scn::testing::table_bytes(fill_train_description);
  files.files["/e/BORGOLAGO-CIMAPASSO_linea.txt"] = line;
  test_client client(files);
  client.initialize();
  const std::string uri = "file:///e/BORGOLAGO-CIMAPASSO_51827-.txt";
  const auto sent = client.open(uri, train);
  EXPECT_EQ(published(sent, uri), json::array());
  EXPECT_EQ(published(sent, "file:///e/BORGOLAGO-CIMAPASSO_linea.txt"), json::array());
  std::size_t stations = 0;
  for (const auto& section :
       client.result("textDocument/documentSymbol", {{"textDocument", {{"uri", uri}}}})) {
    for (const auto& s : section["children"])
      stations += s["name"].get<std::string>().rfind("stazione ", 0) == 0;
  }
  EXPECT_EQ(stations, 27u);
}

TEST(LspDiagnosticsJson, RelatedPlacesPointIntoTheirOwnFile) {
  const std::string text = "[generale]\nsegnale, 2450\n";
  pair_finding f{description::train, {2, 10}, true, "status-16", "refused", {}, {}};
  f.related.push_back({description::line, {7, 3}, "the board that holds the cell"});
  const json d = diagnostics_for({text, false}, description::train, {f}, "file:///l", "file:///t");
  ASSERT_EQ(d.size(), 1u);
  EXPECT_EQ(d[0]["range"]["start"], json({{"line", 1}, {"character", 9}}));
  EXPECT_EQ(d[0]["range"]["end"], json({{"line", 1}, {"character", 13}}));
  const json r = d[0]["relatedInformation"][0];
  EXPECT_EQ(r["location"]["uri"], "file:///l");
  EXPECT_EQ(r["location"]["range"]["start"], json({{"line", 6}, {"character", 2}}));
  EXPECT_EQ(r["message"], "the board that holds the cell");
  EXPECT_EQ(diagnostics_for({text, true}, description::line, {f}, "file:///l", "file:///t"),
            json::array());
}

TEST_F(LspFeatures, ClosingADocumentClearsItsDiagnosticsAndRecompilesItsPartner) {
  client.open(line_uri, replaced(line_text, "20000", "5000"));
  ASSERT_FALSE(published(client.open(train_uri, train_text), train_uri).empty());
  const auto sent = client.notify("textDocument/didClose", {{"textDocument", {{"uri", line_uri}}}});
  // The train compiles with the line on disk again: no longer cut short.
  EXPECT_EQ(published(sent, train_uri), json::array());
  EXPECT_EQ(published(sent, line_uri), json::array());
}

TEST_F(LspFeatures, AMisspeltKeywordIsShownAtItsLineAndClearedAfterTheFix) {
  const std::string bad = replaced(train_text, "stazione,   15000", "stazoine,   15000");
  const auto sent = client.open(train_uri, bad);
  const json diags = published(sent, train_uri);
  ASSERT_EQ(diags.size(), 1u) << diags.dump();
  EXPECT_EQ(diags[0]["code"], "unknown-keyword");
  EXPECT_EQ(diags[0]["range"]["start"], json({{"line", arrival_line}, {"character", 0}}));
  EXPECT_EQ(diags[0]["range"]["end"], json({{"line", arrival_line}, {"character", 8}}));
  // Check's own finding, with the keyword meant for the quick fix.
  EXPECT_EQ(diags[0]["message"],
            "unrecognised keyword \"stazoine\": the field and the values after it are ignored; "
            "did you mean \"stazione\"?");
  EXPECT_EQ(diags[0]["data"]["suggestion"], "stazione");

  const json actions =
      client.result("textDocument/codeAction", {{"textDocument", {{"uri", train_uri}}},
                                                {"range", diags[0]["range"]},
                                                {"context", {{"diagnostics", diags}}}});
  ASSERT_FALSE(actions.empty());
  EXPECT_EQ(actions[0]["title"], "Change to \"stazione\"");
  EXPECT_EQ(actions[0]["diagnostics"], diags);
  const json edit = actions[0]["edit"]["changes"][train_uri][0];
  EXPECT_EQ(edit["newText"], "stazione");
  EXPECT_EQ(edit["range"], diags[0]["range"]);

  EXPECT_EQ(published(client.change(train_uri, train_text), train_uri), json::array());
}

// The keyword fix comes from the finding the server published, so it is
// offered to an editor that sends no diagnostics back, and a curve keeps
// its turn and class.
TEST_F(LspFeatures, TheKeywordFixNeedsNoDiagnosticsFromTheEditor) {
  const struct {
    const std::string& uri;
    std::string text;
    int line;
    const char* title;
  } cases[] = {
      {train_uri, replaced(train_text, "stazione,   15000", "stazoine,   15000"), arrival_line,
       "Change to \"stazione\""},
      {line_uri, replaced(line_text, "curvas5", "curvs5"), 3, "Change to \"curvas5\""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.title);
    client.open(c.uri, c.text);
    const json range = {{"start", {{"line", c.line}, {"character", 0}}},
                        {"end", {{"line", c.line}, {"character", 0}}}};
    for (const json& context : {json::object(), json({{"diagnostics", json::array()}})}) {
      const json actions = client.result(
          "textDocument/codeAction",
          {{"textDocument", {{"uri", c.uri}}}, {"range", range}, {"context", context}});
      ASSERT_EQ(actions.size(), 1u) << actions.dump();
      EXPECT_EQ(actions[0]["title"], c.title);
      EXPECT_FALSE(actions[0].contains("diagnostics"));
    }
    client.notify("textDocument/didClose", {{"textDocument", {{"uri", c.uri}}}});
  }
}

TEST_F(LspFeatures, StatusesOfEitherFileArePublishedForTheFileAtFault) {
  struct status_case {
    const char* name;
    bool edit_line;  // else the train description
    std::string from, to;
    std::string code;
    int line;
  };
  const std::vector<status_case> cases = {
      {"station off the cells", false, "stazione,   15000", "stazione,   15025", "status-8",
       arrival_line},
      {"station length", false, "12,  600", "12,  650", "status-9", arrival_line},
      {"line too long", true, "20000", "2000000", "status-1", 1},
      {"gradient beyond the line", true, "pendenza,  1000", "pendenza,  99000", "status-15", 5},
  };
  for (const auto& c : cases) {
    memory_files own;
    own.files = files.files;
    test_client fresh(own);
    fresh.initialize();
    const std::string uri = c.edit_line ? line_uri : train_uri;
    const auto sent = fresh.open(uri, replaced(c.edit_line ? line_text : train_text, c.from, c.to));
    const json diags = published(sent, uri);
    ASSERT_FALSE(diags.empty()) << c.name;
    EXPECT_EQ(diags[0]["code"], c.code) << c.name << diags.dump();
    EXPECT_EQ(diags[0]["range"]["start"]["line"], c.line) << c.name;
    EXPECT_EQ(diags[0]["severity"], 1) << c.name;
  }
}

TEST_F(LspFeatures, TheEditorsUnsavedLineDescriptionIsCompiledWithTheTrain) {
  // Opened line text cuts the line short: the station at 15000 is beyond it.
  client.open(line_uri, replaced(line_text, "20000", "5000"));
  const auto sent = client.open(train_uri, train_text);
  const json diags = published(sent, train_uri);
  ASSERT_FALSE(diags.empty());
  EXPECT_EQ(diags[0]["code"], "status-15");
}

TEST_F(LspFeatures, AChangedFileOnDiskRecompilesTheOpenPairs) {
  ASSERT_EQ(published(client.open(train_uri, train_text), train_uri), json::array());
  files.files[line_path] = replaced(line_text, "20000", "5000");
  const auto sent = client.notify("workspace/didChangeWatchedFiles",
                                  {{"changes", {{{"uri", line_uri}, {"type", 2}}}}});
  const json diags = published(sent, train_uri);
  ASSERT_FALSE(diags.empty());
  EXPECT_EQ(diags[0]["code"], "status-15");
}

TEST_F(LspFeatures, ABurstOfChangesCompilesOnceAndTheLastTextWins) {
  client.open(train_uri, train_text);
  std::string burst;
  for (int v = 2; v < 6; ++v) {
    const std::string text = v == 5 ? replaced(train_text, "15000", "15025") : train_text;
    burst += frame(json({{"jsonrpc", "2.0"},
                         {"method", "textDocument/didChange"},
                         {"params",
                          {{"textDocument", {{"uri", train_uri}, {"version", v}}},
                           {"contentChanges", json::array({{{"text", text}}})}}}})
                       .dump());
  }
  std::size_t publishes = 0;
  const auto sent = client.send_bytes(burst);
  for (const auto& m : sent) {
    publishes += m.value("method", "") == "textDocument/publishDiagnostics" &&
                 m["params"]["uri"] == train_uri;
  }
  EXPECT_EQ(publishes, 1u);
  const json diags = published(sent, train_uri);
  ASSERT_FALSE(diags.empty());
  EXPECT_EQ(diags[0]["code"], "status-8");
}

TEST(LspDiagnosticsJson, AFileShowsAtMostAThousandFindings) {
  std::vector<pair_finding> many(
      1005, pair_finding{description::line, {1, 1}, false, "format", "x", {}, {}});
  const json d = diagnostics_for({"a\n", true}, description::line, many, "", "");
  ASSERT_EQ(d.size(), 1001u);
  EXPECT_EQ(d[1000]["code"], "more-findings");
  EXPECT_EQ(d[1000]["message"],
            "5 more findings are not shown; scenario-tool check lists them all");
}

TEST_F(LspFeatures, ATrainWithoutItsLineSaysSo) {
  files.files.erase(line_path);
  const json diags = published(client.open(train_uri, train_text), train_uri);
  ASSERT_EQ(diags.size(), 1u);
  EXPECT_EQ(diags[0]["code"], "no-line-description");
}

TEST(LspPairing, NamesPairLinesWithTheirTrains) {
  memory_files files;
  files.files["/r/A_B_linea.txt"] = "";
  files.files["/r/A_B_7-.txt"] = "";
  files.files["/r/A_linea.txt"] = "";
  files.files["/r/A_9-.txt"] = "";
  files.files["/r/A_notes.txt"] = "";
  document_store docs(files);
  EXPECT_EQ(role_of("/r/A_linea.txt"), description_role::line);
  EXPECT_EQ(role_of("/r/A_9-.txt"), description_role::train);
  EXPECT_EQ(role_of("/r/A_notes.txt"), description_role::other);
  EXPECT_EQ(role_of("/r/_linea.txt"), description_role::other);
  const auto p = pair_for_train("/r/A_B_7-.txt", docs);
  EXPECT_EQ(p.line_path, "/r/A_B_linea.txt");
  EXPECT_EQ(p.train_number, "7");
  const auto pairs = pairs_for_line("/r/A_linea.txt", docs);
  ASSERT_EQ(pairs.size(), 1u);
  EXPECT_EQ(pairs[0].train_path, "/r/A_9-.txt");
  EXPECT_EQ(path_of_uri("file:///c%3A/r/A%20B_linea.txt"), "c:/r/A B_linea.txt");
  EXPECT_EQ(uri_of_path("/r/A B_linea.txt"), "file:///r/A%20B_linea.txt");
}

TEST_F(LspFeatures, HoverNamesTheFieldAndWhereAPositionLands) {
  client.open(train_uri, train_text);
  struct hover_case {
    int line, character;
    std::vector<std::string> expected;
  };
  const std::vector<hover_case> cases = {
      {arrival_line, 13, {"`position`", "km 15+000", "cell 301", "multiple of 50"}},
      {arrival_line, 2, {"**stazione**", "1. `position`", "17. `name`"}},
      {arrival_line, 19, {"`kind`", "25 and above"}},
      {arrival_line, 25, {"`length`", "unit: m", "multiple of 100"}},
      {signal_line, 13, {"`posizione`", "km 2+450", "cell 50"}},
      {2, 14, {"`hours`", "0 to 23"}},
  };
  for (const auto& c : cases) {
    const json h = client.result("textDocument/hover", at(train_uri, c.line, c.character));
    ASSERT_TRUE(h.is_object()) << c.line << ":" << c.character;
    const std::string text = h["contents"]["value"];
    for (const auto& e : c.expected)
      EXPECT_NE(text.find(e), std::string::npos) << e << "\n" << text;
  }
  EXPECT_TRUE(client.result("textDocument/hover", at(train_uri, 6, 3)).is_null());
  EXPECT_TRUE(client.result("textDocument/hover", at(train_uri, 500, 3)).is_null());
}

TEST_F(LspFeatures, HoverOnAPositionOffTheCellsSaysWhereItLands) {
  client.open(train_uri, replaced(train_text, "2450", "2470"));
  const json h = client.result("textDocument/hover", at(train_uri, signal_line, 12));
  const std::string text = h["contents"]["value"];
  EXPECT_NE(text.find("lands where 2450 m would"), std::string::npos) << text;
}

TEST_F(LspFeatures, CompletionListsTheKeywordsOfTheSectionFirst) {
  client.open(train_uri, train_text);
  const auto labels = [&](int line) {
    std::vector<std::string> out;
    json items = client.result("textDocument/completion", at(train_uri, line, 0));
    std::sort(items.begin(), items.end(),
              [](const json& a, const json& b) { return a["sortText"] < b["sortText"]; });
    for (const auto& item : items) out.push_back(item["label"]);
    return out;
  };
  const auto in_stations = labels(origin_line);
  ASSERT_EQ(in_stations.size(), 10u);
  EXPECT_EQ(in_stations[0], "stazione");
  EXPECT_NE(std::find(in_stations.begin(), in_stations.end(), "segnale"), in_stations.end());
  const auto general = labels(1);
  EXPECT_EQ(std::vector<std::string>(general.begin(), general.begin() + 4),
            (std::vector<std::string>{"percentuale massa frenata", "numero vetture", "orologio",
                                      "sabbia"}));

  const json first = client.result("textDocument/completion", at(train_uri, origin_line, 0))[0];
  const std::string snippet = first["textEdit"]["newText"];
  EXPECT_EQ(snippet.rfind("stazione, ${1:position}, ${2:kind}", 0), 0u) << snippet;
  EXPECT_NE(snippet.find("${17:name}"), std::string::npos);
  // Past the keyword there is nothing to complete.
  EXPECT_EQ(client.result("textDocument/completion", at(train_uri, origin_line, 12)),
            json::array());
}

TEST_F(LspFeatures, LineDescriptionCompletionKnowsTheGeneralPartFromTheBody) {
  client.open(line_uri, line_text);
  const json general = client.result("textDocument/completion", at(line_uri, 1, 0));
  EXPECT_EQ(general[0]["label"], "lunghezza percorso");
  const json curves = client.result("textDocument/completion", at(line_uri, 3, 0));
  ASSERT_EQ(curves.size(), 6u);  // the body's keywords, no general one
  EXPECT_EQ(curves[1]["textEdit"]["newText"], "curvas${1:4}, ${2:start}, ${3:length}");
  for (const auto& item : curves) EXPECT_NE(item["label"], "lunghezza percorso");
}

TEST_F(LspFeatures, SignatureHelpFollowsTheFieldUnderTheCursor) {
  client.open(train_uri, train_text);
  const std::string& row = "stazione,       0,  8,  500,";
  struct sig_case {
    int character;
    int active;
  };
  for (const auto& c :
       std::vector<sig_case>{{16, 0}, {17, 0}, {18, 1}, {20, 1}, {27, 2}, {28, 3}}) {
    const json s =
        client.result("textDocument/signatureHelp", at(train_uri, origin_line, c.character));
    ASSERT_TRUE(s.is_object()) << c.character;
    EXPECT_EQ(s["activeParameter"], c.active) << c.character << " in " << row;
    const std::string label = s["signatures"][0]["label"];
    const auto range = s["signatures"][0]["parameters"][c.active]["label"];
    const std::string name =
        label.substr(range[0], range[1].get<std::size_t>() - range[0].get<std::size_t>());
    EXPECT_EQ(name, (std::vector<std::string>{"position", "kind", "length", "flag_a"}[c.active]));
  }
}

TEST_F(LspFeatures, TheOutlineNamesSectionsStationsAndObjectsWithTheirKilometres) {
  client.open(train_uri, train_text);
  const json symbols =
      client.result("textDocument/documentSymbol", {{"textDocument", {{"uri", train_uri}}}});
  std::vector<std::string> names;
  for (const auto& s : symbols) {
    names.push_back(s["name"]);
    for (const auto& c : s["children"])
      names.push_back(c["name"].get<std::string>() + " @ " + c["detail"].get<std::string>());
  }
  EXPECT_EQ(names, (std::vector<std::string>{"[generale]", "[aderenze]", "[vel_limite]",
                                             "[stazioni]", "stazione ORIGINE @ km 0+000",
                                             "stazione ARRIVO @ km 15+000", "[rallentamenti]",
                                             "rallentamento 30 km/h over 500 m @ km 10+000",
                                             "[segnali]", "segnale type 1 @ km 2+450", "[fine]"}));
  client.open(line_uri, line_text);
  const json line_symbols =
      client.result("textDocument/documentSymbol", {{"textDocument", {{"uri", line_uri}}}});
  EXPECT_EQ(line_symbols[3]["children"][0]["name"], "indicatori_vmax 90/95/95");
  EXPECT_EQ(line_symbols[4]["children"][0]["name"],
            "cartello_indicatore (GALLERIA)(PROVA)(Mt.400 Km.6+000)");
  EXPECT_EQ(line_symbols[4]["children"][0]["detail"], "km 5+950");
}

TEST_F(LspFeatures, QuickFixesRoundPositionsAndMoveExtraValuesOut) {
  const std::string text = replaced(replaced(train_text, "2450", "2470"), "aderenza,   0,    100",
                                    "aderenza,   0,    100, 7, 8");
  client.open(train_uri, text);
  const auto fixes = [&](int line) {
    std::vector<std::string> titles;
    std::vector<std::string> edits;
    for (const auto& a : client.result("textDocument/codeAction",
                                       {{"textDocument", {{"uri", train_uri}}},
                                        {"range",
                                         {{"start", {{"line", line}, {"character", 0}}},
                                          {"end", {{"line", line}, {"character", 0}}}}},
                                        {"context", {{"diagnostics", json::array()}}}})) {
      titles.push_back(a["title"]);
      edits.push_back(a["edit"]["changes"][train_uri][0]["newText"]);
    }
    return std::make_pair(titles, edits);
  };
  const auto signal = fixes(signal_line);
  EXPECT_EQ(signal.first, std::vector<std::string>{"Round posizione 2470 to 2450"});
  EXPECT_EQ(signal.second, std::vector<std::string>{"2450"});
  const auto adhesion = fixes(4);
  ASSERT_EQ(adhesion.first.size(), 1u);
  EXPECT_EQ(adhesion.second[0], "\r\n");
  EXPECT_TRUE(fixes(origin_line).first.empty());
}

// The keyword and value texts the compiler reads, in order.
std::vector<std::string> read_fields(const std::string& line, const std::string& train) {
  memory_compile compiled;
  compile_trace trace;
  compile_in_memory(compiled, "A", "1", line, train, {.trace = &trace});
  std::vector<std::string> out;
  for (const auto& r : trace.records()) {
    out.push_back(r.keyword.text);
    for (const auto& v : r.values) out.push_back(v.text);
  }
  return out;
}

std::string apply_edits(const std::string& text, const json& edits) {
  // Whole-line edits, applied from the last line up.
  std::vector<std::string> lines;
  std::size_t begin = 0;
  for (std::size_t end; (end = text.find("\r\n", begin)) != std::string::npos; begin = end + 2)
    lines.push_back(text.substr(begin, end - begin));
  for (const auto& e : edits) {
    const std::size_t n = e["range"]["start"]["line"];
    EXPECT_EQ(e["range"]["start"]["character"], 0);
    lines[n] = e["newText"];
  }
  std::string out;
  for (const auto& l : lines) out += l + "\r\n";
  return out;
}

TEST(LspFormatting, AlignsColumnsAndEveryFieldReadsAsBefore) {
  const std::string line = scn::testing::table_bytes(fill_line_description);
  const std::string train = scn::testing::table_bytes(fill_train_description);
  // Blanks taken out of the embedded train description, then formatted.
  std::string squeezed;
  for (std::size_t i = 0; i < train.size(); ++i) {
    if (!(train[i] == ' ' && i > 0 && (train[i - 1] == ' ' || train[i - 1] == ',')))
      squeezed += train[i];
  }
  ASSERT_NE(squeezed, train);
  const json edits = formatting({squeezed, false});
  ASSERT_FALSE(edits.empty());
  const std::string formatted = apply_edits(squeezed, edits);
  EXPECT_EQ(read_fields(line, formatted), read_fields(line, train));
  EXPECT_NE(formatted.find("velocita,     0,  90\r\nvelocita,  1200, 120\r\n"), std::string::npos);
  // Formatting twice changes nothing more.
  EXPECT_EQ(formatting({formatted, false}), json::array());
}

TEST_F(LspFeatures, DocumentsOfTensOfMegabytesAreServed) {
  std::string big = train_text;
  const std::string row = "- a comment line of an author who writes a lot of them\r\n";
  big.reserve(20u << 20);
  while (big.size() < (20u << 20)) big += row;
  const auto sent = client.open(train_uri, big);
  EXPECT_TRUE(published(sent, train_uri).is_array());
  const json h = client.result("textDocument/hover", at(train_uri, arrival_line, 13));
  EXPECT_TRUE(h.is_object());
}

}  // namespace
}  // namespace scn::tool::lsp
