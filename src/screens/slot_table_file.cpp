#include "screens/slot_table_file.h"

#include "platform/byte_buffer.h"

namespace {

constexpr uint32_t kRotation = 13;

uint32_t RotateRight(uint32_t x, uint32_t bits) { return (x >> bits) | (x << (32 - bits)); }

uint32_t WordAt(const std::vector<uint8_t>& bytes, size_t at) {
    return bytes[at] | (bytes[at + 1] << 8) | (bytes[at + 2] << 16) | (static_cast<uint32_t>(bytes[at + 3]) << 24);
}

void PutWord(std::vector<uint8_t>& bytes, size_t at, uint32_t word) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<uint8_t>(word >> (8 * i));
}

}  // namespace

SlotTableFile SaveSlotTableFile() { return {"UserData/Table_Save.dat", "MirlT001", 0x7C2E5B19u, 0xA93F0D64u}; }

void ScrambleTableWords(std::vector<uint8_t>& bytes, size_t offset, uint32_t firstKey, uint32_t secondKey,
                        bool writing) {
    if (offset > bytes.size()) return;
    const size_t words = (bytes.size() - offset) / 4;
    uint32_t k = firstKey;
    for (size_t i = 0; i < words; ++i) {
        const size_t at = offset + i * 4;
        const uint32_t word = WordAt(bytes, at);
        const uint32_t plain = writing ? word : word ^ k;
        PutWord(bytes, at, word ^ k);
        k += RotateRight(plain, kRotation) ^ secondKey;
    }
}

bool ReadTable(const SlotTableFile& file, SlotTable& table) {
    CByteBuffer buffer;
    if (buffer.LoadFromFile(file.name, true) != 0) return false;
    const size_t wordsAt = file.magic.size() + 1;
    if (buffer.Bytes().size() < wordsAt + 4 * kSlotTableSize) return false;
    std::string magic;
    buffer.SetMode(CByteBuffer::kRead);
    buffer.SerializeString(magic);
    if (buffer.Overrun() || magic != file.magic) return false;
    ScrambleTableWords(buffer.Bytes(), wordsAt, file.firstKey, file.secondKey, false);
    SlotTable read;
    for (int32_t& value : read) buffer.SerializeInt32(value);
    DropInvalidEntries(read);
    table = read;
    return true;
}

void WriteTable(const SlotTableFile& file, const SlotTable& table) {
    CByteBuffer buffer;
    buffer.SetMode(CByteBuffer::kWrite);
    std::string magic = file.magic;
    buffer.SerializeString(magic);
    for (int32_t value : table) buffer.SerializeInt32(value);
    ScrambleTableWords(buffer.Bytes(), magic.size() + 1, file.firstKey, file.secondKey, true);
    buffer.SaveToFile(file.name);
}

void OpenSlotTable(const SlotTableFile& file, SlotTable& table, SlotTable& copy,
                   const std::function<void()>& complete) {
    table = EmptySlotTable();
    const bool read = ReadTable(file, table);
    copy = table;
    complete();
    if (!read) {
        WriteTable(file, table);
        copy = table;
    }
}
