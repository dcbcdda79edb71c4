// "UserData/Table_Save.dat": the slot table of the load and save screens,
// a loose file of 249 bytes: the magic and its 0x00, then the 60 table words
// (u32 little-endian, unaligned from offset 9), scrambled so that a change in
// one word changes every stored word after it.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "screens/slot_table.h"

// What the screens set: the file's name, its magic and the scrambler's two
// key words.
struct SlotTableFile {
    std::string name;
    std::string magic;
    uint32_t firstKey;
    uint32_t secondKey;
};

// The values both screens use.
SlotTableFile SaveSlotTableFile();

// The whole words of bytes from offset on, in place, with the state k
// starting at the first key: writing stores plain XOR k, reading gives
// plain = stored XOR k; either way k then advances by rotr32(plain, 13) XOR
// the second key, so the state always follows the plain words.
void ScrambleTableWords(std::vector<uint8_t>& bytes, size_t offset, uint32_t firstKey, uint32_t secondKey,
                        bool writing);

// Fills the table from the file; false, with the table untouched, when the
// file is missing, shorter than the magic, its 0x00 and 60 words, or of
// another magic: such a file counts as missing. Values that no place may
// hold are dropped (DropInvalidEntries).
bool ReadTable(const SlotTableFile& file, SlotTable& table);
// Writes the table as the whole file: written whole or not at all; a file
// that cannot be written is the data-file layer's fatal "FileI/O Error".
void WriteTable(const SlotTableFile& file, const SlotTable& table);

// What a screen does with the file when it opens: the table all empty, read
// from the file, kept as the copy, then completed (the screen's own
// completion); when the file could not be read it is written at once and
// the copy follows.
void OpenSlotTable(const SlotTableFile& file, SlotTable& table, SlotTable& copy,
                   const std::function<void()>& complete);
