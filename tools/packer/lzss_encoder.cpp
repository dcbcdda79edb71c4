#include "packer/lzss_encoder.h"

#include <cstring>

#include "platform/lzss.h"

namespace packer {

namespace {

using lzss::kMaxMatch;
using lzss::kMinMatch;
using lzss::kRingSize;
using lzss::kRingStart;

constexpr uint32_t kHashBits = 15;
// Candidates looked at per position: enough for good packing of game data
// without making large files slow to pack.
constexpr int kMaxChain = 256;

uint32_t Hash(const uint8_t* p) {
    return ((p[0] << 10) ^ (p[1] << 5) ^ p[2]) & ((1u << kHashBits) - 1);
}

// Groups of a flag byte and up to eight items.
class CGroupWriter {
public:
    explicit CGroupWriter(std::vector<uint8_t>& out) : out_(out) {}

    void Literal(uint8_t byte) {
        uint8_t& flags = BeginItem();
        flags |= static_cast<uint8_t>(1u << item_++);
        out_.push_back(byte);
    }

    void Reference(uint32_t ringPosition, uint32_t length) {
        BeginItem();
        ++item_;
        out_.push_back(static_cast<uint8_t>(ringPosition));
        out_.push_back(static_cast<uint8_t>(((ringPosition >> 4) & 0xF0) | (length - kMinMatch)));
    }

private:
    uint8_t& BeginItem() {
        if (item_ == 8) {
            flagsAt_ = out_.size();
            out_.push_back(0);
            item_ = 0;
        }
        return out_[flagsAt_];
    }

    std::vector<uint8_t>& out_;
    size_t flagsAt_ = 0;
    unsigned item_ = 8;
};

}  // namespace

std::vector<uint8_t> LzssEncode(const uint8_t* data, size_t size) {
    std::vector<uint8_t> out;
    if (size == 0) return out;
    // The history starts as the decoder's ring does, with 4096 zero bytes, so
    // matches may reach back into them. History index j is ring position
    // (j + 4078) mod 4096.
    std::vector<uint8_t> history(kRingSize + size, 0);
    std::memcpy(history.data() + kRingSize, data, size);
    const size_t end = history.size();

    std::vector<int32_t> head(size_t{1} << kHashBits, -1);
    std::vector<int32_t> previous(kRingSize, -1);
    auto insert = [&](size_t position) {
        if (position + kMinMatch > end) return;
        uint32_t h = Hash(&history[position]);
        previous[position & (kRingSize - 1)] = head[h];
        head[h] = static_cast<int32_t>(position);
    };
    for (size_t j = 0; j < kRingSize; ++j) insert(j);

    CGroupWriter writer(out);
    size_t position = kRingSize;
    while (position < end) {
        size_t longest = end - position < kMaxMatch ? end - position : kMaxMatch;
        size_t bestLength = 0, bestFrom = 0;
        if (longest >= kMinMatch) {
            int32_t candidate = head[Hash(&history[position])];
            for (int chain = 0; chain < kMaxChain && candidate >= 0; ++chain) {
                size_t from = static_cast<size_t>(candidate);
                if (position - from > kRingSize) break;
                size_t length = 0;
                // A match may run into the bytes it produces itself.
                while (length < longest && history[from + length] == history[position + length]) {
                    ++length;
                }
                if (length > bestLength) {
                    bestLength = length;
                    bestFrom = from;
                    if (length == longest) break;
                }
                candidate = previous[from & (kRingSize - 1)];
            }
        }
        size_t advance = 1;
        if (bestLength >= kMinMatch) {
            writer.Reference(static_cast<uint32_t>((bestFrom + kRingStart) & (kRingSize - 1)),
                             static_cast<uint32_t>(bestLength));
            advance = bestLength;
        } else {
            writer.Literal(history[position]);
        }
        for (size_t k = 0; k < advance; ++k) insert(position + k);
        position += advance;
    }
    return out;
}

}  // namespace packer
