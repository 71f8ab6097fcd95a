#include "platform/kernel/handles.h"

namespace velko::platform {

HandleTable& Handles() {
  static HandleTable table;
  return table;
}

}  // namespace velko::platform
