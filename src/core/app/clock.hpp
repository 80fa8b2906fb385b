#pragma once

namespace korvane {

struct Date {
  int year = 0;  // four digits
  int month = 0;
  int day = 0;
};

// Today's date, from the system in the program and fixed in tests.
class Clock {
 public:
  virtual ~Clock() = default;
  virtual Date today() const = 0;
};

class SystemClock : public Clock {
 public:
  Date today() const override;
};

}  // namespace korvane
