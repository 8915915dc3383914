#include "model/RunError.h"

namespace stavelorn {

std::string UnexpectedErrorText(const RunError& error) {
  return "Unexpected error # " + std::to_string(error.Number) + " occurred: \n\n" +
         error.Description;
}

}  // namespace stavelorn
