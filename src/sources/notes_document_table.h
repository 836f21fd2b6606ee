// The notes document: the history of the line, the credits and the group's contacts.
#pragma once

#include "sources/text_lines.h"

namespace scn {

// Fills the document's lines from index 0 and puts the end marker after them.
void fill_notes_document(text_lines& lines);

}  // namespace scn
