// The packing side of the archives' LZSS (see platform/lzss.h for the
// stream's layout): greedy longest matches found through hash chains.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace packer {

// The packed stream of size bytes; LzssDecode with the same size gives them
// back. Empty for size 0.
std::vector<uint8_t> LzssEncode(const uint8_t* data, size_t size);

}  // namespace packer
