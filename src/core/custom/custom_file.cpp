#include "core/custom/custom_file.hpp"

#include <optional>
#include <string_view>

#include "core/database/horse_record.hpp"
#include "core/text/line_file.hpp"
#include "core/text/sjis.hpp"

namespace korvane {

namespace {

constexpr int kValuesPerRule = 5;
constexpr int kRulesLines = kMarkRules * kValuesPerRule;  // 25

LoadError errorAt(const std::filesystem::path& file, int line, std::string_view reasonUtf8) {
  return LoadError{file, line, sj(reasonUtf8)};
}

class Reader {
 public:
  Reader(const std::vector<std::string>& lines, const std::filesystem::path& file)
      : lines_(lines), file_(file) {}

  // The number on `line` if it lies in low..high; otherwise the error is kept and nothing
  // comes back.
  std::optional<int> value(int line, int low, int high, std::string_view rangeReasonUtf8) {
    if (error) return std::nullopt;
    if (line > static_cast<int>(lines_.size())) {
      error = errorAt(file_, line, "ファイルが途中で終わっています。");
      return std::nullopt;
    }
    const std::optional<int> number = parseStrict(lines_[line - 1]);
    if (!number) {
      error = errorAt(file_, line, "数字ではありません。");
    } else if (*number < low || *number > high) {
      error = errorAt(file_, line, rangeReasonUtf8);
    } else {
      return number;
    }
    return std::nullopt;
  }

  void rules(int firstLine, RuleSet& set) {
    int line = firstLine;
    for (MarkRule& rule : set.marks) {
      rule.kind = value(line++, 1, 6, "指数の種類が1から6の数字ではありません。").value_or(0);
      rule.powerFilter = value(line++, 0, 1, "底力の条件が0か1ではありません。").value_or(0);
      rule.losePFilter = value(line++, 0, 1, "負Ｐの条件が0か1ではありません。").value_or(0);
      rule.minForm = value(line++, 0, 3, "近走の条件が0から3の数字ではありません。").value_or(0);
      rule.style = value(line++, 0, 4, "脚質の条件が0から4の数字ではありません。").value_or(0);
    }
  }

  // The fill-up looks each index up once: a code twice would leave another index out.
  void priority(int firstLine, int count, RuleSet& set) {
    std::array<bool, kPriorities + 1> seen{};
    for (int i = 0; i < count; ++i) {
      const int line = firstLine + i;
      const std::optional<int> code =
          value(line, 1, count,
                count == kPriorities ? "選出順が1から5の数字ではありません。"
                                     : "選出順が1から4の数字ではありません。");
      if (!code) return;
      if (seen[*code]) {
        error = errorAt(file_, line, "選出順に同じ数字が2つあります。");
        return;
      }
      seen[*code] = true;
      set.priority[i] = *code;
    }
    // The older files knew four indexes; 全距離 came last when it was added.
    if (count < kPriorities)
      set.priority[kPriorities - 1] = static_cast<int>(PriorityCode::AllDistance);
  }

  std::optional<LoadError> error;

 private:
  const std::vector<std::string>& lines_;
  const std::filesystem::path& file_;
};

}  // namespace

std::vector<std::string> customFileLines(const CustomRules& rules) {
  std::vector<std::string> lines;
  lines.reserve(kCustomFileLines);
  lines.emplace_back("DorvoUmc");
  for (const RuleSet& set : rules.sets) {
    for (const MarkRule& m : set.marks) {
      for (int v : {m.kind, m.powerFilter, m.losePFilter, m.minForm, m.style}) {
        lines.push_back(std::to_string(v));
      }
    }
    for (int code : set.priority) lines.push_back(std::to_string(code));
  }
  return lines;
}

std::variant<CustomRules, LoadError> parseCustomFile(const std::vector<std::string>& lines,
                                                     const std::filesystem::path& file) {
  // Each set is its rules, then its priority list; the older form stored one code less.
  const int priorityCount =
      lines.size() == static_cast<std::size_t>(kOldCustomFileLines) ? kPriorities - 1 : kPriorities;
  CustomRules rules;
  Reader reader(lines, file);
  int line = 2;  // line 1 names the format and is not read
  for (RuleSet& set : rules.sets) {
    reader.rules(line, set);
    line += kRulesLines;
    reader.priority(line, priorityCount, set);
    line += priorityCount;
  }
  if (reader.error) return *reader.error;
  return rules;
}

std::variant<CustomRules, LoadError> readCustomFile(const std::filesystem::path& file) {
  const LinesRead read = readLines(file, kMaxSmallFileBytes);
  if (!read.lines) return unreadableFile(file, read.fault, read.systemError);
  return parseCustomFile(*read.lines, file);
}

const std::filesystem::path& newCustomFileName() {
  static const std::filesystem::path name(u8"新カスタマイズ.umc");
  return name;
}

}  // namespace korvane
