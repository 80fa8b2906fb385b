#pragma once
// Reading a horse's fields by its index. Index 0 (a scratched slot) answers placeholders;
// an index above 12000 (or above `count`) answers empty text or 0.

#include <string>

#include "core/database/horse_store.hpp"

namespace korvane {

std::string horseName(const HorseStore& store, int n);  // display form, 18 bytes; 0: 出走取消
int horseAge(const HorseStore& store, int n);           // 0: 99
std::string horseSex(const HorseStore& store, int n);
std::string runSurface(const HorseStore& store, int n, int r);  // 0: 無
int runDistance(const HorseStore& store, int n, int r);         // <= 98 read as hundreds; 0: 9999
std::string runCourseCode(const HorseStore& store, int n, int r);
std::string runCourseName(const HorseStore& store, int n, int r);
std::string runCourseKey(const HorseStore& store, int n, int r);  // 0: 無0000無無
std::string runTime(const HorseStore& store, int n, int r);
std::string runCorners(const HorseStore& store, int n, int r);  // 0: " 0 0 0"
int runLast3F(const HorseStore& store, int n, int r);           // 0: 999
std::string runGoing(const HorseStore& store, int n, int r);
int runFinish(const HorseStore& store, int n, int r);  // 0: 99
std::string horseStyle(const HorseStore& store, int n);  // 0: ？

// Recomputes the running style of horse n into its line 42 and returns it.
std::string updateStyle(HorseStore& store, int n);

}  // namespace korvane
