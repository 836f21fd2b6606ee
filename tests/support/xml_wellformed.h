// A small checker of XML well-formedness for tests of generated documents:
// one root element, balanced tags, quoted attributes without duplicates,
// valid references, valid UTF-8 and no characters XML forbids.
#pragma once

#include <string>
#include <string_view>

namespace scn::test {

// Empty when `doc` is well-formed, otherwise what is wrong and at which byte.
std::string xml_wellformedness_error(std::string_view doc);

}  // namespace scn::test
