// A second thread that takes half of the rows of each sweep of a long elimination. The rows of
// one sweep are independent of each other, so who reduces a row changes nothing in its bits.
#pragma once

#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

namespace stavelorn {

class RowTeam {
 public:
  // With `share` false, or when this computer has one processor or no thread can be had, every
  // row is done on the calling thread.
  explicit RowTeam(bool share);
  ~RowTeam();
  RowTeam(const RowTeam&) = delete;
  RowTeam& operator=(const RowTeam&) = delete;

  // Calls work(first, last) over rows 1..count, split between the two threads, and returns
  // when every row is done. `work` must not throw.
  void Split(int count, const std::function<void(int first, int last)>& work);

 private:
  void Serve();

  std::thread helper_;
  std::mutex mutex_;
  std::condition_variable changed_;
  const std::function<void(int, int)>* work_ = nullptr;
  int first_ = 0, last_ = 0;  // the helper's rows
  int handedOut_ = 0, finished_ = 0;
  bool stop_ = false;
};

}  // namespace stavelorn
