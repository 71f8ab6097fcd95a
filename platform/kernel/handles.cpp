// The process-wide handle table.
#include "platform/kernel/handles.h"

namespace velko::platform {

HandleTable& Handles() {
  static HandleTable& table = *new HandleTable;
  return table;
}

}  // namespace velko::platform
