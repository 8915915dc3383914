// The whole of a file, byte for byte, for the tests that compare a file with what the program
// writes.
#pragma once

#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>

namespace stavelorn {

inline std::string ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace stavelorn
