#include "app/RecentProjects.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace stavelorn {

namespace {

// One spelling per file: "a/./b.str" and "a/b.str" are the same entry.
std::string Normal(const std::string& path) {
  std::error_code error;
  std::filesystem::path absolute = std::filesystem::absolute(path, error);
  if (error) absolute = path;
  return absolute.lexically_normal().string();
}

}  // namespace

RecentProjects::RecentProjects(const std::vector<std::string>& paths) {
  for (const std::string& path : paths) {
    if (path.empty() || paths_.size() == kLimit) continue;
    const std::string normal = Normal(path);
    if (std::find(paths_.begin(), paths_.end(), normal) == paths_.end()) paths_.push_back(normal);
  }
}

void RecentProjects::Add(const std::string& path) {
  if (path.empty()) return;
  Remove(path);
  paths_.insert(paths_.begin(), Normal(path));
  if (paths_.size() > kLimit) paths_.resize(kLimit);
}

void RecentProjects::Remove(const std::string& path) {
  paths_.erase(std::remove(paths_.begin(), paths_.end(), Normal(path)), paths_.end());
}

std::string RecentProjects::Caption(std::size_t index) const {
  std::string caption = "&" + std::to_string(index + 1) + " ";
  for (char c : paths_.at(index)) {
    if (c == '&') caption += '&';
    caption += c;
  }
  return caption;
}

}  // namespace stavelorn
