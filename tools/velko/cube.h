// The color table as a standard .cube 3D LUT, so any image tool can apply
// what the printer would do to a picture.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace velko::cli {

// LUT_3D_SIZE 17 with red varying fastest, as the format requires. Our grid
// point 16 stands for input 256, one step past the byte range, so the domain
// runs to 256/255 and the file's grid lands exactly on ours.
std::string ColorTableToCube(std::span<const uint8_t, 14739> table, const std::string& title);

}  // namespace velko::cli
