// VelkoUI's own resources: the dialog templates 2402 to 2409, the string
// table, the banners, strips, swatch, density bars, watermark previews and the
// icons of the pages and dialogs. The data is generated at build time from
// velko_ui.res.json.
#pragma once

#include "ui/resources/resource_data.h"

namespace velko::res {

const ResModule& VelkoUiResources();

}  // namespace velko::res
