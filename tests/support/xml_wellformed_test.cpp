// The test-side XML checker must refuse what is not well-formed, or the
// plot tests that rely on it would prove nothing.
#include <gtest/gtest.h>

#include "support/xml_wellformed.h"

namespace scn {
namespace {

TEST(XmlWellformed, AcceptsDocumentsWithEveryConstructTheWriterUses) {
  for (const char* doc :
       {"<a/>",
        "<?xml version=\"1.0\"?>\n<a x='1' y=\"&amp;&#176;&#xB0;\"><b>t &lt; u</b><!-- c --></a>\n",
        "<svg><text>\xC2\xB0 \xE2\x80\x94</text><g><title>x</title></g></svg>"}) {
    EXPECT_EQ(test::xml_wellformedness_error(doc), "") << doc;
  }
}

TEST(XmlWellformed, RefusesBrokenDocuments) {
  const struct {
    const char* doc;
    const char* why;
  } cases[] = {
      {"<a><b></a>", "closes"},
      {"<a>", "unclosed"},
      {"<a></a><b/>", "after the root"},
      {"text", "no root"},
      {"<a x=1/>", "unquoted"},
      {"<a x=\"<\"/>", "'<' in an attribute"},
      {"<a x=\"1\" x=\"2\"/>", "duplicate"},
      {"<a>&nbsp;</a>", "unknown reference"},
      {"<a>& b</a>", "reference"},
      {"<a>\x01</a>", "control character"},
      {"<a>\xC3</a>", "invalid UTF-8"},
      {"<a>\xB0</a>", "invalid UTF-8"},
      {"<a x=\"1\"y=\"2\"/>", "expected blank"},
  };
  for (const auto& c : cases) {
    EXPECT_NE(test::xml_wellformedness_error(c.doc).find(c.why), std::string::npos)
        << c.doc << " -> " << test::xml_wellformedness_error(c.doc);
  }
}

}  // namespace
}  // namespace scn
