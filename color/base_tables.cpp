// Choice of the base table by base color id; ids 2 and 4 share one table and
// an id outside 1..4 falls back to the normal table.
#include "color/base_table_data.h"
#include "color/color_table.h"

namespace velko::color {

TableView BaseTable(int32_t baseColor) {
  switch (baseColor) {
    case 2:
    case 4:
      return TableView(kBaseTableDocument);
    case 3:
      return TableView(kBaseTablePhoto);
    default:
      return TableView(kBaseTableNormal);
  }
}

}  // namespace velko::color
