#include "media/avi_file_check.h"

#include <cstdio>
#include <cstring>

#include "media/avi_picture_format.h"
#include "platform/file_handles.h"

namespace {

constexpr uint32_t kRiff = AviFourCc("RIFF");
constexpr uint32_t kList = AviFourCc("LIST");
constexpr uint32_t kAviForm = AviFourCc("AVI ");
constexpr uint32_t kExtensionForm = AviFourCc("AVIX");
constexpr uint32_t kHeaderList = AviFourCc("hdrl");
constexpr uint32_t kMainHeader = AviFourCc("avih");
constexpr uint32_t kStreamList = AviFourCc("strl");
constexpr uint32_t kStreamHeader = AviFourCc("strh");
constexpr uint32_t kStreamFormat = AviFourCc("strf");
constexpr uint32_t kMovieList = AviFourCc("movi");
constexpr uint32_t kIndex = AviFourCc("idx1");
constexpr uint32_t kSuperIndex = AviFourCc("indx");
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
// Both OpenDML index kinds: 16-bit longs per entry, sub-type, type, entries
// in use, chunk id, then 12 bytes of their own.
constexpr uint32_t kOpenDmlHeaderBytes = 24;
constexpr uint8_t kIndexOfIndexes = 0;
constexpr uint8_t kIndexOfChunks = 1;
constexpr uint32_t kSuperEntryBytes = 16;
constexpr uint32_t kStandardEntryBytes = 8;
// The top bit of a standard index entry's size marks a frame that is not a
// key frame.
constexpr uint32_t kNotKeyFrame = 0x80000000;

// The rates a sound can be played at; DirectShow's sound path waits for ever
// on a stream whose rate is far beyond them.
constexpr uint32_t kLowestRate = 100;
constexpr uint32_t kHighestRate = 200000;

constexpr uint16_t kMsAdpcm = 0x0002;
constexpr uint16_t kImaAdpcm = 0x0011;

uint16_t Get16(const uint8_t* at) { return uint16_t(at[0] | at[1] << 8); }
uint32_t Get32(const uint8_t* at) { return Get16(at) | uint32_t(Get16(at + 2)) << 16; }
uint64_t Get64(const uint8_t* at) { return Get32(at) | uint64_t(Get32(at + 4)) << 32; }

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
        return file_ && at <= size_ && bytes <= size_ - at &&
               _fseeki64(file_.get(), static_cast<int64_t>(at), SEEK_SET) == 0 &&
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
    if (channels == 0 || rate < kLowestRate || rate > kHighestRate || blockAlign == 0) return false;
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

// The stream's header values and format; superIndex is the stream's OpenDML
// index of indexes, or has id 0 when the stream has none.
bool ReadStreamList(CAviReader& reader, const Chunk& list, AviStreamLayout* stream, Chunk* superIndex) {
    std::vector<Chunk> chunks;
    if (!reader.ReadList(list, &chunks)) return false;
    const Chunk* header = FindChunk(chunks, kStreamHeader);
    const Chunk* format = FindChunk(chunks, kStreamFormat);
    const Chunk* index = FindChunk(chunks, kSuperIndex);
    *superIndex = index ? *index : Chunk();
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
        // A sound stream's samples are its blocks, whatever size its header
        // gives them; a size of 0 makes each chunk one sample, of whatever
        // size it has (blocks that vary, as MP3's do).
        if (stream->sampleSize != 0) stream->sampleSize = Get16(stream->format.data() + 12);
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

bool IsStreamChunkId(uint32_t id) { return IsStreamDigit(id & 0xFF) && IsStreamDigit(id >> 8 & 0xFF); }

// Each entry names a stream of the file and a chunk of movi with that id and
// size. Offsets count from the "movi" code, unless every one so far lies past
// it: then they count from the file's start.
bool ReadIndex(CAviReader& reader, const Chunk& movie, const Chunk& index,
               std::vector<std::vector<AviChunk>>* streams) {
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
        if (!IsStreamChunkId(id) || stream >= streams->size()) return false;
        uint32_t offset = Get32(entry + 8);
        uint32_t size = Get32(entry + 12);
        if (absolute && offset < moviCode) absolute = false;
        uint64_t position = absolute ? offset : uint32_t(offset + base);
        Chunk chunk;
        if (position < dataStart || !reader.ReadChunk(position, &chunk) || chunk.End() > dataEnd ||
            chunk.id != id || chunk.size != size)
            return false;
        (*streams)[stream].push_back({chunk.DataStart(), size});
    }
    return true;
}

// The movi lists of the further parts ("RIFF AVIX") that follow the first;
// whatever else follows the parts is not read.
bool ReadFurtherParts(CAviReader& reader, const Chunk& first, std::vector<Chunk>* movies) {
    for (uint64_t at = first.End() + (first.size & 1); at < reader.Size();) {
        Chunk part;
        bool whole = reader.ReadChunk(at, &part);
        if (part.id != kRiff || part.listType != kExtensionForm) return true;
        std::vector<Chunk> chunks;
        if (!whole || !ListsNest(reader, part, 1) || !reader.ReadList(part, &chunks)) return false;
        const Chunk* movie = FindChunk(chunks, kList, kMovieList);
        if (!movie) return false;
        movies->push_back(*movie);
        at = part.End() + (part.size & 1);
    }
    return true;
}

// A chunk of the stream, its header at `at`, wholly inside the data of one
// of the movi lists.
bool ReadMovieChunk(CAviReader& reader, const std::vector<Chunk>& movies, uint64_t at, uint32_t stream, Chunk* chunk) {
    if (!reader.ReadChunk(at, chunk) || !IsStreamChunkId(chunk->id) || StreamOf(chunk->id) != stream) return false;
    for (const Chunk& movie : movies)
        if (at >= movie.DataStart() + 4 && chunk->End() <= movie.End()) return true;
    return false;
}

// The stream's chunks as its OpenDML indexes list them: the index of indexes
// names one standard index per part, and each entry of those the data of a
// chunk of the stream, as an offset from the standard index's base.
bool ReadOpenDmlIndex(CAviReader& reader, const Chunk& superIndex, uint32_t stream, const std::vector<Chunk>& movies,
                      std::vector<AviChunk>* chunks) {
    std::vector<uint8_t> super;
    if (superIndex.size < kOpenDmlHeaderBytes || !reader.ReadData(superIndex, &super)) return false;
    uint32_t parts = Get32(&super[4]);
    if (Get16(&super[0]) != kSuperEntryBytes / 4 || super[3] != kIndexOfIndexes || parts == 0 ||
        parts > (super.size() - kOpenDmlHeaderBytes) / kSuperEntryBytes)
        return false;
    for (uint32_t part = 0; part < parts; ++part) {
        Chunk index;
        std::vector<uint8_t> entries;
        if (!reader.ReadChunk(Get64(&super[kOpenDmlHeaderBytes + part * kSuperEntryBytes]), &index) ||
            index.listType || index.size < kOpenDmlHeaderBytes || !reader.ReadData(index, &entries))
            return false;
        uint32_t count = Get32(&entries[4]);
        uint32_t id = Get32(&entries[8]);
        uint64_t base = Get64(&entries[12]);
        // Field indexes (sub-type 1) hold three longs per entry; they are not
        // read, so refused.
        if (Get16(&entries[0]) != kStandardEntryBytes / 4 || entries[2] != 0 || entries[3] != kIndexOfChunks ||
            !IsStreamChunkId(id) || StreamOf(id) != stream ||
            count > (entries.size() - kOpenDmlHeaderBytes) / kStandardEntryBytes)
            return false;
        for (uint32_t n = 0; n < count; ++n) {
            const uint8_t* entry = &entries[kOpenDmlHeaderBytes + n * kStandardEntryBytes];
            uint64_t data = base + Get32(entry);
            uint32_t size = Get32(entry + 4) & ~kNotKeyFrame;
            Chunk chunk;
            if (data < base || data < 8 || !ReadMovieChunk(reader, movies, data - 8, stream, &chunk) ||
                chunk.size != size)
                return false;
            chunks->push_back({chunk.DataStart(), size});
        }
    }
    return true;
}

// The chunks hold every sample the stream's header claims.
bool IndexHoldsStream(const AviStreamLayout& stream, const std::vector<AviChunk>& chunks) {
    if (stream.sampleSize == 0) return uint64_t(stream.start) + stream.length <= chunks.size();
    uint64_t bytes = 0;
    for (const AviChunk& chunk : chunks) bytes += chunk.size;
    return uint64_t(stream.length) * stream.sampleSize <= bytes;
}

}  // namespace

bool ReadAviLayout(const std::string& path, AviLayout* layout) {
    layout->streams.clear();
    layout->firstIndexHoldsAll = false;
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
    if (!headers || !movie || movie->at < headers->at || (index && index->at < movie->at)) return false;

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
    std::vector<Chunk> superIndexes(streams);
    for (uint32_t n = 0; n < streams; ++n) {
        const Chunk& list = headerChunks[first + n];
        if (list.id != kList || list.listType != kStreamList ||
            !ReadStreamList(reader, list, &layout->streams[n], &superIndexes[n]))
            return false;
    }
    // The first part's index is checked wherever it is present, as AVIFile
    // reads it even when the OpenDML indexes are there.
    std::vector<std::vector<AviChunk>> firstIndex(streams);
    if (index && !ReadIndex(reader, *movie, *index, &firstIndex)) return false;
    uint32_t withOpenDmlIndex = 0;
    for (const Chunk& superIndex : superIndexes)
        if (superIndex.id != 0) ++withOpenDmlIndex;
    if (withOpenDmlIndex == 0) {
        if (!index) return false;
        for (uint32_t n = 0; n < streams; ++n) layout->streams[n].chunks = firstIndex[n];
    } else {
        std::vector<Chunk> movies = {*movie};
        if (withOpenDmlIndex != streams || !ReadFurtherParts(reader, riff, &movies)) return false;
        for (uint32_t n = 0; n < streams; ++n)
            if (!ReadOpenDmlIndex(reader, superIndexes[n], n, movies, &layout->streams[n].chunks)) return false;
    }
    layout->firstIndexHoldsAll = index != nullptr;
    for (uint32_t n = 0; n < streams; ++n) {
        const AviStreamLayout& stream = layout->streams[n];
        if (!IndexHoldsStream(stream, stream.chunks)) return false;
        layout->firstIndexHoldsAll = layout->firstIndexHoldsAll && IndexHoldsStream(stream, firstIndex[n]);
    }
    return true;
}

bool IsWholeAviFile(const std::string& path, AviIndexUse use) {
    AviLayout layout;
    if (!ReadAviLayout(path, &layout)) return false;
    if (use == AviIndexUse::kFirstIndex && !layout.firstIndexHoldsAll) return false;
    for (const AviStreamLayout& stream : layout.streams) {
        if (stream.type == kPicture && !IsShowablePicture(path, stream, layout.size)) return false;
    }
    return true;
}

bool IsRiffAviFile(const std::string& path) {
    CAviReader reader(path);
    uint8_t start[12];
    return reader.Read(0, start, sizeof start) && Get32(start) == kRiff && Get32(start + 8) == kAviForm;
}
