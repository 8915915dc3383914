#include "analysis/RowTeam.h"

#include <system_error>

namespace stavelorn {

RowTeam::RowTeam(bool share) {
  if (!share || std::thread::hardware_concurrency() < 2) return;
  try {
    helper_ = std::thread([this] { Serve(); });
  } catch (const std::system_error&) {
    // No thread to be had: the calling thread does it all, only slower.
  }
}

RowTeam::~RowTeam() {
  if (!helper_.joinable()) return;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    stop_ = true;
  }
  changed_.notify_all();
  helper_.join();
}

void RowTeam::Split(int count, const std::function<void(int, int)>& work) {
  if (!helper_.joinable() || count < 2) {
    work(1, count);
    return;
  }
  const int middle = count / 2;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    work_ = &work;
    first_ = middle + 1;
    last_ = count;
    ++handedOut_;
  }
  changed_.notify_all();
  work(1, middle);
  std::unique_lock<std::mutex> lock(mutex_);
  changed_.wait(lock, [this] { return finished_ == handedOut_; });
}

void RowTeam::Serve() {
  std::unique_lock<std::mutex> lock(mutex_);
  for (;;) {
    changed_.wait(lock, [this] { return stop_ || finished_ != handedOut_; });
    if (stop_) return;
    const std::function<void(int, int)>& work = *work_;
    const int first = first_, last = last_;
    lock.unlock();
    work(first, last);
    lock.lock();
    ++finished_;
    changed_.notify_all();
  }
}

}  // namespace stavelorn
