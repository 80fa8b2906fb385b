#pragma once
// A second thread for a short piece of work that this thread shares with it, such as reading the
// pages of the horse set. It is started on another processor than the one this thread runs on:
// left to itself, the system may first queue a new thread behind its parent on the same
// processor and move it only some milliseconds later, when the work is already done.

#include <functional>

#include <pthread.h>

namespace korvane {

class HelperThread {
 public:
  // Starts `work`, which must outlive the thread and must not throw; when no thread can be
  // started, nothing runs.
  explicit HelperThread(const std::function<void()>& work);
  // Waits for the work to end.
  ~HelperThread();
  HelperThread(const HelperThread&) = delete;
  HelperThread& operator=(const HelperThread&) = delete;

 private:
  pthread_t thread_{};
  bool started_ = false;
};

}  // namespace korvane
