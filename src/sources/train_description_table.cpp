// Constant lines of the scenario's train description: train 51827 over the whole line.
#include "sources/train_description_table.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace scn {
namespace {

// One entry per line of the file, in file order, written exactly as stored.
constexpr std::array<std::string_view, train_description_line_count> train_rows = {
    // General records.
    "[generale]",
    "numero vetture,    10",
    "percentuale massa frenata,    60",
    "sabbia,    300",
    "orologio,    11              3             0 ",
    // Adhesion profile.
    "[aderenze]",
    "aderenza,   0,    100",
    "aderenza,   14000,    95",
    "aderenza,   28000,    90",
    "aderenza,   42000,    85",
    "aderenza,   56000,    80",
    // Speed-limit profile.
    "[vel_limite]",
    "velocita,       0,    90",
    "velocita,    1200,   120",
    "velocita,    3650,    30",
    "velocita,    4500,   120",
    "velocita,   12250,    95",
    "velocita,   13750,    30",
    "velocita,   14650,    90",
    "velocita,   16150,   110",
    "velocita,   21400,    30",
    "velocita,   22250,   110",
    "velocita,   27550,    90",
    "velocita,   27600,    30",
    "velocita,   28350,    90",
    "velocita,   28750,   100",
    "velocita,   39250,    30",
    "velocita,   40150,   100",
    "velocita,   40500,    75",
    "velocita,   47200,    30",
    "velocita,   47850,    75",
    "velocita,   55400,    30",
    "velocita,   56100,    75",
    "velocita,   67500,    30",
    "velocita,   69800,    70",
    "velocita,   87200,    30",
    "velocita,   88250,    70",
    "velocita,   92500,    30",
    "velocita,   93400,    60",
    "velocita,   94050,    70",
    // Stations and stops: position, kind, length, attributes, time, name.
    "[stazioni]",
    "stazione,       0,  8,  500, 1, 0, 0, 4, 1, 0, 2, 1, 1,   1, 11,  4,  0, BORGOLAGO",
    "stazione,    4500, 11,  600, 1, 0, 0, 4, 1, 0, 2, 1, 1,   0,  0,  0,  0, BIVIO CASTELROSSO",
    "stazione,    8950, 24,  600, 0, 0, 0, 0, 0, 0, 4, 1, 1,   0,  0,  0,  0, PIEVE SANTORSO",
    "stazione,   12050, 28,  400, 0, 0, 0, 0, 0, 0, 0, 0, 0,   0,  0,  0,  0, MOLINETTO",
    "stazione,   14650, 12,  600, 1, 0, 0, 4, 1, 0, 2, 1, 1,  99, 11, 26,  0, VALLEVERDE",
    "stazione,   18700, 12,  600, 0, 0, 0, 1, 1, 0, 4, 1, 1,   0,  0,  0,  0, SAN GIULIO ALTO",
    "stazione,   22250, 12,  600, 1, 0, 1, 4, 1, 0, 2, 1, 1,  99, 11, 40,  0, ROCCAFERMA",
    "stazione,   28350, 12,  600, 1, 0, 0, 4, 1, 0, 2, 1, 1, 220,  0,  0,  0, TORRE DEL PRETE",
    "stazione,   35050, 12,  600, 0, 0, 0, 1, 1, 0, 4, 1, 1, 220,  0,  0,  0, SOLIVO",
    "stazione,   40150, 12,  600, 1, 0, 0, 4, 1, 0, 2, 1, 1,   0,  0,  0,  0, CAMPOLUNGO",
    "stazione,   45150, 12,  600, 0, 0, 1, 1, 1, 0, 4, 1, 1,   0,  0,  0,  0, FONTANELLE DI SOPRA",
    "stazione,   47850, 12,  600, 1, 0, 0, 4, 1, 0, 2, 1, 1, 220,  0,  0,  0, MEZZAVALLE",
    "stazione,   51550, 25,  500, 0, 0, 0, 0, 0, 0, 0, 0, 0,   0,  0,  0,  0, CASELLO DEL RIVO",
    "stazione,   56100, 12,  600, 1, 0, 0, 4, 1, 0, 2, 1, 1,  99, 12, 25,  0, PONTEBRUNO",
    "stazione,   60450, 24,  600, 0, 0, 0, 0, 0, 0, 4, 1, 1,   0,  0,  0,  0, SAN NICOLO'",
    "stazione,   65600, 24,  400, 0, 0, 0, 0, 0, 0, 3, 1, 1, 220,  0,  0,  0, VALDORIA",
    "stazione,   67950, 11,  500, 0, 0, 0, 1, 1, 0, 2, 3, 1,   0,  0,  0,  0, CHIUSA-VERNAGO",
    "stazione,   69050, 12,  600, 1, 0, 0, 4, 1, 0, 2, 1, 1,  99, 12, 42,  0, PRATOSECCO",
    "stazione,   72050, 28,  400, 0, 0, 0, 0, 0, 0, 0, 0, 0,   0,  0,  0,  0, LE GRAZIE",
    "stazione,   76150, 22,  600, 0, 0, 0, 0, 0, 0, 4, 1, 1, 220,  0,  0,  0, ORSARA ALTA",
    "stazione,   80150, 28,  300, 0, 0, 0, 0, 0, 0, 0, 0, 0,   0,  0,  0,  0, PIAN DEI LARICI",
    "stazione,   82850, 22,  600, 0, 0, 0, 0, 0, 0, 4, 1, 1,  99, 13,  3,  0, MONTECASTRO",
    "stazione,   85050, 28,  200, 0, 0, 0, 0, 0, 0, 0, 0, 0,   0,  0,  0,  0, CASE ROVINA",
    "stazione,   88250, 12,  600, 1, 0, 1, 4, 1, 0, 2, 1, 1, 220,  0,  0,  0, SELVANERA",
    "stazione,   91700, 28,  500, 0, 0, 0, 0, 0, 0, 0, 0, 0,   0,  0,  0,  0, FORCELLA BASSA",
    "stazione,   93400, 12,  800, 1, 0, 0, 4, 1, 0, 2, 1, 1,  99, 13, 22,  0, ACQUAFREDDA",
    "stazione,  100000,  1,  800, 1, 0, 0, 1, 1, 0, 2, 1, 1,   0, 13, 27,  0, CIMAPASSO",
    // Temporary slowdowns.
    "[rallentamenti]",
    "rallentamento,   38950,    75,  350, 1,  0,  0",
    "rallentamento,   56900,    65,  350, 1,  0,  0",
    "rallentamento,   75850,    30,  800, 1,  0,  0",
    "rallentamento,   77600,    65,   50, 1,  0,  0",
    "rallentamento,   89050,    30,  300, 1,  0,  0",
    // Signals.
    "[segnali]",
    "segnale,    2450,   1, 3, 0,  0, 0,    0,  0,0,0, 0",
    "segnale,    3650,   2, 2, 3,  0, 0,    0,  0,0,0, 201",
    "segnale,    7250,   1, 4, 0,  0, 0,    0,  0,0,0, 0",
    "segnale,    8450,   2, 4, 0,  0, 0,    0,  0,0,0, 0",
    "segnale,   12550,   1, 3, 0,  0, 0,    0,  0,0,0, 0",
    "segnale,   13750,   2, 2, 3,  0, 0,    0,  0,0,0, 0",
    "segnale,   16700,   1, 4, 0,  0, 0,    0,  0,0,0, 0",
    "segnale,   17900,   2, 4, 0,  0, 0,    0,  0,0,0, 0",
    "segnale,   20200,   1, 3, 0,  0, 0,    0,  0,0,0, 0",
    "segnale,   21400,   2, 2, 3,  0, 0,    0,  0,0,0, 0",
    "segnale,   26350,   1, 3, 0,  0, 0,    0,  0,0,0, 0",
    "segnale,   27600,   2, 2, 3,  0, 0,    0,  0,0,0, 0",
    "segnale,   33200,   1, 3, 0,  0, 0,    0,  0,0,0, 0",
    "segnale,   34450,   2, 3, 0,  0, 0,    0,  0,0,0, 0",
    "segnale,   38050,   1, 3, 0,  0, 0,    0,  0,0,0, 0",
    "segnale,   39250,   2, 2, 3,  0, 0,    0,  0,0,0, 0",
    "segnale,   42900,   1, 3, 0,  0, 0,    0,  0,0,0, 0",
    "segnale,   44400,   2, 4, 0,  0, 0,    0,  0,0,0, 201",
    "segnale,   46200,   1, 3, 0,  0, 0,    0,  0,0,0, 0",
    "segnale,   47200,   2, 2, 3,  0, 0,    0,  0,0,0, 0",
    "segnale,   49900,   1, 4, 0,  0, 0,    0,  0,0,0, 0",
    "segnale,   50950,   2, 4, 0,  0, 0,    0,  0,0,0, 0",
    "segnale,   54200,   1, 3, 0,  0, 0,    0,  0,0,0, 0",
    "segnale,   55400,   2, 2, 3,  0, 0,    0,  0,0,0, 201",
    "segnale,   58550,   1, 4, 0,  0, 0,    0,  0,0,0, 0",
    "segnale,   59750,   2, 4, 0,  0, 0,    0,  0,0,0, 0",
    "segnale,   63950,   1, 3, 0,  0, 0,    0,  0,0,0, 0",
    "segnale,   64950,   2, 3, 0,  0, 0,    0,  0,0,0, 0",
    "segnale,   66900,   1, 3, 0,  0, 0,    0,  0,0,0, 0",
    "segnale,   70200,   1, 4, 0,  0, 0,    0,  0,0,0, 0",
    "segnale,   71300,   2, 4, 0,  0, 0,    0,  0,0,0, 0",
    "segnale,   72250,   2, 4, 1,  1, 0,    0,  0,0,0, 0",
    "segnale,   73850,   1, 3, 0,  0, 0,    0,  0,0,0, 0",
    "segnale,   75350,   2, 3, 0,  0, 0,    0,  0,0,0, 0",
    "segnale,   81250,   1, 3, 0,  0, 0,    0,  0,0,0, 0",
    "segnale,   82250,   2, 3, 0,  0, 0,    0,  0,0,0, 205",
    "segnale,   86100,   1, 3, 0,  0, 0,    0,  0,0,0, 0",
    "segnale,   87200,   2, 2, 3,  0, 0,    0,  0,0,0, 0",
    "segnale,   91350,   1, 3, 0,  0, 0,    0,  0,0,0, 0",
    "segnale,   92500,   2, 2, 3,  0, 0,    0,  0,0,0, 0",
    "segnale,   97000,   1, 3, 0,  0, 0,    0,  0,0,0, 0",
    "segnale,   98500,   2, 3, 0,  0, 0,    0,  0,0,0, 0",
    // No codes; then the terminator.
    "[codici]",
    "[fine]",
};

}  // namespace

void fill_train_description(text_lines& lines) {
  for (std::size_t i = 0; i < train_rows.size(); ++i) {
    lines[i] = train_rows[i];
  }
  lines[train_rows.size()] = end_marker;
}

}  // namespace scn
