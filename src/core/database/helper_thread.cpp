#include "core/database/helper_thread.hpp"

#include <sched.h>

namespace korvane {

namespace {

void* runWork(void* work) {
  (*static_cast<const std::function<void()>*>(work))();
  return nullptr;
}

}  // namespace

HelperThread::HelperThread(const std::function<void()>& work) {
  pthread_attr_t attributes;
  if (pthread_attr_init(&attributes) != 0) return;
  // Any processor the program may use but this thread's own; with only one there is no choice.
  cpu_set_t others;
  const int here = sched_getcpu();
  if (here >= 0 && sched_getaffinity(0, sizeof others, &others) == 0 && CPU_COUNT(&others) > 1) {
    CPU_CLR(here, &others);
    pthread_attr_setaffinity_np(&attributes, sizeof others, &others);
  }
  started_ = pthread_create(&thread_, &attributes, runWork,
                            const_cast<std::function<void()>*>(&work)) == 0;
  pthread_attr_destroy(&attributes);
}

HelperThread::~HelperThread() {
  if (started_) pthread_join(thread_, nullptr);
}

}  // namespace korvane
