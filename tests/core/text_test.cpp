#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "core/text/byte_masks.hpp"
#include "core/text/encoding.hpp"
#include "core/text/line_file.hpp"
#include "core/text/sjis.hpp"
#include "tests/support/unreadable_file.hpp"

namespace korvane {
namespace {

TEST(Sjis, CutNeverSplitsADoubleByteCharacter) {
  const std::string name = "AB" + sj("サクラ");  // 2 + 6 bytes
  EXPECT_EQ(cutBytes(name, 5), "AB" + sj("サ"));
  EXPECT_EQ(fitBytes(name, 5), "AB" + sj("サ") + " ");
  EXPECT_EQ(fitBytes(name, 9), name + " ");
  EXPECT_EQ(fitBytesZen(sj("サ"), 7), sj("サ") + sj("　　") + " ");
  // A lone lead byte at the end is one byte wide and never joins the next text.
  EXPECT_EQ(cutBytes("A\x82", 2), "A\x82");
}

TEST(Sjis, WellFormedShiftJis) {
  EXPECT_TRUE(isWellFormedCp932(sj("サクラ　ﾊﾅ 1600") + "\xE0\x40"));
  EXPECT_FALSE(isWellFormedCp932("AB\x82"));    // a lead byte without its trail
  EXPECT_FALSE(isWellFormedCp932("\x82\x20"));  // a blank is no trail byte
  EXPECT_FALSE(isWellFormedCp932("\x82\x7F"));
  EXPECT_FALSE(isWellFormedCp932("\xA0"));
  EXPECT_FALSE(isWellFormedCp932("\xFD"));
  // Codes in the double-byte ranges that cp932 never assigned: accepted, they could be neither
  // shown nor converted.
  for (const char* unassigned : {"\x85\x40", "\xEB\x40", "\xEF\xBB", "\x81\xAD"}) {
    EXPECT_FALSE(isWellFormedCp932(sj("サクラ") + unassigned)) << unassigned;
  }
  // The NEC and IBM extensions are characters of cp932 (①, ⅰ).
  EXPECT_TRUE(isWellFormedCp932("\x87\x40\xFA\x40"));
  // A character whose trail byte begins the next 64 bytes, and a lead byte that ends a text of
  // exactly 64 bytes.
  const std::string digits(63, '1');
  EXPECT_TRUE(isWellFormedCp932(digits + sj("サ") + "1"));
  EXPECT_TRUE(isWellFormedCp932(digits + sj("芝")));
  EXPECT_FALSE(isWellFormedCp932(digits + "\x83"));
  EXPECT_FALSE(isWellFormedCp932(digits + "\x83\x20"));
}

// The check that passes 64 bytes at a time says what a byte-by-byte reading says, for characters
// that straddle the 64-byte steps anywhere and for a fault at any place.
TEST(Sjis, TheWindowedCheckAgreesWithAByteByByteReading) {
  const auto byteByByte = [](std::string_view s) {
    for (std::size_t i = 0; i < s.size(); ++i) {
      const auto c = static_cast<unsigned char>(s[i]);
      if (c < 0x80 || (c >= 0xA1 && c <= 0xDF)) continue;
      const bool lead = (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
      if (!lead || i + 1 == s.size() ||
          !isAssignedCp932Pair(c, static_cast<unsigned char>(s[i + 1]))) {
        return false;
      }
      ++i;
    }
    return true;
  };
  const std::vector<std::string> good{"1600", " ",          "0",    sj("サ"),
                                      sj("牡"), "\xB1",       "\r\n", "ABCDEFGHIJ"};
  const std::vector<std::string> bad{"\x82", "\xFF", "\x85\x40", "\x80"};
  std::mt19937 random(16);
  int refused = 0;
  for (int trial = 0; trial < 20000; ++trial) {
    std::string text;
    const int length = static_cast<int>(random() % 64);
    for (int i = 0; i < length; ++i) {
      // Mostly well-formed pieces, so that both answers come up often.
      text += random() % 40 == 0 ? bad[random() % bad.size()] : good[random() % good.size()];
    }
    ASSERT_EQ(isWellFormedCp932(text), byteByByte(text)) << trial;
    refused += !byteByByte(text);
  }
  EXPECT_GT(refused, 500);
}

TEST(Sjis, LeadBytesAreThoseOfTheTwoRanges) {
  for (unsigned c = 0; c <= 0xFF; ++c) {
    EXPECT_EQ(isLeadByte(static_cast<unsigned char>(c)),
              (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC))
        << std::hex << c;
  }
}

// The line feeds and the high bytes of 64 bytes, and of the bytes left at the end of a text,
// are those a byte-by-byte look finds.
TEST(ByteMasks, MarkWhatAByteByByteLookFinds) {
  std::mt19937 random(64);
  for (int trial = 0; trial < 2000; ++trial) {
    std::string text(static_cast<std::size_t>(random() % 150), ' ');
    for (char& c : text) c = static_cast<char>(random() % 4 == 0 ? '\n' : random() % 256);
    for (std::size_t from = 0; from < text.size(); from += kMaskBytes) {
      std::uint64_t feeds = 0, high = 0;
      for (std::size_t i = 0; i < kMaskBytes && from + i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[from + i]);
        feeds |= std::uint64_t{c == '\n'} << i;
        high |= std::uint64_t{c >= 0x80} << i;
      }
      ASSERT_EQ(bitsAt<lineFeedBits>(text.data(), text.size(), from), feeds) << trial;
      ASSERT_EQ(bitsAt<highByteBits>(text.data(), text.size(), from), high) << trial;
    }
  }
}

// The table of assigned codes says of every double-byte code what the conversion says.
TEST(Sjis, AssignedPairsAreThoseTheConversionTakes) {
  int assigned = 0;
  for (unsigned lead = 0x81; lead <= 0xFC; ++lead) {
    for (unsigned trail = 0x40; trail <= 0xFC; ++trail) {
      const char pair[] = {static_cast<char>(lead), static_cast<char>(trail)};
      const bool converts = cp932ToUtf8(std::string_view(pair, 2)).ok;
      ASSERT_EQ(isAssignedCp932Pair(static_cast<unsigned char>(lead),
                                    static_cast<unsigned char>(trail)),
                converts)
          << std::hex << lead << ' ' << trail;
      assigned += converts;
    }
  }
  EXPECT_GT(assigned, 7000);  // the conversion was there to ask
}

TEST(Sjis, SpacesAndDigits) {
  EXPECT_EQ(halfSpacesToZen("A   B"), "A" + sj("　") + " B");
  EXPECT_EQ(zenToHalfSpaces(sj("サ　ラ")), sj("サ") + "  " + sj("ラ"));
  // The trail byte 0x40 of "　" inside another character must not be mistaken for a space pair.
  EXPECT_EQ(halfSpacesToZen(sj("ア") + "  "), sj("ア　"));
  EXPECT_EQ(fullWidthDigit(1) + fullWidthDigit(9), sj("１９"));
  EXPECT_EQ(slotNumber(9), sj("９"));
  EXPECT_EQ(slotNumber(10), "10");
  EXPECT_EQ(padLeft("800", 4), " 800");
}

TEST(Sjis, HiraganaBecomesKatakana) {
  // Both ends of the syllabary and both sides of the gap in katakana's trail bytes.
  EXPECT_EQ(hiraganaToKatakana(sj("ぁあみむゐゑをん")), sj("ァアミムヰヱヲン"));
  EXPECT_EQ(hiraganaToKatakana(sj("がぱっゃ")), sj("ガパッャ"));
  // Katakana, the long-vowel mark, kanji, full-width and half-width letters stay.
  EXPECT_EQ(hiraganaToKatakana(sj("カノンー馬Ａ") + "A"), sj("カノンー馬Ａ") + "A");
  // 奄 ends in the byte 0x82 and ｱ is the single byte 0xB1: together they are no こ.
  EXPECT_EQ(hiraganaToKatakana(sj("奄ｱ")), sj("奄ｱ"));
  // A lone lead byte at the end is left alone.
  EXPECT_EQ(hiraganaToKatakana("\x82"), "\x82");
}

TEST(Encoding, RoundTripAndRefusal) {
  const Converted sjis = utf8ToCp932("◎○▲△×注ｾﾝ");
  ASSERT_TRUE(sjis.ok);
  EXPECT_EQ(sjis.text, "\x81\x9d\x81\x9b\x81\xa3\x81\xa2\x81\x7e\x92\x8d\xbe\xdd");
  EXPECT_EQ(cp932ToUtf8(sjis.text).text, "◎○▲△×注ｾﾝ");

  const Converted emoji = utf8ToCp932("AB😀C");
  EXPECT_FALSE(emoji.ok);
  EXPECT_EQ(emoji.badOffset, 2u);
  EXPECT_EQ(utf8ToCp932Lossy("AB😀C"), "AB?C");

  EXPECT_FALSE(cp932ToUtf8("\x82").ok);   // a cut double-byte character
  EXPECT_FALSE(cp932ToUtf8("A\xa0").ok);  // 0xA0 is no character in cp932
}

class LineFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() /
           ("korvane_text_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }
  std::string contents(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  }
  std::filesystem::path dir_;
};

TEST_F(LineFileTest, ReadsCrLfLfAndAMissingLastLineEnd) {
  const auto path = dir_ / "a.txt";
  std::ofstream(path, std::ios::binary) << "one\r\ntwo\nthree\r\n\r\nlast";
  const auto lines = readLines(path).lines;
  ASSERT_TRUE(lines);
  EXPECT_EQ(*lines, (std::vector<std::string>{"one", "two", "three", "", "last"}));
}

// The cursor cuts lines as a plain reading of the bytes does: CR LF or LF ends a line, a CR
// elsewhere stays in it, and a last line without an end is still a line.
TEST(LineCursor, CutsLinesAsAPlainReadingDoes) {
  const auto plainly = [](std::string_view text) {
    std::vector<std::string> lines;
    std::string line;
    for (std::size_t i = 0; i < text.size(); ++i) {
      if (text[i] != '\n') {
        line += text[i];
        continue;
      }
      if (!line.empty() && line.back() == '\r') line.pop_back();
      lines.push_back(line);
      line.clear();
    }
    if (!line.empty()) {
      if (line.back() == '\r') line.pop_back();
      lines.push_back(line);
    }
    return lines;
  };
  const std::vector<std::string> pieces{"\r\n", "\n", "\r", "1", "395", sj("サクラ"),
                                        "ABCDEFGHIJKLM"};
  std::mt19937 random(42);
  for (int trial = 0; trial < 5000; ++trial) {
    std::string text;
    const int length = static_cast<int>(random() % 60);
    for (int i = 0; i < length; ++i) text += pieces[random() % pieces.size()];
    std::vector<std::string> cut;
    LineCursor cursor(text);
    for (std::string_view line; cursor.next(line);) cut.emplace_back(line);
    ASSERT_EQ(cut, plainly(text)) << trial;
    ASSERT_EQ(countLines(text), cut.size()) << trial;
    ASSERT_EQ(cursor.offset(), text.size());
  }
}

// Only regular files of plausible size are read; everything else is refused at once, so that
// no file picked in a dialog can hang the program or fill its memory.
TEST_F(LineFileTest, RefusesWhatIsNoPlausibleFileAtOnce) {
  namespace fs = std::filesystem;
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(readLines(dir_ / "missing.txt").fault, ReadFault::Missing);
  EXPECT_EQ(readLines(dir_).fault, ReadFault::Folder);
  EXPECT_EQ(readLines("/dev/null").fault, ReadFault::NotAFile);

  fs::create_symlink("/dev/zero", dir_ / "zero.uma");
  EXPECT_EQ(readLines(dir_ / "zero.uma").fault, ReadFault::NotAFile);

  ASSERT_EQ(::mkfifo((dir_ / "pipe.uma").c_str(), 0600), 0);
  EXPECT_EQ(readLines(dir_ / "pipe.uma").fault, ReadFault::NotAFile);  // no writer: never waits

  fs::create_symlink(dir_ / "loop_b.uma", dir_ / "loop_a.uma");
  fs::create_symlink(dir_ / "loop_a.uma", dir_ / "loop_b.uma");
  EXPECT_EQ(readLines(dir_ / "loop_a.uma").fault, ReadFault::LinkLoop);
  fs::create_symlink(dir_ / "nowhere.uma", dir_ / "dangling.uma");
  EXPECT_EQ(readLines(dir_ / "dangling.uma").fault, ReadFault::Missing);

  // A sparse file of 600 MB takes no disk space and must take no time either.
  {
    std::ofstream(dir_ / "huge.uma", std::ios::binary) << "x";
  }
  fs::resize_file(dir_ / "huge.uma", 600u << 20);
  EXPECT_EQ(readLines(dir_ / "huge.uma").fault, ReadFault::TooLarge);
  // The limit is the caller's: a small settings file is held to a few kilobytes.
  std::ofstream(dir_ / "big.ini", std::ios::binary) << std::string(kMaxSmallFileBytes + 1, 'x');
  EXPECT_EQ(readLines(dir_ / "big.ini", kMaxSmallFileBytes).fault, ReadFault::TooLarge);
  EXPECT_TRUE(readLines(dir_ / "big.ini").lines);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));

  for (ReadFault f : {ReadFault::Missing, ReadFault::NoPermission, ReadFault::Folder,
                      ReadFault::NotAFile, ReadFault::LinkLoop, ReadFault::TooLarge,
                      ReadFault::Unreadable, ReadFault::OutOfMemory}) {
    EXPECT_TRUE(cp932ToUtf8(readFaultReason(f)).ok);
    EXPECT_FALSE(readFaultReason(f).empty());
  }
}

// A file the system refuses says why in the message window, not "could not read" once more.
TEST_F(LineFileTest, TheSystemsRefusalGivesItsReason) {
  const testing::UnreadableFile noread = testing::makeUnreadableFile(dir_ / "noread.uma");
  const LinesRead refused = readLines(noread.path);
  EXPECT_FALSE(refused.lines);
  EXPECT_EQ(readFaultReason(refused.fault, refused.systemError), noread.reason);

  const LinesRead longName = readLines(dir_ / std::string(300, 'a'));
  EXPECT_EQ(longName.fault, ReadFault::Unreadable);
  EXPECT_EQ(readFaultReason(longName.fault, longName.systemError), sj("ファイル名が長すぎます。"));

  // Any other refusal carries the system's own name and text.
  const std::string other = readFaultReason(ReadFault::Unreadable, EBADF);
  EXPECT_EQ(cp932ToUtf8(other).text,
            "システムのエラーのため、読み込めませんでした（EBADF: Bad file descriptor）。");
  EXPECT_EQ(cp932ToUtf8(readFaultReason(ReadFault::Unreadable, 99999)).text,
            "システムのエラーのため、読み込めませんでした（エラー番号 99999）。");
}

TEST_F(LineFileTest, WritesCrLfAfterEveryLineAndReplacesAtomically) {
  const auto path = dir_ / "b.txt";
  AtomicLineWriter writer;
  const std::vector<std::string> lines{"a", "", sj("無")};
  ASSERT_TRUE(writer.writeLines(path, lines));
  EXPECT_EQ(contents(path), "a\r\n\r\n" + sj("無") + "\r\n");
  EXPECT_EQ(*readLines(path).lines, lines);
  EXPECT_FALSE(std::filesystem::exists(dir_ / "b.txt.tmp"));
}

TEST_F(LineFileTest, FailedWriteLeavesThePreviousFile) {
  const auto path = dir_ / "c.txt";
  AtomicLineWriter writer;
  ASSERT_TRUE(writer.writeLines(path, std::vector<std::string>{"old"}));
  // A folder in the way of the temporary file makes the write fail before anything is replaced.
  std::filesystem::create_directory(dir_ / "c.txt.tmp");
  EXPECT_FALSE(writer.writeLines(path, std::vector<std::string>{"new"}));
  EXPECT_EQ(contents(path), "old\r\n");
  EXPECT_FALSE(writer.writeLines(dir_ / "no_such_folder" / "d.txt", std::vector<std::string>{"x"}));
}

}  // namespace
}  // namespace korvane
