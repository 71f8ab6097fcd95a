// Writes a compiled module as a C++ source of constexpr tables of the
// structs in ui/resources/resource_data.h.
#pragma once

#include <string>

#include "tools/gen/resources/description.h"

namespace velko::resgen {

struct EmitOptions {
  std::string source_name;  // the description, named in the file's opening comment
  std::string header;       // include path of the header declaring `function`
  std::string function;     // e.g. "VelkoUiResources", in namespace velko::res
};

std::string EmitCpp(const Module& m, const EmitOptions& options);

}  // namespace velko::resgen
