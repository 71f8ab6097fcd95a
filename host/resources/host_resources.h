// The 16-bit driver's own resources: the templates of the property sheet's
// four pages (main, color, options, version), with the controls that the
// page procedures address by id. Generated at build time from
// velko_host.res.json.
#pragma once

#include "ui/resources/resource_data.h"

namespace velko::res {

// Template ids of the four pages; they match the pages' PageId.
inline constexpr int kMainPageTemplate = 1001;
inline constexpr int kColorPageTemplate = 1002;
inline constexpr int kOptionsPageTemplate = 1003;
inline constexpr int kVersionPageTemplate = 1004;

const ResModule& HostResources();

}  // namespace velko::res
