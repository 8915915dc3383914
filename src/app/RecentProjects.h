// The Project menu's list of recently used project files, most recent first. The window keeps
// it between sessions; the rules of the list (order, length, one entry per file, its captions)
// live here.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace stavelorn {

class RecentProjects {
 public:
  static constexpr std::size_t kLimit = 8;

  RecentProjects() = default;
  // A list as it was kept: empty entries and repeats of a file are dropped, and only the first
  // kLimit entries are kept.
  explicit RecentProjects(const std::vector<std::string>& paths);

  const std::vector<std::string>& Paths() const { return paths_; }
  bool Empty() const { return paths_.empty(); }

  // A project was opened or saved under `path`: it moves to the top. Relative names are made
  // absolute, so the list still finds the file after the working folder changed.
  void Add(const std::string& path);
  // Takes the file off the list (a file that no longer exists).
  void Remove(const std::string& path);

  // The menu caption of entry `index` (0-based): "&1 /path/to/file.str", with any '&' of the
  // path doubled so that it shows as written.
  std::string Caption(std::size_t index) const;

 private:
  std::vector<std::string> paths_;
};

}  // namespace stavelorn
