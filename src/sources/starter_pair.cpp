// Constant lines of the starter pair. A comment line holds a dash and no
// comma, so that the reader drops it as a whole; the general part and every
// body section carry one.
#include "sources/starter_pair.h"

#include <cstddef>
#include <string_view>

namespace scn {

namespace {

// A 6 km line: kilometre 12+000 at its start, a climb through a 400 m
// tunnel and a fall to the end.
constexpr std::string_view line_rows[] = {
    // General records.
    "[generale]",
    "- general part: length; kilometric references (position and kilometre in m); backdrops",
    "lunghezza percorso,    6000",
    "progressiva chilometrica uno,    0,    12000,    0",
    "progressiva chilometrica due,    0,    0,    0",
    "progressiva chilometrica tre,    0,    0,    0",
    "sfondo uno,    1",
    "sfondo due,    2500",
    "sfondo tre,    4500",
    "ripetizione segnali 4 codici,    0    ,0",
    // Curves: start and length in metres; s left, d right, class digit.
    "[curve]",
    "- curves: start and length in m; curvad turns right and curvas left; digit 1 to 6 is the "
    "class",
    "curvad4,  700,  300",
    "curvas3,  1900,  400",
    "curvad5,  3050,  250",
    "curvas4,  4300,  350",
    // Gradients: from the position on, per mille, rising positive.
    "[pendenze]",
    "- gradients: from the position on in per mille; rising positive",
    "pendenza,  500,   6",
    "pendenza,  2000,   12",
    "pendenza,  3600,   -8",
    "pendenza,  5000,   0",
    // Backdrop spans: start, end, type (above 10: with backdrop marks).
    "[montagne]",
    "- backdrop spans: start and end in m and type; a type above 10 adds backdrop marks",
    "montagna,   3000,  3400,  12",
    // Speed-indicator posts: position, then speeds and stripes of both sets.
    "[cartelli]",
    "- speed posts: position; three speeds and the stripes of the first set; the same of the "
    "second",
    "indicatori_vmax,  1500,  100,  105,  105,  0,  ,  ,  ,  0",
    // Text boards: position and text.
    "[indicazioni]",
    "- text boards: position and the text in parentheses; no comma in the text",
    "cartello_indicatore,  2950,   (GALLERIA      )(MONTEVERDE    )(Mt.400 Km.15+000)",
    "[fine]",
};

// One train of 6 vehicles from SORGENTE (08:05) by BIVIO PRATI (08:09) to
// COLLE ALTO (08:14).
constexpr std::string_view train_rows[] = {
    // General records.
    "[generale]",
    "- general part: vehicles; braked mass in percent; sand; clock at the start (h m s)",
    "numero vetture,    6",
    "percentuale massa frenata,    70",
    "sabbia,    200",
    "orologio,    8              0             0 ",
    // Adhesion profile.
    "[aderenze]",
    "- adhesion in percent from the position on; the first at 0",
    "aderenza,   0,    100",
    "aderenza,   3000,    90",
    // Speed-limit profile.
    "[vel_limite]",
    "- speed limit in km/h from the position on; the first at 0",
    "velocita,       0,    80",
    "velocita,    1500,   100",
    "velocita,    4800,    60",
    // Stations and stops: position, kind, length, attributes, time, name.
    "[stazioni]",
    "- stations: position; kind; length; eleven attributes; time (h m s); name",
    "stazione,       0,  8,  500, 1, 0, 0, 4, 1, 0, 2, 1, 1,   1,  8,  5,  0, SORGENTE",
    "stazione,    2500, 12,  600, 1, 0, 0, 4, 1, 0, 2, 1, 1,  99,  8,  9,  0, BIVIO PRATI",
    "stazione,    6000,  1,  800, 1, 0, 0, 1, 1, 0, 2, 1, 1,   0,  8, 14,  0, COLLE ALTO",
    // Temporary slowdowns: x, v, l, f_tt, f_ta, d_v.
    "[rallentamenti]",
    "- slowdowns: start; speed; length; end flag; pre-warning switch; value",
    "rallentamento,    4000,    50,  300, 1,  0,  0",
    // Signals: posizione, sx, s1, s2, s3, rapp, dx, d1, d2, d3, tempo.
    "[segnali]",
    "- signals: position; left type and three values; report; right type and three values; time",
    "segnale,    1200,   1, 3, 0,  0, 0,    0,  0,0,0, 0",
    "segnale,    2200,   2, 4, 0,  0, 0,    0,  0,0,0, 0",
    "segnale,    3700,   1, 3, 0,  0, 0,    0,  0,0,0, 0",
    "segnale,    4900,   2, 4, 0,  0, 0,    0,  0,0,0, 0",
    "[codici]",
    "[fine]",
};

template <std::size_t N>
std::string as_text(const std::string_view (&rows)[N]) {
  std::string out;
  for (const auto row : rows) {
    out.append(row);
    out += "\r\n";
  }
  return out;
}

}  // namespace

std::string starter_line_description() {
  return as_text(line_rows);
}

std::string starter_train_description() {
  return as_text(train_rows);
}

}  // namespace scn
