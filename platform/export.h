// Marks the entry points a module offers by name; everything else in a module
// is compiled hidden.
#pragma once

#define VELKO_EXPORT extern "C" __attribute__((visibility("default")))
