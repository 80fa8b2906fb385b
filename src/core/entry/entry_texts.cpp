#include "core/entry/entry_texts.hpp"

#include <algorithm>

#include "core/text/sjis.hpp"

namespace korvane {

namespace {

std::vector<std::string> lines(std::initializer_list<const char*> utf8) {
  std::vector<std::string> out;
  for (const char* line : utf8) out.push_back(sj(line));
  return out;
}

// The slots as the editor's rows name them, slot 1 first.
const char* const kSlotNames[] = {"前走", "前々走", "３走前", "４走前", "５走前"};

std::string slotName(int slot) {
  return sj(kSlotNames[std::clamp(slot, 1, 5) - 1]);
}

}  // namespace

Question insertQuestion(int slot) {
  return {slotName(slot) + sj("に成績を挿入します。"), sj("５走前は削除されます。")};
}

Question deleteQuestion(int slot) {
  return {slotName(slot) + sj("を削除して"),
          slotName(slot + 1) + sj("を") + slotName(slot) + sj("にします。")};
}

std::vector<std::string> editorHelpPage(int page) {
  if (page == 1) {
    return lines(
        {"○前走から５走前までの「変更ボタン」を押して", "成績を入力します。次回、同じ馬の成績を",
         "入力するときは、「前走追加ボタン」を押して、", "成績を追加します。",
         "○休養期間や、未対応の競馬場の成績などは、", "「データなし」にせずに、成績を詰めて",
         "入力することを推奨します。（有効なデータ量が", "多いほど予想精度が高くなるため）"});
  }
  return lines({"○前３走くらいの入力で予想はできますが、", "予想精度が低くなりますので、前５走ぶん",
                "入力することをおすすめします。", "○成績表のラップタイムは「スタート」から",
                "「ゴール３ハロン（６００ｍ）手前」までの", "１ハロン平均タイムです。"});
}

std::string usageHeading() {
  return sj("使い方の流れ（これをたびたび見ながら操作すると簡単です）");
}

std::vector<std::string> usageLines() {
  return lines({
      "１.「これだけ覚えればなんとかなります」",
      "マウスカーソルを、ボタンや文字の上に置いて、約１秒待つと、ヒントが表示されま",
      "す。",
      "",
      "２.「馬の成績の入力」",
      "「コルバン」には、何頭かのサンプル馬が入っています。「ア行」や「カ行」「ア」などのボ",
      "タンを押して、予想したいレースの出走馬を探してください。",
      "目的の馬がいた場合、左下の方の「成績」を押して、成績を入力してください。",
      "目的の馬がいなかった場合「新しい馬」を押して、馬名と成績を入力してください。",
      "",
      "３.「出走馬の登録」",
      "成績の入力が終わったら、画面右上の方にある「クリア」ボタンを押して、出走馬リ",
      "ストをクリアして下さい。",
      "それから、競走馬リスト（画面左側）の馬名を２回クリックして、出走馬リストへ登録",
      "していきます。",
      "",
      "４.「予想画面へ」",
      "すべての出走馬を登録したら、画面右下の「予想」ボタンを押してください。",
      "レースコースの入力画面になるので、競馬場や距離などを入力してください。完了",
      "すると予想結果が表示されます。",
      "結果表の意味などは予想結果画面右上の「ヘルプ」ボタンでご覧ください。",
  });
}

std::vector<std::string> noNameMessage() {
  return lines({"馬名を入力してからお願いします"});
}

std::vector<std::string> sameNameMessage() {
  return lines({"すでに同じ名前の馬が登録されています。"});
}

std::vector<std::string> noRacecourseMessage() {
  return lines({"競馬場が選ばれていません。", "競馬場を選んでからお願いします。"});
}

Question tooFastQuestion() {
  return {sj("タイムが速すぎるようですが"), sj("よろしいですか？")};
}

Question tooSlowQuestion() {
  return {sj("タイムが遅すぎるようですが"), sj("よろしいですか？")};
}

std::vector<std::string> noTimeMessage() {
  return lines(
      {"タイムが入力されていません。入力するか、", "左上の「データなしボタン」を押して下さい。"});
}

}  // namespace korvane
