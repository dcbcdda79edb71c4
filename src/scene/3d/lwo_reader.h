// Reads a LightWave object (an IFF "FORM" of type "LWO2", big-endian fields)
// into a mesh: the points, the triangles with their surface index, the
// surface table with colour, luminosity, diffuse and specular values, and
// the image reference of a surface. Everything else is walked over.
//
// The bytes are untrusted: nothing is read or skipped outside the data or
// the open chunk. A chunk whose size runs past its enclosing chunk or the
// data is cut at that end; a field that does not fit in what is left of its
// chunk ends that chunk and the walk goes on after it; indices that name
// nothing stored are dropped. Any of these marks the object damaged, and
// what was read until then is kept.
#pragma once

#include <cstdint>
#include <deque>
#include <string>

class CMesh;
struct MeshSurface;

void SwapBytes16(void* bytes);
void SwapBytes32(void* bytes);

class CLwoReader {
public:
    // What Load answers.
    enum Result : int { kRead = 0, kNotFound = 1, kDamaged = 2 };

    explicit CLwoReader(CMesh* target) : target_(target) {}

    // Opens the file whole from the archives (loose files are not read).
    // kNotFound when it cannot be opened, else as LoadBytes.
    int Load(const std::string& path);
    // kRead, also for bytes that are no LWO2 form (the mesh stays empty), or
    // kDamaged.
    int LoadBytes(const uint8_t* data, uint32_t size);

    // The chunk stack. BeginChunk pushes the current end and makes the read
    // position plus size (cut to the current end) the new one; EndChunk moves
    // to the current end, pops the enclosing end and skips the pad byte of an
    // odd size.
    void BeginChunk(uint32_t size);
    // Reads the ID4 and U2 header of a sub-chunk and begins it; false when
    // the header does not fit.
    bool BeginSubChunk(std::string& id, uint16_t& size);
    void EndChunk(uint32_t size);

    // Field readers: each answers false, and marks the chunk ended, when the
    // field does not fit in what is left of the open chunk.
    bool ReadId4(std::string& id);
    bool ReadU2(uint16_t& value);
    bool ReadU4(uint32_t& value);
    bool ReadF4(float& value);
    // Bytes up to and including a zero byte and the pad byte of an odd count.
    bool ReadS0(std::string& text);
    // A 2-byte index, or below a first U2 of 0xFF00 and above, a 4-byte one.
    bool ReadVX(uint32_t& index);
    bool ReadVec12(float& x, float& y, float& z);

    uint32_t Position() const { return position_; }
    uint32_t CurrentEnd() const { return currentEnd_; }
    bool IsDamaged() const { return damaged_; }

private:
    bool Fits(uint32_t count);
    // Marks the object damaged and moves to the open chunk's end; false.
    bool EndBroken();
    void ReadChunks();
    void ReadPoints();
    void ReadTags();
    void ReadPolygons();
    void ReadPolygonTags();
    // Once the whole file is read: a polygon tag that names no tag of the
    // table, wherever the table came, leaves its triangle without a surface.
    void ResolvePolygonTags();
    void ReadSurface();
    void ReadBlock(MeshSurface& surface);
    void ReadImageMap(MeshSurface& surface);
    // Begins and ends every sub-chunk until the open chunk's end; with
    // intoTextureMap, a "TMAP" has its own sub-chunks walked one level down.
    void SkipSubChunks(bool intoTextureMap);
    void ReadClip();
    // After new points: the triangles are made again from the stored ones,
    // without those that name lost points, with their surface indices.
    void RebuildPolygons();

    CMesh* target_;
    const uint8_t* data_ = nullptr;
    uint32_t size_ = 0;
    uint32_t position_ = 0;
    uint32_t currentEnd_ = 0;
    std::deque<uint32_t> enclosingEnds_;
    bool damaged_ = false;
};
