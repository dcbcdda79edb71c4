#include "media/avi_file_check.h"

#include <cstdio>
#include <cstring>

#include "media/avi_picture_format.h"
#include "platform/file_handles.h"

namespace {

constexpr uint32_t kRiff = AviFourCc("RIFF");
constexpr uint32_t kList = AviFourCc("LIST");
constexpr uint32_t kAviForm = AviFourCc("AVI ");
constexpr uint32_t kHeaderList = AviFourCc("hdrl");
constexpr uint32_t kMainHeader = AviFourCc("avih");
constexpr uint32_t kStreamList = AviFourCc("strl");
constexpr uint32_t kStreamHeader = AviFourCc("strh");
constexpr uint32_t kStreamFormat = AviFourCc("strf");
constexpr uint32_t kMovieList = AviFourCc("movi");
constexpr uint32_t kIndex = AviFourCc("idx1");
constexpr uint32_t kRecord = AviFourCc("rec ");
constexpr uint32_t kSound = AviFourCc("auds");
constexpr uint32_t kPicture = AviFourCc("vids");

constexpr uint32_t kMainHeaderBytes = 56;
// The stream header up to and with its sample size.
constexpr uint32_t kStreamHeaderBytes = 48;
constexpr uint32_t kBitmapHeaderBytes = 40;
// A sound format up to and with its bits per sample.
constexpr uint32_t kSoundFormatBytes = 16;
constexpr uint32_t kIndexEntryBytes = 16;
// Index entries of this stream number are padding, not stream data.
constexpr uint32_t kPaddingStream = 0x7F;
constexpr uint32_t kLargestSample = 0x7FFFFFFF;

constexpr uint16_t kMsAdpcm = 0x0002;
constexpr uint16_t kImaAdpcm = 0x0011;

uint16_t Get16(const uint8_t* at) { return uint16_t(at[0] | at[1] << 8); }
uint32_t Get32(const uint8_t* at) { return Get16(at) | uint32_t(Get16(at + 2)) << 16; }

struct Chunk {
    uint64_t at = 0;    // where its header starts
    uint32_t id = 0;
    uint32_t size = 0;  // of its data
    uint32_t listType = 0;
    uint64_t DataStart() const { return at + 8; }
    uint64_t End() const { return at + 8 + size; }
};

class CAviReader {
public:
    explicit CAviReader(const std::string& path) : file_(std::fopen(path.c_str(), "rb")) {
        if (file_ && _fseeki64(file_.get(), 0, SEEK_END) == 0) size_ = static_cast<uint64_t>(_ftelli64(file_.get()));
    }

    uint64_t Size() const { return size_; }

    bool Read(uint64_t at, void* dst, size_t bytes) {
        return file_ && at + bytes <= size_ && _fseeki64(file_.get(), static_cast<int64_t>(at), SEEK_SET) == 0 &&
               std::fread(dst, 1, bytes, file_.get()) == bytes;
    }

    bool ReadChunk(uint64_t at, Chunk* chunk) {
        uint8_t bytes[12];
        if (!Read(at, bytes, 8)) return false;
        chunk->at = at;
        chunk->id = Get32(bytes);
        chunk->size = Get32(bytes + 4);
        chunk->listType = 0;
        if (chunk->id == kRiff || chunk->id == kList) {
            if (chunk->size < 4 || !Read(at + 8, bytes + 8, 4)) return false;
            chunk->listType = Get32(bytes + 8);
        }
        return chunk->End() <= size_;
    }

    // The chunks of a list, each inside it; false when one is not.
    bool ReadList(const Chunk& list, std::vector<Chunk>* chunks) {
        chunks->clear();
        uint64_t end = list.End();
        for (uint64_t at = list.DataStart() + 4; at + 8 <= end;) {
            Chunk chunk;
            if (!ReadChunk(at, &chunk) || chunk.End() > end) return false;
            chunks->push_back(chunk);
            at = chunk.End() + (chunk.size & 1);
        }
        return true;
    }

    bool ReadData(const Chunk& chunk, std::vector<uint8_t>* data) {
        data->resize(chunk.size);
        return Read(chunk.DataStart(), data->data(), chunk.size);
    }

private:
    StdioFile file_;
    uint64_t size_ = 0;
};

// Every chunk of every list down to the given depth lies inside its list.
bool ListsNest(CAviReader& reader, const Chunk& list, int depth) {
    std::vector<Chunk> chunks;
    if (!reader.ReadList(list, &chunks)) return false;
    for (const Chunk& chunk : chunks)
        if (chunk.listType && depth > 0 && !ListsNest(reader, chunk, depth - 1)) return false;
    return true;
}

const Chunk* FindChunk(const std::vector<Chunk>& chunks, uint32_t id, uint32_t listType = 0) {
    for (const Chunk& chunk : chunks)
        if (chunk.id == id && chunk.listType == listType) return &chunk;
    return nullptr;
}

// The ADPCM codecs size their work from the samples per block and trust it
// to match the block size and channels.
bool IsConsistentSoundFormat(const std::vector<uint8_t>& format) {
    if (format.size() < kSoundFormatBytes) return false;
    const uint8_t* f = format.data();
    uint16_t tag = Get16(f);
    uint32_t channels = Get16(f + 2);
    uint32_t rate = Get32(f + 4);
    uint32_t blockAlign = Get16(f + 12);
    uint32_t bits = Get16(f + 14);
    if (channels == 0 || rate == 0 || blockAlign == 0) return false;
    if (tag != kMsAdpcm && tag != kImaAdpcm) return true;
    if (channels > 2 || bits != 4 || format.size() < 20) return false;
    uint32_t extra = Get16(f + 16);
    uint32_t samplesPerBlock = Get16(f + 18);
    if (extra < 2 || format.size() < 18 + extra) return false;
    if (tag == kImaAdpcm) {
        // A 4-byte header per channel, then groups of 8 samples (4 bytes) per
        // channel.
        uint32_t header = 4 * channels;
        return blockAlign > header && (blockAlign - header) % (4 * channels) == 0 &&
               samplesPerBlock == (blockAlign - header) * 2 / channels + 1;
    }
    // A 7-byte header per channel holding two samples, then 4-bit samples;
    // the coefficient table follows the samples per block.
    uint32_t header = 7 * channels;
    if (blockAlign < header || extra < 4 || samplesPerBlock != (blockAlign - header) * 2 / channels + 2) return false;
    uint32_t coefficients = Get16(f + 20);
    return coefficients >= 7 && extra >= 4 + 4 * coefficients;
}

bool ReadStreamList(CAviReader& reader, const Chunk& list, AviStreamLayout* stream) {
    std::vector<Chunk> chunks;
    if (!reader.ReadList(list, &chunks)) return false;
    const Chunk* header = FindChunk(chunks, kStreamHeader);
    const Chunk* format = FindChunk(chunks, kStreamFormat);
    std::vector<uint8_t> values;
    if (!header || header->size < kStreamHeaderBytes || !reader.ReadData(*header, &values)) return false;
    if (!format || !reader.ReadData(*format, &stream->format)) return false;
    stream->type = Get32(values.data());
    stream->start = Get32(values.data() + 28);
    stream->length = Get32(values.data() + 32);
    stream->sampleSize = Get32(values.data() + 44);
    if (stream->start > kLargestSample || stream->length > kLargestSample - stream->start) return false;
    if (stream->type == kSound) {
        if (!IsConsistentSoundFormat(stream->format)) return false;
        // A sound stream's samples are its blocks, whatever its header says.
        stream->sampleSize = Get16(stream->format.data() + 12);
    }
    return stream->type != kPicture || stream->format.size() >= kBitmapHeaderBytes;
}

// The stream number of an index entry's chunk id ("01wb" is stream 1), as
// AVIFile reads it.
uint32_t StreamOf(uint32_t id) {
    auto digit = [](uint32_t c) { return c >= 'A' ? c - 'A' + 10 : c - '0'; };
    return (digit(id & 0xFF) << 4 | digit(id >> 8 & 0xFF)) & 0xFFFF;
}

bool IsStreamDigit(uint32_t c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'); }

// Each entry names a stream of the file and a chunk of movi with that id and
// size. Offsets count from the "movi" code, unless every one so far lies past
// it: then they count from the file's start.
bool ReadIndex(CAviReader& reader, const Chunk& movie, const Chunk& index, AviLayout* layout) {
    std::vector<uint8_t> entries;
    if (index.size < kIndexEntryBytes || !reader.ReadData(index, &entries)) return false;
    uint64_t moviCode = movie.DataStart();
    uint64_t dataStart = moviCode + 4;
    uint64_t dataEnd = movie.End();
    // As AVIFile does, the first entry is taken as the first chunk of movi.
    uint32_t base = static_cast<uint32_t>(moviCode) - Get32(entries.data() + 8) + 4;
    bool absolute = true;
    for (size_t at = 0; at + kIndexEntryBytes <= entries.size(); at += kIndexEntryBytes) {
        const uint8_t* entry = entries.data() + at;
        uint32_t id = Get32(entry);
        uint32_t stream = StreamOf(id);
        if (id == kRecord || stream == kPaddingStream) continue;
        if (!IsStreamDigit(id & 0xFF) || !IsStreamDigit(id >> 8 & 0xFF) || stream >= layout->streams.size()) return false;
        uint32_t offset = Get32(entry + 8);
        uint32_t size = Get32(entry + 12);
        if (absolute && offset < moviCode) absolute = false;
        uint64_t position = absolute ? offset : uint32_t(offset + base);
        Chunk chunk;
        if (position < dataStart || !reader.ReadChunk(position, &chunk) || chunk.End() > dataEnd ||
            chunk.id != id || chunk.size != size)
            return false;
        layout->streams[stream].chunks.push_back({static_cast<uint32_t>(chunk.DataStart()), size});
    }
    return true;
}

// The index holds every sample the stream's header claims.
bool IndexHoldsStream(const AviStreamLayout& stream) {
    if (stream.sampleSize == 0) return uint64_t(stream.start) + stream.length <= stream.chunks.size();
    uint64_t bytes = 0;
    for (const AviChunk& chunk : stream.chunks) bytes += chunk.size;
    return uint64_t(stream.length) * stream.sampleSize <= bytes;
}

}  // namespace

bool ReadAviLayout(const std::string& path, AviLayout* layout) {
    layout->streams.clear();
    CAviReader reader(path);
    Chunk riff;
    if (!reader.ReadChunk(0, &riff) || riff.id != kRiff || riff.listType != kAviForm) return false;
    // RIFF, its lists (hdrl, movi, ...) and what they hold: the stream lists
    // and the movi chunks.
    if (!ListsNest(reader, riff, 2)) return false;
    std::vector<Chunk> top;
    reader.ReadList(riff, &top);
    const Chunk* headers = FindChunk(top, kList, kHeaderList);
    const Chunk* movie = FindChunk(top, kList, kMovieList);
    const Chunk* index = FindChunk(top, kIndex);
    if (!headers || !movie || !index || movie->at < headers->at || index->at < movie->at) return false;

    std::vector<Chunk> headerChunks;
    reader.ReadList(*headers, &headerChunks);
    const Chunk* mainHeader = FindChunk(headerChunks, kMainHeader);
    std::vector<uint8_t> values;
    if (!mainHeader || mainHeader->size != kMainHeaderBytes || !reader.ReadData(*mainHeader, &values)) return false;
    uint32_t streams = Get32(values.data() + 24);
    layout->size = {Get32(values.data() + 32), Get32(values.data() + 36)};
    // AVIFile takes the chunks that follow the main header as the stream
    // lists, one per stream the main header counts.
    size_t first = static_cast<size_t>(mainHeader - headerChunks.data()) + 1;
    if (streams == 0 || streams > headerChunks.size() - first) return false;
    layout->streams.resize(streams);
    for (uint32_t n = 0; n < streams; ++n) {
        const Chunk& list = headerChunks[first + n];
        if (list.id != kList || list.listType != kStreamList || !ReadStreamList(reader, list, &layout->streams[n]))
            return false;
    }
    if (!ReadIndex(reader, *movie, *index, layout)) return false;
    for (const AviStreamLayout& stream : layout->streams)
        if (!IndexHoldsStream(stream)) return false;
    return true;
}

bool IsWholeAviFile(const std::string& path) {
    AviLayout layout;
    if (!ReadAviLayout(path, &layout)) return false;
    for (const AviStreamLayout& stream : layout.streams)
        if (stream.type == kPicture && !IsShowablePicture(path, stream, layout.size)) return false;
    return true;
}
