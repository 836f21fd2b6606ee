// The slowdown order: the form that lists the run's temporary speed restrictions for the driver.
#pragma once

#include "sources/text_lines.h"

namespace scn {

// Fills the document's lines from index 0 and puts the end marker after them.
void fill_slowdown_order(text_lines& lines);

}  // namespace scn
