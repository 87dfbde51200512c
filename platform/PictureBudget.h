// The one pixel budget of every picture reader, the framework's own and the platform's
// loaders alike: no loaded picture keeps more pixel bytes than this, and a file that claims
// more is refused before anything of that size is allocated. 4096 x 4096 at 4 bytes.
#pragma once

#include <cstddef>

constexpr std::size_t kMaxPictureBytes = std::size_t(1) << 26;
