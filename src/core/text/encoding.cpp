#include "core/text/encoding.hpp"

#include <iconv.h>

#include <bitset>
#include <cerrno>

namespace korvane {

namespace {

Converted convert(const char* to, const char* from, std::string_view in) {
  Converted result;
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return result;

  std::string out(in.size() * 2 + 8, '\0');
  char* inPtr = const_cast<char*>(in.data());
  std::size_t inLeft = in.size();
  std::size_t done = 0;
  bool ok = true;
  while (inLeft > 0) {
    char* outPtr = out.data() + done;
    std::size_t outLeft = out.size() - done;
    const std::size_t rc = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    done = out.size() - outLeft;
    if (rc != static_cast<std::size_t>(-1)) break;
    if (errno == E2BIG) {
      out.resize(out.size() * 2);
      continue;
    }
    ok = false;  // EILSEQ or EINVAL: a sequence the other side cannot hold, or a cut one
    break;
  }
  iconv_close(cd);
  if (ok) {
    out.resize(done);
    result.ok = true;
    result.text = std::move(out);
  } else {
    result.badOffset = in.size() - inLeft;
  }
  return result;
}

// Every double-byte code that cp932 gives a character, asked of iconv once, so that a file is
// checked against exactly what the screen and the terminal can show.
std::bitset<0x10000> assignedPairs() {
  std::bitset<0x10000> assigned;
  iconv_t cd = iconv_open("UTF-8", "CP932");
  if (cd == reinterpret_cast<iconv_t>(-1)) return assigned;
  for (unsigned lead = 0x81; lead <= 0xFC; ++lead) {
    for (unsigned trail = 0x40; trail <= 0xFC; ++trail) {
      char in[2] = {static_cast<char>(lead), static_cast<char>(trail)};
      char out[8];
      char* inPtr = in;
      char* outPtr = out;
      std::size_t inLeft = 2, outLeft = sizeof out;
      const bool ok = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) != static_cast<std::size_t>(-1);
      assigned[lead << 8 | trail] = ok && inLeft == 0;
    }
  }
  iconv_close(cd);
  return assigned;
}

}  // namespace

bool isAssignedCp932Pair(unsigned char lead, unsigned char trail) {
  static const std::bitset<0x10000> assigned = assignedPairs();
  return assigned[static_cast<unsigned>(lead) << 8 | trail];
}

Converted cp932ToUtf8(std::string_view cp932) {
  return convert("UTF-8", "CP932", cp932);
}

Converted utf8ToCp932(std::string_view utf8) {
  return convert("CP932", "UTF-8", utf8);
}

std::string utf8ToCp932Lossy(std::string_view utf8) {
  std::string out;
  while (!utf8.empty()) {
    Converted c = utf8ToCp932(utf8);
    if (c.ok) return out + c.text;
    out += utf8ToCp932(utf8.substr(0, c.badOffset)).text;
    out += '?';
    // Skip the one UTF-8 character that did not convert.
    std::size_t skip = 1;
    while (c.badOffset + skip < utf8.size() &&
           (static_cast<unsigned char>(utf8[c.badOffset + skip]) & 0xC0) == 0x80) {
      ++skip;
    }
    utf8.remove_prefix(c.badOffset + skip);
  }
  return out;
}

std::string shownFileName(const std::filesystem::path& file) {
  return utf8ToCp932Lossy(file.filename().string());
}

}  // namespace korvane
