#include "platform/save_scrambler.h"

namespace {

uint32_t AdvancePlay(uint32_t k, uint8_t b, uint32_t step) {
    return ((k << 16) | (k >> 16)) + b - step;
}

uint32_t AdvanceSystem(uint32_t k, uint8_t b, uint32_t step) {
    const uint32_t swapped = ((k & 0x00FF00FFu) << 8) | ((k >> 8) & 0x00FF00FFu);
    return swapped + b + step;
}

// One forward pass from key k; returns the key after the last byte.
uint32_t ScramblePass(uint8_t* bytes, size_t count, uint32_t k, const SaveKeyRule& rule) {
    for (size_t i = 0; i < count; ++i) {
        const uint8_t plain = bytes[i];
        bytes[i] = plain ^ (k & 0xFF);
        k = rule.advance(k, plain, rule.step);
    }
    return k;
}

void UnscramblePass(uint8_t* bytes, size_t count, uint32_t k, const SaveKeyRule& rule) {
    for (size_t i = 0; i < count; ++i) {
        const uint8_t plain = bytes[i] ^ (k & 0xFF);
        bytes[i] = plain;
        k = rule.advance(k, plain, rule.step);
    }
}

}  // namespace

const SaveKeyRule kPlayDataKeyRule = {0x6B3D92A4u, 0x02C4E71Bu, AdvancePlay};
const SaveKeyRule kSystemDataKeyRule = {0x4E81D3C6u, 0x13A7F05Du, AdvanceSystem};

uint32_t ScrambleSaveBytes(uint8_t* bytes, size_t count, const SaveKeyRule& rule) {
    const uint32_t keyWord = ScramblePass(bytes, count, rule.seed, rule);
    ScramblePass(bytes, count, keyWord, rule);
    return keyWord;
}

void UnscrambleSaveBytes(uint8_t* bytes, size_t count, uint32_t keyWord, const SaveKeyRule& rule) {
    UnscramblePass(bytes, count, keyWord, rule);
    UnscramblePass(bytes, count, rule.seed, rule);
}
