// The "Make Variants" dialog's fields: how many variants, the seed they are drawn from and the
// folder they go into, read into the choice the batch tool's --variants makes, or refused saying
// which field is wrong.
#pragma once

#include <string>
#include <variant>

#include "reports/ClassVariants.h"

namespace stavelorn {

std::variant<VariantsChoice, std::string> ReadVariantsForm(int count, const std::string& seed,
                                                           const std::string& folder);

}  // namespace stavelorn
