// The two-pass scrambler of the save files. Each byte is XORed with the low
// byte of a running key that then advances by the byte's plain value; a
// second pass continues with the key where the first ended. The key after the
// first pass is the file's key word, which unscrambling needs.
#pragma once

#include <cstddef>
#include <cstdint>

struct SaveKeyRule {
    uint32_t seed;
    uint32_t step;
    // The next key from the current key and a plain byte.
    uint32_t (*advance)(uint32_t key, uint8_t plain, uint32_t step);
};

// Play data: k = (k rotated left by 16) + b - step.
extern const SaveKeyRule kPlayDataKeyRule;
// System data: k = (k with the bytes of each 16-bit half swapped) + b + step.
extern const SaveKeyRule kSystemDataKeyRule;

// Scrambles in place; returns the key word to append.
uint32_t ScrambleSaveBytes(uint8_t* bytes, size_t count, const SaveKeyRule& rule);
// Restores bytes scrambled with the rule and the key word.
void UnscrambleSaveBytes(uint8_t* bytes, size_t count, uint32_t keyWord, const SaveKeyRule& rule);
