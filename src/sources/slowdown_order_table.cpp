// Lines of the slowdown order, stored exactly as printed. The five slowdown
// rows write every zero as the letter O, as the form always did.
#include "sources/slowdown_order_table.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace scn {

namespace {

// clang-format off
constexpr std::array<std::string_view, 47> order_lines = {
    // 0-7: heading and order sentence
    "",
    "                               Modulo M. 3",
    "                           ORDINE DI RALLENTAMENTO",
    " ________________________________________________________________________________",
    "  Linea  BORGOLAGO-CIMAPASSO ",
    "",
    "",
    "  Si ordina al macchinista del treno 51827 di effettuare i seguenti rallentamenti",
    // 8-12: table top and head
    "  _______________________________________________________________________________",
    " |   |                            |Inizio dopo |          |         |            |",
    " | N.|      FRA LE STAZIONI       | il cippo   | Velocita'|Lunghezza|Prescrizioni|",
    " |   |   (o nelle Stazioni di)    |chilometrico|          |   metri | specifiche |",
    " |___|____________________________|____________|__________|_________|____________|",
    // 13-17: the five slowdowns along the line; every zero is written as the letter O.
    // Column 2 names the two stations around the open-line stretch each one lies on;
    // the third starts where the ORSARA ALTA station area begins and runs past it,
    // so its row carries note B for that station.
    " |O1 |SOLIVO-CAMPOLUNGO           |  38+95O    |   75     |   35O   |     A      |",
    " |O2 |PONTEBRUNO-SAN NICOLO'      |  56+9OO    |   65     |   35O   |     A      |",
    " |O3 |ORSARA ALTA-PIAN DEI LARICI |  75+85O    |   3O     |   8OO   |   A-B-D    |",
    " |O4 |ORSARA ALTA-PIAN DEI LARICI |  77+6OO    |   65     |    5O   |    A-D     |",
    " |O5 |SELVANERA-FORCELLA BASSA    |  89+O5O    |   3O     |   3OO   |     A      |",
    // 18-38: spare rows
    " |   |                            |            |          |         |            |",
    " |   |                            |            |          |         |            |",
    " |   |                            |            |          |         |            |",
    " |   |                            |            |          |         |            |",
    " |   |                            |            |          |         |            |",
    " |   |                            |            |          |         |            |",
    " |   |                            |            |          |         |            |",
    " |   |                            |            |          |         |            |",
    " |   |                            |            |          |         |            |",
    " |   |                            |            |          |         |            |",
    " |   |                            |            |          |         |            |",
    " |   |                            |            |          |         |            |",
    " |   |                            |            |          |         |            |",
    " |   |                            |            |          |         |            |",
    " |   |                            |            |          |         |            |",
    " |   |                            |            |          |         |            |",
    " |   |                            |            |          |         |            |",
    " |   |                            |            |          |         |            |",
    " |   |                            |            |          |         |            |",
    " |   |                            |            |          |         |            |",
    " |   |                            |            |          |         |            |",
    // 39: table foot
    " |___|____________________________|____________|__________|_________|____________|",
    // 40-46: prescription notes, in the order A, B, D, C
    "",
    "              Prescrizioni specifiche",
    " A - Da rispettare con tutto il treno (per i treni viaggiatori)",
    " B - Interessa anche la stazione di ORSARA ALTA",
    " D - Avviso come da disposizioni varie localita' di servizio",
    " C - Da rispettare dalle ore ....  alle ore ..... di tutti",
    "     i giorni esclusi i seguenti:.........",
};
// clang-format on

}  // namespace

void fill_slowdown_order(text_lines& lines) {
  std::size_t index = 0;
  for (std::string_view line : order_lines) lines[index++] = line;
  lines[index] = end_marker;
}

}  // namespace scn
