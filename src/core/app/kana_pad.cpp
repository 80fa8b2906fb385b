#include "core/app/kana_pad.hpp"

#include <string_view>
#include <utility>

#include "core/text/sjis.hpp"

namespace korvane {

namespace {

KanaCaptions captions(std::string_view a, std::string_view i, std::string_view u,
                      std::string_view e, std::string_view o) {
  auto one = [](std::string_view kana) { return kana.empty() ? std::string() : sj(kana); };
  return {one(a), one(i), one(u), one(e), one(o)};
}

// The 濁点 cycle keyed by the ウ段 caption it starts from.
const std::array<std::pair<std::string, KanaCaptions>, 15>& dakutenTable() {
  static const std::array<std::pair<std::string, KanaCaptions>, 15> table{{
      {sj("ウ"), captions("ァ", "ィ", "ゥ", "ェ", "ォ")},
      {sj("ゥ"), captions("　", "　", "ヴ", "　", "　")},
      {sj("ヴ"), captions("ア", "イ", "ウ", "エ", "オ")},
      {sj("ク"), captions("ガ", "ギ", "グ", "ゲ", "ゴ")},
      {sj("グ"), captions("カ", "キ", "ク", "ケ", "コ")},
      {sj("ス"), captions("ザ", "ジ", "ズ", "ゼ", "ゾ")},
      {sj("ズ"), captions("サ", "シ", "ス", "セ", "ソ")},
      {sj("ツ"), captions("ダ", "ヂ", "ヅ", "デ", "ド")},
      {sj("ヅ"), captions("　", "　", "ッ", "　", "　")},
      {sj("ッ"), captions("タ", "チ", "ツ", "テ", "ト")},
      {sj("フ"), captions("バ", "ビ", "ブ", "ベ", "ボ")},
      {sj("ブ"), captions("パ", "ピ", "プ", "ペ", "ポ")},
      {sj("プ"), captions("ハ", "ヒ", "フ", "ヘ", "ホ")},
      {sj("ユ"), captions("ャ", "　", "ュ", "　", "ョ")},
      {sj("ュ"), captions("ヤ", "　", "ユ", "　", "ヨ")},
  }};
  return table;
}

}  // namespace

const std::array<std::string, kKanaRows>& kanaRowCaptions() {
  static const std::array<std::string, kKanaRows> rows{
      sj("ア行"), sj("カ行"), sj("サ行"), sj("タ行"), sj("ナ行"),
      sj("ハ行"), sj("マ行"), sj("ヤ行"), sj("ラ行"), sj("ワ行")};
  return rows;
}

const KanaCaptions& kanaRow(int row) {
  static const std::array<KanaCaptions, kKanaRows> rows{
      captions("ア", "イ", "ウ", "エ", "オ"), captions("カ", "キ", "ク", "ケ", "コ"),
      captions("サ", "シ", "ス", "セ", "ソ"), captions("タ", "チ", "ツ", "テ", "ト"),
      captions("ナ", "ニ", "ヌ", "ネ", "ノ"), captions("ハ", "ヒ", "フ", "ヘ", "ホ"),
      captions("マ", "ミ", "ム", "メ", "モ"), captions("ヤ", "", "ユ", "", "ヨ"),
      captions("ラ", "リ", "ル", "レ", "ロ"), captions("ワ", "ヲ", "ン", "　", "ー")};
  return rows.at(static_cast<std::size_t>(row));
}

KanaCaptions dakutenStep(const KanaCaptions& now) {
  for (const auto& [u, next] : dakutenTable()) {
    if (now[2] == u) return next;
  }
  return now;
}

}  // namespace korvane
