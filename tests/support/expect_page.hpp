#pragma once
// EXPECT_PAGE(page, expected): two lists of cp932 lines (a page, the items of a list) compared
// line for line. On a mismatch both are printed in UTF-8, one numbered line between bars so that
// trailing blanks show, and the first line that differs is named; gtest's own message would show
// the cp932 bytes as escapes.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "core/text/encoding.hpp"

namespace korvane::testing {

// A cp932 line as UTF-8; bytes that are no cp932 text from the first bad one on as \xNN.
inline std::string readableLine(const std::string& cp932) {
  const Converted whole = cp932ToUtf8(cp932);
  if (whole.ok) return whole.text;
  std::string text = cp932ToUtf8(cp932.substr(0, whole.badOffset)).text;
  for (std::size_t i = whole.badOffset; i < cp932.size(); ++i) {
    char hex[5];
    std::snprintf(hex, sizeof hex, "\\x%02X", static_cast<unsigned char>(cp932[i]));
    text += hex;
  }
  return text;
}

inline std::string readablePage(const std::vector<std::string>& lines) {
  std::string text;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    text += std::to_string(i + 1) + "|" + readableLine(lines[i]) + "|\n";
  }
  return text;
}

inline ::testing::AssertionResult pagesEqual(const char* pageExpr, const char* /*expectedExpr*/,
                                             const std::vector<std::string>& page,
                                             const std::vector<std::string>& expected) {
  if (page == expected) return ::testing::AssertionSuccess();
  const auto differ = std::mismatch(page.begin(), page.end(), expected.begin(), expected.end());
  return ::testing::AssertionFailure()
         << pageExpr << " differs from the expected lines at line "
         << (differ.first - page.begin()) + 1 << " (" << page.size() << " lines, expected "
         << expected.size() << ")\n--- expected\n"
         << readablePage(expected) << "--- page\n"
         << readablePage(page);
}

}  // namespace korvane::testing

#define EXPECT_PAGE(page, expected) \
  EXPECT_PRED_FORMAT2(::korvane::testing::pagesEqual, page, expected)
