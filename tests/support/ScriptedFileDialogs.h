// A FileDialogs double for tests: answers each dialog with the next scripted path ("" cancels).
#pragma once

#include <deque>
#include <stdexcept>
#include <string>
#include <utility>

#include "ui/FileDialogs.h"

namespace stavelorn {

class ScriptedFileDialogs : public FileDialogs {
 public:
  explicit ScriptedFileDialogs(std::deque<std::string> paths = {}) : paths_(std::move(paths)) {}

  void Answer(std::string path) { paths_.push_back(std::move(path)); }

  std::string OpenFile(const FileDialogRequest& request) override { return Next(request); }
  std::string SaveFile(const FileDialogRequest& request) override { return Next(request); }

 private:
  // A dialog nobody scripted an answer for is a fault of the test, never a silent cancel.
  std::string Next(const FileDialogRequest& request) {
    if (paths_.empty()) throw std::logic_error("unscripted file dialog: " + request.Title);
    std::string path = std::move(paths_.front());
    paths_.pop_front();
    return path;
  }

  std::deque<std::string> paths_;
};

}  // namespace stavelorn
