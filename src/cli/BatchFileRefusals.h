// What the batch tool says when a file of the user's cannot be read or written, in words that
// name the file as the user typed it, the reading of an answers file, and the guard that keeps a
// picture from replacing any file but an earlier picture.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "model/RunError.h"

namespace stavelorn {

// Why the project at `path` could not be read: it does not exist, cannot be opened or read, or
// holds what no project holds (the reader's own words for the fault, as the window shows them).
std::string ProjectReadRefusal(const std::string& path, const RunError& error);

// An answers file is a few kilobytes per student; anything far larger is not one.
inline constexpr std::uintmax_t kLargestAnswersFile = std::uintmax_t{64} << 20;

// The whole text of the answers file at `path` in `text`, or why it cannot be had (a folder, far
// too large, cannot be opened or read).
std::optional<std::string> ReadAnswersFile(const std::string& path, std::string& text);

// Why the picture at `path` would not be written there: something other than a picture this
// program wrote stands at that path (a folder, a project, any other file, or one it cannot
// read to tell), which is left as it is. Nothing when the path is free or holds such a picture.
std::optional<std::string> PicturePathRefusal(const std::string& path);

// Why the picture could not be written, the writer's error naming its path.
std::string PictureWriteRefusal(const RunError& error);

}  // namespace stavelorn
