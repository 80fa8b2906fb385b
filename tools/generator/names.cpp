#include "generator/names.hpp"

#include <array>
#include <vector>

#include "core/text/sjis.hpp"

namespace korvane::gen {

namespace {

constexpr std::size_t kNameBytes = 18;

const std::vector<std::string>& words() {
  static const std::vector<std::string> list = [] {
    const char* utf8[] = {
        "ブルー",     "スター",      "ウインド",   "ファイア",     "ミラクル",   "ダンス",
        "ローズ",     "ナイト",      "ムーン",     "サニー",       "リバー",     "ストーム",
        "ライト",     "ハート",      "ドリーム",   "フラワー",     "ロード",     "エース",
        "クイーン",   "キング",      "シャドウ",   "グリーン",     "シルバー",   "ゴールド",
        "レッド",     "ホワイト",    "ブラック",   "スカイ",       "オーシャン", "サンダー",
        "フォレスト", "メロディ",    "ハーモニー", "ジュエル",     "パール",     "ルビー",
        "クラウン",   "ソード",      "アロー",     "ウェーブ",     "トレジャー", "ファントム",
        "ミスティ",   "ノーブル",    "ブレイブ",   "ラッキー",     "ハッピー",   "スマイル",
        "ピース",     "グローリー",  "ビクトリー", "ヒーロー",     "レジェンド", "ワンダー",
        "マジック",   "ロマン",      "ポエム",     "リズム",       "テンポ",     "サウンド",
        "ボイス",     "カノン",      "ソナタ",     "ワルツ",       "タンゴ",     "サンバ",
        "マーチ",     "コメット",    "オーロラ",   "プリズム",     "クリスタル", "ダイヤ",
        "ベル",       "キャンドル",  "ランプ",     "ミント",       "シナモン",   "ペッパー",
        "ハニー",     "シュガー",    "メープル",   "オリーブ",     "チェリー",   "ピーチ",
        "レモン",     "ライム",      "タイガー",   "ファルコン",   "イーグル",   "ホーク",
        "ドラゴン",   "ユニコーン",  "ペガサス",   "フェニックス", "ミラージュ", "ヴィーナス",
        "アポロ",     "ゼウス",      "アテナ",     "ジュピター",   "マーズ",     "サターン",
        "プルート",   "ネプチューン"};
    std::vector<std::string> out;
    for (const char* w : utf8) out.push_back(sj(w));
    return out;
  }();
  return list;
}

// Single kana that make a coined word when the pairs of words run out.
const std::vector<std::string>& syllables() {
  static const std::vector<std::string> list = [] {
    const char* utf8[] = {"カ", "キ", "ク", "サ", "シ", "ス", "タ", "ト", "ナ", "ノ", "ハ",
                          "ミ", "ラ", "リ", "ル", "レ", "ロ", "ア", "イ", "オ", "マ", "ヤ",
                          "ユ", "コ", "セ", "テ", "ネ", "ホ", "モ", "ワ", "ン", "ー"};
    std::vector<std::string> out;
    for (const char* s : utf8) out.push_back(sj(s));
    return out;
  }();
  return list;
}

}  // namespace

std::string NameMaker::next(Rng& rng) {
  static const std::string space = sj("　"), longVowel = sj("ー"), nasal = sj("ン");
  const auto& w = words();
  const auto& kana = syllables();
  for (int attempt = 0;; ++attempt) {
    std::string name = w[rng.between(0, static_cast<int>(w.size()) - 1)];
    if (attempt < 40) {
      const bool spaced = rng.chance(0.12);
      const std::string& second = w[rng.between(0, static_cast<int>(w.size()) - 1)];
      if (second == name) continue;
      name += (spaced ? space : std::string()) + second;
    } else {
      // Coined endings: a word and two to four kana, never starting with ー or ン.
      const int n = rng.between(2, 4);
      for (int i = 0; i < n; ++i) {
        std::string k;
        do {
          k = kana[rng.between(0, static_cast<int>(kana.size()) - 1)];
        } while (i == 0 && (k == longVowel || k == nasal));
        name += k;
      }
    }
    if (name.size() > kNameBytes || name.size() < 6) continue;
    if (given_.insert(name).second) return name;
  }
}

}  // namespace korvane::gen
