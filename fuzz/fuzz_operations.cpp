// Fuzzes operation sequences: the input bytes are the choices of the random robustness runs, and
// every invariant is checked after every step.
//
// The inputs run on one worker thread with a 512 KB stack, the size of a secondary thread's stack
// on macOS: a recursion that does not end meets the dock's limit after about a hundred nested
// calls instead of thousands, and every failing step on the way back out costs the sanitizers
// work in proportion to the stack in use.
#include <pthread.h>

#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>

#include "support/robust.h"

namespace {

class Worker {
 public:
  Worker() {
    pthread_attr_t attr;
    if (pthread_attr_init(&attr) != 0 || pthread_attr_setstacksize(&attr, 512 * 1024) != 0 ||
        pthread_create(&thread_, &attr, &Worker::loop, this) != 0) {
      std::fputs("fuzz: cannot start the thread that runs the inputs\n", stderr);
      std::abort();
    }
    pthread_attr_destroy(&attr);
  }
  // At the end of the process the thread is told to stop and joined, not left waiting on a
  // condition that is being destroyed.
  ~Worker() {
    {
      const std::lock_guard<std::mutex> lock(mutex_);
      stopping_ = true;
    }
    changed_.notify_all();
    pthread_join(thread_, nullptr);
  }
  Worker(const Worker&) = delete;
  Worker& operator=(const Worker&) = delete;

  // Runs one input on the worker and returns what it found.
  std::string run(const std::uint8_t* data, std::size_t size) {
    std::unique_lock<std::mutex> lock(mutex_);
    data_ = data;
    size_ = size;
    pending_ = true;
    changed_.notify_all();
    changed_.wait(lock, [&] { return !pending_; });
    return std::move(failure_);
  }

 private:
  static void* loop(void* self) {
    auto& w = *static_cast<Worker*>(self);
    std::unique_lock<std::mutex> lock(w.mutex_);
    for (;;) {
      w.changed_.wait(lock, [&] { return w.pending_ || w.stopping_; });
      if (w.stopping_) return nullptr;
      kivrobust::Choices choices(w.data_, w.size_);
      w.failure_ = kivrobust::runSequence(choices, 400, "fuzz input");
      w.pending_ = false;
      w.changed_.notify_all();
    }
  }

  pthread_t thread_{};
  std::mutex mutex_;
  std::condition_variable changed_;
  const std::uint8_t* data_ = nullptr;
  std::size_t size_ = 0;
  bool pending_ = false;
  bool stopping_ = false;
  std::string failure_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static Worker worker;
  const std::string failure = worker.run(data, size);
  if (failure.empty()) return 0;
  std::fputs(failure.c_str(), stderr);
  std::abort();
}
