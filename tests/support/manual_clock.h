// A clock the test sets by hand, installed for the lifetime of the object.
#pragma once

#include "core/clock.h"

namespace tftest {

class ManualClock {
 public:
  explicit ManualClock(int startMs = 0) : now_(startMs) {
    tf::setClockSource([this] { return now_; });
  }
  ~ManualClock() { tf::setClockSource(nullptr); }
  ManualClock(const ManualClock&) = delete;
  ManualClock& operator=(const ManualClock&) = delete;

  void set(int ms) { now_ = ms; }
  void advance(int ms) { now_ += ms; }
  int now() const { return now_; }

 private:
  int now_;
};

}  // namespace tftest
