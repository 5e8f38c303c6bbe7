#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>

// Ends the test program, saying what it was doing, when the scope is not left within
// `limit`: a call that never returns fails the run instead of holding it.
class Watchdog {
 public:
  explicit Watchdog(std::chrono::seconds limit)
      : thread_([this, limit] {
          std::unique_lock lock(mutex_);
          if (!left_.wait_for(lock, limit, [this] { return done_; })) {
            std::fprintf(stderr, "Hung: %s\n", doing_.c_str());
            std::_Exit(1);
          }
        }) {}
  ~Watchdog() {
    {
      std::lock_guard lock(mutex_);
      done_ = true;
    }
    left_.notify_one();
    thread_.join();
  }
  Watchdog(const Watchdog&) = delete;
  Watchdog& operator=(const Watchdog&) = delete;

  void Doing(std::string what) {
    std::lock_guard lock(mutex_);
    doing_ = std::move(what);
  }
  std::string What() {
    std::lock_guard lock(mutex_);
    return doing_;
  }

 private:
  std::mutex mutex_;
  std::condition_variable left_;
  bool done_ = false;
  std::string doing_;
  std::thread thread_;
};
