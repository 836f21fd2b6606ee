// The timetable card: the printed card of the train run, with its heading, train data and route
// table.
#pragma once

#include "sources/text_lines.h"

namespace scn {

// Fills the document's lines from index 0 and puts the end marker after them.
void fill_timetable_card(text_lines& lines);

}  // namespace scn
