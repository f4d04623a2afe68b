#include "about/version_resource.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace tamarak {
namespace {

using Bytes = std::vector<std::uint8_t>;

void put16(Bytes& out, unsigned v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}
void pad(Bytes& out) {
  while (out.size() % 4) out.push_back(0);
}

// A block as the resource compiler lays it out: header, key, value and children, each aligned.
// `text` blocks count their value length in characters.
Bytes block(std::u16string_view key, const Bytes& value, const std::vector<Bytes>& children, bool text = false) {
  Bytes out(6, 0);
  for (char16_t c : key) put16(out, c);
  put16(out, 0);
  pad(out);
  out.insert(out.end(), value.begin(), value.end());
  for (const Bytes& child : children) {
    pad(out);
    out.insert(out.end(), child.begin(), child.end());
  }
  Bytes header;
  for (std::size_t field : {out.size(), text ? value.size() / 2 : value.size(), std::size_t{text}})
    put16(header, field);
  std::copy(header.begin(), header.end(), out.begin());
  return out;
}

Bytes text(std::u16string_view s) {
  Bytes out;
  for (char16_t c : s) put16(out, c);
  put16(out, 0);
  return out;
}

// FileVersionMS holds major and minor, FileVersionLS build and revision, the first of each pair in
// the high half.
Bytes fixed_info(unsigned major, unsigned minor, unsigned build, unsigned revision) {
  Bytes out;
  for (unsigned v : {0x04BDu, 0xFEEFu, 0u, 1u, minor, major, revision, build}) put16(out, v);
  out.resize(52, 0);
  return out;
}

// A resource as the resource compiler lays it out, a table in another language first; `flaw` spoils
// one part of it.
enum class Flaw { none, short_translation, table_shorter_than_its_children };

Bytes resource(std::u16string_view language_key, std::u16string_view name, std::u16string_view company = u"Tamarak",
               Flaw flaw = Flaw::none) {
  Bytes table = block(language_key, {},
                      {block(u"CompanyName", text(company), {}, true), block(u"ProductName", text(name), {}, true)});
  // The name's block then runs past its table, though not past the resource.
  if (flaw == Flaw::table_shorter_than_its_children) table[0] -= 4;
  const Bytes strings =
      block(u"StringFileInfo", {}, {block(u"040904b0", {}, {block(u"ProductName", text(u"Wrong"), {}, true)}), table});
  Bytes translation;
  put16(translation, 0x0411);
  put16(translation, 1200);
  Bytes variable = block(u"Translation", translation, {});
  // Two bytes of value; the code page after them is not its own.
  if (flaw == Flaw::short_translation) variable[2] = 2;
  return block(u"VS_VERSION_INFO", fixed_info(3, 1, 2, 4), {strings, block(u"VarFileInfo", {}, {variable})});
}

TEST(VersionResource, FileVersionAndTheNameInTheFirstListedLanguageWhateverTheStringsPadding) {
  for (std::u16string_view key : {u"041104b0", u"041104B0"}) {
    const VersionResource read = read_version_resource(resource(key, u"Tamarak　タマラック"));
    EXPECT_EQ(read.major, 3u);
    EXPECT_EQ(read.minor, 1u);
    EXPECT_EQ(read.revision, 4u);
    EXPECT_EQ(read.product_name, u"Tamarak　タマラック");
  }
  // Strings of odd and even lengths leave blocks that end off a 4-byte boundary, padded before the next.
  for (std::size_t company = 0; company < 4; ++company)
    for (std::size_t length = 1; length < 5; ++length) {
      const std::u16string name(length, u'タ');
      EXPECT_EQ(read_version_resource(resource(u"041104b0", name, std::u16string(company, u'x'))).product_name, name)
          << company << " " << length;
    }
}

TEST(VersionResource, MalformedDataReadsAsNothingWithoutReadingPastIt) {
  const Bytes whole = resource(u"041104b0", u"Tamarak");
  // Every truncation: what is cut off is missing, and nothing is read beyond the bytes given
  // (the sanitizers see to the latter).
  for (std::size_t size = 0; size < whole.size(); ++size) {
    const Bytes cut(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(size));
    EXPECT_TRUE(read_version_resource(cut).product_name.empty()) << size;
  }
  Bytes lying = whole;
  lying[0] = lying[1] = 0xFF;  // a length past the end
  EXPECT_EQ(read_version_resource(lying).major, 0u);
  // Only the table of the listed language counts; a block counts only inside its parent; a
  // translation shorter than a language and a code page names none.
  EXPECT_TRUE(read_version_resource(resource(u"040904b0", u"Other")).product_name.empty());
  for (Flaw flaw : {Flaw::short_translation, Flaw::table_shorter_than_its_children}) {
    const Bytes flawed = resource(u"041104b0", u"Tamarak", u"Tamarak", flaw);
    EXPECT_TRUE(read_version_resource(flawed).product_name.empty()) << static_cast<int>(flaw);
  }
}

}  // namespace
}  // namespace tamarak
