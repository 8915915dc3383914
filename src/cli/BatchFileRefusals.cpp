#include "cli/BatchFileRefusals.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include "graphics/SvgPicture.h"

namespace stavelorn {

namespace {

// The part of a file that tells whether it is a picture of this program's.
constexpr std::size_t kPictureHeadBytes = 64 << 10;

std::string Quoted(const std::string& path) {
  return "\"" + path + "\"";
}

}  // namespace

std::optional<std::string> ReadAnswersFile(const std::string& path, std::string& text) {
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) return Quoted(path) + " is a folder";
  const std::uintmax_t size = std::filesystem::file_size(path, ec);
  if (!ec && size > kLargestAnswersFile) return Quoted(path) + " is far too large";
  std::ifstream in(path, std::ios::binary);
  if (!in) return "cannot open " + Quoted(path);
  std::ostringstream contents;
  contents << in.rdbuf();
  if (in.bad()) return "cannot read " + Quoted(path);
  text = contents.str();
  return std::nullopt;
}

std::string ProjectReadRefusal(const std::string& path, const RunError& error) {
  if (error.InFile)
    return Quoted(path) + " is not a project this program can read: " + error.Description;
  if (error.Number == kErrFileNotFound) return "the project " + Quoted(path) + " does not exist";
  return error.Description;
}

std::optional<std::string> PicturePathRefusal(const std::string& path) {
  std::error_code ec;
  const std::filesystem::file_status status = std::filesystem::status(path, ec);
  if (!std::filesystem::exists(status)) return std::nullopt;
  const std::string kept = ", so it is left as it is; name another picture or remove it";
  if (std::filesystem::is_directory(status)) return Quoted(path) + " is a folder" + kept;
  std::ifstream in(path, std::ios::binary);
  std::string head(kPictureHeadBytes, '\0');
  in.read(head.data(), static_cast<std::streamsize>(head.size()));
  if (in.bad() || (!in && !in.eof()))
    return "cannot read " + Quoted(path) + " to tell whether it is a picture this program wrote" +
           kept;
  head.resize(static_cast<std::size_t>(in.gcount()));
  if (IsPictureOfThisProgram(head)) return std::nullopt;
  return Quoted(path) + " is not a picture this program wrote" + kept;
}

std::string PictureWriteRefusal(const RunError& error) {
  return "the picture was not written: " + error.Description;
}

}  // namespace stavelorn
