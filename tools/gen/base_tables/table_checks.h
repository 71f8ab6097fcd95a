// What every generated base table must satisfy before it is written.
#pragma once

#include <string>
#include <vector>

#include "base_table_builder.h"

namespace velko::gen {

// One message per violated property; empty when the table is sound.
std::vector<std::string> CheckBaseTable(TableId table, const BaseTableBytes& bytes);

// Largest step between neighbouring nodes of one channel, for the log.
int LargestNeighbourStep(const BaseTableBytes& bytes);

}  // namespace velko::gen
