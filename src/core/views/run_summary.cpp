#include "core/views/run_summary.hpp"

#include <cstdlib>

#include "core/database/horse_fields.hpp"
#include "core/text/sjis.hpp"

namespace korvane {

namespace {

int digitAt(const std::string& text, std::size_t pos) {
  const char c = pos < text.size() ? text[pos] : '0';
  return c >= '0' && c <= '9' ? c - '0' : 0;
}

// The stored MSSd time; a line too short to hold one reads as not entered.
std::string storedTime(const std::string& time) {
  return time.size() < 4 ? "0000" : time;
}

}  // namespace

std::string finishText(int finish) {
  const std::string number = " " + std::to_string(finish);
  return number.substr(number.size() - 2) + sj("着");
}

std::string lapText(const std::string& time, int distance, int last3F) {
  // A race of 600 m or less has no stretch before the last 3 furlongs to average over.
  if (last3F >= 990 || distance <= 600) return "??.??";
  const std::string t = storedTime(time);
  const long tenths =
      digitAt(t, 0) * 600L + digitAt(t, 1) * 100L + digitAt(t, 2) * 10L + digitAt(t, 3);
  // Seconds per 200 m over distance - 600 m, in hundredths, rounded half away from zero in whole
  // numbers so that the same run always shows the same lap.
  const long numerator = (tenths - last3F) * 2000L;
  const long denominator = distance - 600L;
  long hundredths = (2 * std::labs(numerator) + denominator) / (2 * denominator);
  std::string text = numerator < 0 && hundredths != 0 ? "-" : "";
  text += std::to_string(hundredths / 100) + ".";
  hundredths %= 100;
  text += static_cast<char>('0' + hundredths / 10);
  text += static_cast<char>('0' + hundredths % 10);
  return text;
}

std::string last3FText(int last3F) {
  if (last3F == 999) return sj("??秒?");
  return std::to_string(last3F / 10) + sj("秒") + std::to_string(last3F % 10);
}

std::string runCourseLine(const HorseStore& store, int horse, int run) {
  const std::string key = runCourseKey(store, horse, run);
  const std::string date = key.size() >= 6 ? key.substr(2, 4) : "0000";
  return runCourseName(store, horse, run) + " '" + date.substr(0, 2) + "/" + date.substr(2, 2) +
         " " + runSurface(store, horse, run) + std::to_string(runDistance(store, horse, run)) +
         "m(" + runGoing(store, horse, run) + ")";
}

std::string runTimeLine(const HorseStore& store, int horse, int run) {
  const std::string time = storedTime(runTime(store, horse, run));
  const int last3F = runLast3F(store, horse, run);
  std::string line = time.substr(0, 1) + "." + time.substr(1, 2) + "." + time.substr(3, 1);
  line += "(" + lapText(time, runDistance(store, horse, run), last3F) + ")";
  const std::string corners = fitBytes(runCorners(store, horse, run), 6);
  if (corners == " 0 0 0") {
    line += " ??.??.??";
  } else {
    line += " " + corners.substr(0, 2) + "." + corners.substr(2, 2) + "." + corners.substr(4, 2);
  }
  return line + "  " + last3FText(last3F);
}

}  // namespace korvane
