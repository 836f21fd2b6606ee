// Lines of the timetable card, stored exactly as printed: rules at fixed
// columns, trailing blanks after some table rows, and "12O" written with the
// letter O as on the original card.
#include "sources/timetable_card_table.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace scn {

namespace {

// clang-format off
constexpr std::array<std::string_view, 59> card_lines = {
    // 0-1: blank
    "",
    "",
    // 2-6: heading block, train number and the two ends of the run
    "  ___________________                                               ______________",
    " |                   |                    SCHEDA TRENO             |              |",
    " |   TRENO n.51827   |                   da: BORGOLAGO             |    V120 A    |",
    " |___________________|                    a: CIMAPASSO             |     060%     |",
    "                                                                   |______________|",
    // 7-10: train data boxes
    "  ___________________                ___________________",
    " |  CLASSIFICAZIONE  |              |  MASSA BLOCCATA   |       ",
    " |      MERCI        |              |      630T         |",
    " |___________________|              |___________________|",
    // 11: blank
    "",
    // 12-15: route table head
    "  ________________________________________________________________________________",
    " | Vel.| Vel.| Progr Km |  No |   Localita' di  Servizio   |     Orario     | Rec |",
    " | Lim.|Marc.|          |  Rs |                            |                |     |",
    " |_____|_____|__________|_____|____________________________|________________|_____|",
    // 16-52: one row per place along the line, origin first
    " |  90 |  55 |   0+000  |     |BORGOLAGO                   |          11.04 |     |",
    " | 12O |     |   1+200  |     |cippo Km.1+200              |                |     |      ",
    " |     |     |   4+492  |     |BIVIO CASTELROSSO           |     11.10      |  2  |",
    " |     |     |   9+051  |     |PIEVE SANTORSO              |     11.15      |     |",
    " |     |     |  12+046  |     |Molinetto                   |     11.19      |     |",
    " |  95 |  70 |  12+250  |     |cippo Km 12+250             |                |     |     ",
    " |     |     |  14+431  |     |VALLEVERDE..................| 11.22    11.26 |     |",
    " | 110 |     |  16+150  |     |cippo Km 16+150             |                |     |   ",
    " |     |     |  18+923  |     |S.GIULIO ALTO               |     11.32      |     |",
    " |     |     |  22+385  |     |ROCCAFERMA..................| 11.37    11.40 |     |",
    " |  90 |     |  27+550  |     |cippo Km 27+550             |                |     |  ",
    " |     |     |  28+477  |     |TORRE DEL PRETE             |     11.48      |  1  |",
    " | 100 |     |  28+750  |     |dev.u.Torre del Prete       |                |     |    ",
    " |     |     |  35+170  |     |SOLIVO                      |     11.55      |     |",
    " |     |  60 |  40+119  |     |CAMPOLUNGO                  |     12.01      |  1  |",
    " |  75 |     |  40+500  |     |dev.u.Campolungo            |                |     | ",
    " |     |     |  45+333  |     |FONTANELLE DI S.            |     12.07      |     |",
    " |     |     |  48+053  |     |MEZZAVALLE                  |     12.10      |  1  |",
    " |     |     |  51+574  |     |Casello del Rivo            |     12.14      |     |",
    " |     |     |  56+146  |     |PONTEBRUNO..................| 12.20    12.25 |  1  |",
    " |     |     |  60+160  |     |S.NICOLO'                   |     12.31      |     |",
    " |     |     |  65+661  |     |VALDORIA                    |     12.37      |     |",
    " |  70 |     |  67+300  |     |imb.gall.Monte Chiuso       |                |     |",
    " |     |  55 |  68+243  |     |CHIUSA-VERNAGO              |     12.39      |     |",
    " |     |     |  69+127  |     |PRATOSECCO..................| 12.41    12.42 |  1  |",
    " |     |     |  72+038  |     |LE GRAZIE                   |     12.46      |     |",
    " |     |     |  76+146  |     |ORSARA ALTA                 |     12.51      |     |",
    " |     |     |  80+066  |     |Pian dei Larici             |     12.57      |     |",
    " |     |     |  82+651  |     |MONTECASTRO.................| 12.59    13.03 |     |",
    " |     |     |  85+059  |     |Case Rovina                 |     13.07      |     |",
    " |     |     |  86+790  |     |culmine                     |     13.09      |     |",
    " |     |     |  88+233  |     |SELVANERA                   |     13.11      |     |",
    " |     |     |  91+672  |     |Forcella Bassa              |     13.16      |     |",
    " |  60 |     |  92+450  |     |cippo Km 92+450             |                |     |    ",
    " |     |     |  93+586  |     |ACQUAFREDDA.................| 13.20    13.22 |  1  |",
    " |  70 |     |  94+050  |     |sc.ester.Acquafredda        |                |     | ",
    " |     |     |  99+986  |     |CIMAPASSO (SIMULATA)        | 13.27          |     |",
    // 53-55: spare rows
    " |     |     |          |     |                            |                |     |",
    " |     |     |          |     |                            |                |     |",
    " |     |     |          |     |                            |                |     |",
    // 56: route table foot
    " |_____|_____|__________|_____|____________________________|________________|_____|",
    // 57: blank, then the closing note
    "",
    " IL PRESENTE ORARIO SI RIFERISCE AD UN TRENO MERCI CHE SI EFFETTUAVA NEGLI ANNI 84/85",
};
// clang-format on

}  // namespace

void fill_timetable_card(text_lines& lines) {
  std::size_t index = 0;
  for (std::string_view line : card_lines) lines[index++] = line;
  lines[index] = end_marker;
}

}  // namespace scn
