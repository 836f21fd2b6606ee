// The record table of both description formats, and the keyword tests,
// suggestions and signatures built on it.
#include "tool/lsp/record_knowledge.h"

#include <algorithm>
#include <cctype>

#include "compiler/compile_trace.h"

namespace scn::tool::lsp {

namespace {

using pr = position_rule;

field_info metres(std::string_view name, std::string_view meaning, pr rule,
                  std::string_view range = "0 to the line length plus 6900") {
  return {name, "Long", "m", range, meaning, rule};
}

field_info number(std::string_view name, std::string_view type, std::string_view unit,
                  std::string_view range, std::string_view meaning) {
  return {name, type, unit, range, meaning, pr::none};
}

field_info attribute(std::string_view name, std::string_view type, std::string_view meaning) {
  return {name, type, "", type == "Byte" ? "0 to 255" : "-32768 to 32767", meaning, pr::none};
}

std::vector<record_info> line_records() {
  const auto general = record_part::line_general;
  const auto body = record_part::line_body;
  return {
      {record_kind::length,
       general,
       "lunghezza percorso",
       "Line length; sizes the track model, so it comes before every body record.",
       "[generale]",
       {metres("length", "Line length in metres.", pr::none, "0 to 1000000")}},
      {record_kind::reference,
       general,
       "progressiva chilometrica uno",
       "One of the three kilometric references (\"uno\", \"due\", \"tre\").",
       "[generale]",
       {metres("first", "First value of the reference.", pr::none, "a multiple of 50"),
        metres("second", "Second value of the reference.", pr::none, "a multiple of 50"),
        number("third", "Long", "", "0 or 1", "1 adds 100 to the second value.")}},
      {record_kind::backdrop,
       general,
       "sfondo uno",
       "Where backdrop one, two or three (\"uno\", \"due\", \"tre\") begins.",
       "[generale]",
       {metres("position", "Position of the backdrop, stored unchanged.", pr::none, "any")}},
      {record_kind::repetition,
       general,
       "ripetizione segnali 4 codici",
       "Cab-signal repetition; the keyword names the code count, 4 or 9.",
       "[generale]",
       {metres("first", "First repetition value.", pr::none, "a multiple of 50"),
        metres("second", "Second repetition value; 0 stores the code count 0 (no repetition).",
               pr::none, "a multiple of 50")}},
      {record_kind::curve,
       body,
       "curvad4",
       "A curve; \"curvad\" turns right, \"curvas\" left, the digit 1 to 6 is its class "
       "(radius 10000, 5000, 2500, 1000, 500, 333 m).",
       "[curve]",
       {metres("start", "Where the curve begins.", pr::none),
        number("length", "Long", "m", "more than 0", "Length of the curve.")}},
      {record_kind::gradient,
       body,
       "pendenza",
       "The gradient from a position on, until the next gradient record.",
       "[pendenze]",
       {metres("position", "Where the gradient begins; records in ascending order.", pr::from),
        number("gradient", "Long", "per mille", "-100 to 155",
               "Gradient, rising positive; stored as gradient + 100 in one byte.")}},
      {record_kind::span,
       body,
       "montagna",
       "A backdrop span.",
       "[montagne]",
       {metres("inizio", "Start of the span.", pr::from),
        metres("fine", "End of the span.", pr::none),
        number("tipo", "Long", "", "1 to 10, or 11 to 20",
               "Backdrop type; above 10: type tipo - 10 with a backdrop mark every fourth "
               "cell.")}},
      {record_kind::speed_post,
       body,
       "indicatori_vmax",
       "A speed-indicator post with two sets of speeds and stripes.",
       "[cartelli]",
       {metres("posizione", "Position of the post.", pr::object),
        number("vas", "Long", "km/h", "0 to 255", "First speed of the first set."),
        number("vbs", "Long", "km/h", "0 to 255", "Second speed of the first set."),
        number("vcs", "Long", "km/h", "0 to 255", "Third speed of the first set."),
        number("strisces", "Integer", "", "-32768 to 32767", "Stripes of the first set."),
        number("vad", "Long", "km/h", "a multiple of 5 below 100",
               "First speed of the second set."),
        number("vbd", "Long", "km/h", "a multiple of 5 below 100",
               "Second speed of the second set."),
        number("vcd", "Long", "km/h", "a multiple of 5 below 100",
               "Third speed of the second set."),
        number("strisced", "Integer", "", "-32768 to 32767", "Stripes of the second set.")}},
      {record_kind::text_board,
       body,
       "cartello_indicatore",
       "A text board.",
       "[indicazioni]",
       {metres("position", "Position of the board.", pr::object),
        {"text", "text", "", "no comma", "The board's text, the rest of the line.", pr::none}}},
  };
}

std::vector<field_info> station_fields() {
  return {
      metres("position", "Station reference point.", pr::object, "a multiple of 50"),
      number("kind", "Byte", "", "0 to 255",
             "5, 6: area to position + 150; 7, 8: area position +/- length; 25 and above: "
             "centred, no stop cell; other: centred."),
      number("length", "Long", "m", "a multiple of 100", "Length of the station area."),
      attribute("flag_a", "Byte", "Attribute stored for the simulator."),
      attribute("flag_e", "Byte",
                "Attribute; 0 when the length is below 600 and for the first "
                "station."),
      attribute("flag_d", "Byte", "End extension: non-zero extends a centred area by 50 m."),
      attribute("word_a", "Integer", "Attribute stored for the simulator."),
      attribute("word_b", "Integer", "Attribute stored for the simulator."),
      attribute("flag_b", "Byte", "Attribute stored for the simulator."),
      attribute("word_c", "Integer", "Attribute stored for the simulator."),
      attribute("word_d", "Integer", "Attribute stored for the simulator."),
      attribute("word_e", "Integer", "Attribute stored for the simulator."),
      attribute("flag_c", "Byte", "Attribute stored for the simulator."),
      number("hours", "Long", "h", "0 to 23", "Timetable time: hours (0, 0, 0: no time)."),
      number("minutes", "Long", "min", "0 to 59", "Timetable time: minutes."),
      number("seconds", "Long", "s", "0 to 59", "Timetable time: seconds."),
      {"name", "text", "", "no comma", "Station name, the rest of the line.", pr::none},
  };
}

std::vector<field_info> signal_fields() {
  const auto value = [](std::string_view name, std::string_view meaning) {
    return number(name, "Long", "", "0 to 9", meaning);
  };
  return {
      metres("posizione", "Position of the signal.", pr::object),
      number("sx", "Long", "", "1 or 2", "Signal type on the left; type 2 keeps its tempo."),
      value("s1", "First left-hand value."),
      value("s2", "Second left-hand value."),
      value("s3", "Third left-hand value."),
      number("rapp", "Long", "", "0 to 9", "Stored as rapp * 10 + sx * 3 + dx."),
      number("dx", "Long", "", "0 to 2", "Signal type on the right."),
      value("d1", "First right-hand value."),
      value("d2", "Second right-hand value."),
      value("d3", "Third right-hand value."),
      number("tempo", "Long", "", "0, or 101 to 255", "Timer; 1 to 100 is taken as 101."),
  };
}

std::vector<record_info> train_records() {
  const auto train = record_part::train;
  return {
      {record_kind::braked_mass,
       train,
       "percentuale massa frenata",
       "Braked-mass percentage of the train.",
       "[generale]",
       {number("percentage", "Long", "%", "0 to 255", "Braked mass in percent.")}},
      {record_kind::vehicles,
       train,
       "numero vetture",
       "Number of vehicles.",
       "[generale]",
       {number("count", "Long", "", "1 or more", "Number of vehicles of the train.")}},
      {record_kind::speed,
       train,
       "velocita",
       "The line speed limit from a position on, until the next speed record.",
       "[vel_limite]",
       {metres("position", "Where the limit begins; the first at 0, then ascending.", pr::from),
        number("speed", "Long", "km/h", "0 to 1275, a multiple of 5",
               "Speed limit; stored in units of 5 km/h.")}},
      {record_kind::adhesion,
       train,
       "aderenza",
       "The adhesion from a position on, until the next adhesion record.",
       "[aderenze]",
       {metres("position", "Where the adhesion begins; the first at 0, then ascending.", pr::from),
        number("adhesion", "Long", "%", "0 to 255", "Adhesion in percent.")}},
      {record_kind::clock,
       train,
       "orologio",
       "Clock at the start of the run.",
       "[generale]",
       {number("hours", "Integer", "h", "0 to 23", "Hours."),
        number("minutes", "Integer", "min", "0 to 59", "Minutes."),
        number("seconds", "Integer", "s", "0 to 59", "Seconds.")}},
      {record_kind::sand,
       train,
       "sabbia",
       "Sand carried.",
       "[generale]",
       {number("quantity", "Integer", "", "-32768 to 32767", "Quantity of sand.")}},
      {record_kind::signal, train, "segnale", "A signal.", "[segnali]", signal_fields()},
      {record_kind::slowdown,
       train,
       "rallentamento",
       "A temporary slowdown.",
       "[rallentamenti]",
       {metres("x", "Start of the slowdown.", pr::object),
        number("v", "Long", "km/h", "0 to 255", "Speed over the slowdown."),
        number("l", "Long", "m", "more than 0", "Length of the slowdown."),
        number("f_tt", "Long", "", "0 to 255", "Value stored with the start and the end."),
        number("f_ta", "Long", "", "0 or 1", "Non-zero: four pre-warning cells."),
        number("d_v", "Long", "", "0 to 255", "Value stored where non-zero.")}},
      {record_kind::reduction_mark,
       train,
       "abbattimento",
       "A reduction mark.",
       "",
       {metres("position", "Position of the mark.", pr::from),
        number("value", "Long", "", "0 to 255", "1 or more is stored with the mark.")}},
      {record_kind::station, train, "stazione", "A station, stop or junction with its time.",
       "[stazioni]", station_fields()},
  };
}

std::string lower(std::string_view s) {
  std::string out(s);
  for (auto& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

// Edit distance with adjacent transpositions counted as one edit.
std::size_t distance(std::string_view a, std::string_view b) {
  std::vector<std::vector<std::size_t>> d(a.size() + 1, std::vector<std::size_t>(b.size() + 1));
  for (std::size_t i = 0; i <= a.size(); ++i) d[i][0] = i;
  for (std::size_t j = 0; j <= b.size(); ++j) d[0][j] = j;
  for (std::size_t i = 1; i <= a.size(); ++i) {
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const std::size_t cost = a[i - 1] == b[j - 1] ? 0 : 1;
      d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + cost});
      if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
        d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
    }
  }
  return d[a.size()][b.size()];
}

}  // namespace

std::vector<std::string> keyword_spellings(const record_info& r) {
  switch (r.kind) {
    case record_kind::reference:
      return {"progressiva chilometrica uno", "progressiva chilometrica due",
              "progressiva chilometrica tre"};
    case record_kind::backdrop:
      return {"sfondo uno", "sfondo due", "sfondo tre"};
    case record_kind::repetition:
      return {"ripetizione segnali 4 codici", "ripetizione segnali 9 codici"};
    case record_kind::curve:
      return {"curvad", "curvas"};
    default:
      return {std::string(r.keyword)};
  }
}

const std::vector<record_info>& all_records() {
  static const std::vector<record_info> table = [] {
    auto out = line_records();
    auto train = train_records();
    out.insert(out.end(), train.begin(), train.end());
    return out;
  }();
  return table;
}

const record_info* record_for(record_kind kind) {
  for (const auto& r : all_records()) {
    if (r.kind == kind) return &r;
  }
  return nullptr;
}

record_kind classify_keyword(std::string_view keyword, record_part part) {
  // The tool's classification works on a trace; a two-record trace puts the
  // keyword in the part asked for.
  compile_trace trace;
  trace.begin(part == record_part::train ? description::train : description::line);
  if (part == record_part::line_body) {
    trace.on_field({}, "[ ]");
    trace.on_keyword();
  }
  trace.on_field({}, keyword);
  trace.on_keyword();
  return classify(trace).back().kind;
}

std::optional<std::string> suggest_keyword(std::string_view keyword, record_part part) {
  std::string word = lower(keyword);
  std::string tail;  // a curve's letter and class digit stay as written
  while (!word.empty() && std::isdigit(static_cast<unsigned char>(word.back()))) {
    tail.insert(tail.begin(), word.back());
    word.pop_back();
  }
  if (word.size() < 3) return std::nullopt;
  std::optional<std::string> best;
  std::size_t best_distance = std::max<std::size_t>(2, word.size() / 4) + 1;
  for (const auto& r : all_records()) {
    if (r.part != part) continue;
    for (const auto& s : keyword_spellings(r)) {
      const std::size_t d = distance(word, s);
      if (d < best_distance) {
        best_distance = d;
        best = s + (r.kind == record_kind::curve ? (tail.empty() ? "4" : tail) : tail);
      }
    }
  }
  if (best && classify_keyword(*best, part) == record_kind::other) return std::nullopt;
  return best;
}

std::vector<const record_info*> records_of_section(record_part part, std::string_view section) {
  std::vector<const record_info*> in_section, in_part;
  const std::string wanted = lower(section);
  for (const auto& r : all_records()) {
    if (r.part != part) continue;
    in_part.push_back(&r);
    if (!r.section.empty() && wanted.find(lower(r.section)) != std::string::npos)
      in_section.push_back(&r);
  }
  return in_section.empty() ? in_part : in_section;
}

std::string signature_of(const record_info& r) {
  std::string out(r.keyword);
  for (const auto& f : r.fields) out += ", " + std::string(f.name);
  return out;
}

}  // namespace scn::tool::lsp
