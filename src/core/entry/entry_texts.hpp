#pragma once
// The questions, messages and help pages of the horse record editor, the name window and the
// past-run entry screen (cp932).

#include <string>
#include <utility>
#include <vector>

namespace korvane {

using Question = std::pair<std::string, std::string>;  // the confirmation window's two lines

// 挿入 at slot 2..4 and 削除 of slot 1..4.
Question insertQuestion(int slot);
Question deleteQuestion(int slot);

// ヘルプ of the editor: two pages of the message window (8 and 6 lines).
std::vector<std::string> editorHelpPage(int page);

// はじめて使う方: the usage guide's heading and its 21 lines.
std::string usageHeading();
std::vector<std::string> usageLines();

// 完了 of the name window without a name.
std::vector<std::string> noNameMessage();
// A new horse whose stored-form name is registered already.
std::vector<std::string> sameNameMessage();

// 完了 of the entry screen: no racecourse chosen, a doubtful time, no time.
std::vector<std::string> noRacecourseMessage();
Question tooFastQuestion();
Question tooSlowQuestion();
std::vector<std::string> noTimeMessage();

}  // namespace korvane
