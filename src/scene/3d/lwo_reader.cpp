#include "scene/3d/lwo_reader.h"

#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

#include "platform/data_file.h"
#include "scene/3d/mesh.h"

namespace {

// The low 10 bits of a polygon's first U2 are its vertex count; the high 6
// are flags.
constexpr uint16_t kVertexCountMask = 0x03FF;
constexpr uint16_t kLongIndexMark = 0xFF00;
constexpr uint32_t kPointBytes = 12;

// A colour component times 255, truncated; a value that is not finite or
// out of the int range counts as 0.
uint32_t ColourComponent(float value) {
    const double scaled = std::trunc(double(value) * 255.0);
    if (!std::isfinite(scaled) || scaled < std::numeric_limits<int32_t>::min() ||
        scaled > std::numeric_limits<int32_t>::max()) {
        return 0;
    }
    return static_cast<uint32_t>(static_cast<int32_t>(scaled));
}

struct Triangle {
    uint32_t a, b, c;
};

}  // namespace

void SwapBytes16(void* bytes) {
    uint8_t* b = static_cast<uint8_t*>(bytes);
    std::swap(b[0], b[1]);
}

void SwapBytes32(void* bytes) {
    uint8_t* b = static_cast<uint8_t*>(bytes);
    std::swap(b[0], b[3]);
    std::swap(b[1], b[2]);
}

int CLwoReader::Load(const std::string& path) {
    std::vector<uint8_t> bytes;
    if (ReadFileToVector(path, bytes, false) != 0) return kNotFound;
    return LoadBytes(bytes.data(), static_cast<uint32_t>(bytes.size()));
}

int CLwoReader::LoadBytes(const uint8_t* data, uint32_t size) {
    data_ = data;
    size_ = size;
    position_ = 0;
    currentEnd_ = size;
    enclosingEnds_.clear();
    damaged_ = false;
    // Only an LWO2 form is read; fewer bytes than its header are damaged
    // when what is there begins as one does.
    static const char kHeader[] = "FORM\0\0\0\0LWO2";
    const uint32_t header = size < 12 ? size : 12;
    for (uint32_t i = 0; i < header; ++i) {
        if ((i < 4 || i >= 8) && data[i] != static_cast<uint8_t>(kHeader[i])) return kRead;
    }
    if (size < 12) return size == 0 ? kRead : kDamaged;
    position_ = 4;  // past "FORM"
    uint32_t formSize = 0;
    ReadU4(formSize);
    BeginChunk(formSize);
    std::string type;  // "LWO2", when the form's size holds it
    if (ReadId4(type)) ReadChunks();
    EndChunk(formSize);
    ResolvePolygonTags();
    return damaged_ ? kDamaged : kRead;
}

bool CLwoReader::Fits(uint32_t count) {
    if (currentEnd_ - position_ >= count) return true;
    return EndBroken();
}

bool CLwoReader::EndBroken() {
    damaged_ = true;
    position_ = currentEnd_;
    return false;
}

void CLwoReader::BeginChunk(uint32_t size) {
    enclosingEnds_.push_back(currentEnd_);
    if (size > currentEnd_ - position_) {
        damaged_ = true;
        size = currentEnd_ - position_;
    }
    currentEnd_ = position_ + size;
}

bool CLwoReader::BeginSubChunk(std::string& id, uint16_t& size) {
    if (!ReadId4(id) || !ReadU2(size)) return false;
    BeginChunk(size);
    return true;
}

void CLwoReader::EndChunk(uint32_t size) {
    position_ = currentEnd_;
    currentEnd_ = enclosingEnds_.back();
    enclosingEnds_.pop_back();
    if (size % 2 == 0) return;
    if (position_ < currentEnd_) {
        ++position_;
    } else {
        damaged_ = true;  // the pad byte is missing
    }
}

bool CLwoReader::ReadId4(std::string& id) {
    if (!Fits(4)) return false;
    id.assign(reinterpret_cast<const char*>(data_ + position_), 4);
    id.resize(std::strlen(id.c_str()));
    position_ += 4;
    return true;
}

bool CLwoReader::ReadU2(uint16_t& value) {
    if (!Fits(2)) return false;
    std::memcpy(&value, data_ + position_, 2);
    SwapBytes16(&value);
    position_ += 2;
    return true;
}

bool CLwoReader::ReadU4(uint32_t& value) {
    if (!Fits(4)) return false;
    std::memcpy(&value, data_ + position_, 4);
    SwapBytes32(&value);
    position_ += 4;
    return true;
}

bool CLwoReader::ReadF4(float& value) {
    uint32_t bits = 0;
    if (!ReadU4(bits)) return false;
    std::memcpy(&value, &bits, 4);
    return true;
}

bool CLwoReader::ReadS0(std::string& text) {
    const uint8_t* start = data_ + position_;
    const void* zero = std::memchr(start, 0, currentEnd_ - position_);
    if (!zero) return EndBroken();
    const uint32_t length = static_cast<uint32_t>(static_cast<const uint8_t*>(zero) - start);
    const uint32_t consumed = (length + 2) & ~1u;  // the zero byte, and a pad to an even count
    if (!Fits(consumed)) return false;
    text.assign(reinterpret_cast<const char*>(start), length);
    position_ += consumed;
    return true;
}

bool CLwoReader::ReadVX(uint32_t& index) {
    uint16_t first = 0;
    if (!ReadU2(first)) return false;
    if (first < kLongIndexMark) {
        index = first;
        return true;
    }
    uint16_t second = 0;
    if (!ReadU2(second)) return false;
    index = (uint32_t(first & 0xFF) << 16) + second;
    return true;
}

bool CLwoReader::ReadVec12(float& x, float& y, float& z) {
    if (!Fits(12)) return false;
    return ReadF4(x) && ReadF4(y) && ReadF4(z);
}

void CLwoReader::ReadChunks() {
    while (position_ < currentEnd_) {
        std::string id;
        uint32_t size = 0;
        if (!ReadId4(id) || !ReadU4(size)) return;
        BeginChunk(size);
        if (id == "PNTS") {
            ReadPoints();
        } else if (id == "TAGS") {
            ReadTags();
        } else if (id == "POLS") {
            ReadPolygons();
        } else if (id == "PTAG") {
            ReadPolygonTags();
        } else if (id == "SURF") {
            ReadSurface();
        } else if (id == "CLIP") {
            ReadClip();
        }
        EndChunk(size);
    }
}

void CLwoReader::ReadPoints() {
    // The count comes from the bytes actually there.
    const uint32_t bytes = currentEnd_ - position_;
    if (bytes % kPointBytes != 0) damaged_ = true;
    const uint32_t count = bytes / kPointBytes;
    target_->ReservePoints(count);
    for (uint32_t i = 0; i < count; ++i) {
        float x = 0, y = 0, z = 0;
        ReadVec12(x, y, z);
        target_->AddPoint(x, y, z);
    }
    RebuildPolygons();
}

void CLwoReader::RebuildPolygons() {
    const uint32_t pointCount = target_->PointCount();
    std::vector<MeshPolygon> kept;
    const MeshPolygon* polygons = target_->Polygons();
    for (uint32_t i = 0; i < target_->PolygonCount(); ++i) {
        const MeshPolygon& p = polygons[i];
        if (p.a < pointCount && p.b < pointCount && p.c < pointCount) kept.push_back(p);
    }
    // Triangles naming points that are gone.
    if (kept.size() < target_->PolygonCount()) damaged_ = true;
    target_->ReservePolygons(static_cast<uint32_t>(kept.size()));
    for (const MeshPolygon& p : kept) {
        target_->AddPolygon(p.a, p.b, p.c);
        target_->Polygons()[target_->PolygonCount() - 1].surface = p.surface;
    }
    target_->FinishPolygons();
}

void CLwoReader::ReadTags() {
    while (position_ < currentEnd_) {
        std::string name;
        if (!ReadS0(name)) break;
        target_->AddTag(name);
    }
    target_->FinishTags();
}

void CLwoReader::ReadPolygons() {
    std::string type;
    if (!ReadId4(type) || type != "FACE") return;
    const uint32_t pointCount = target_->PointCount();
    std::vector<Triangle> kept;
    while (position_ < currentEnd_) {
        uint16_t header = 0;
        if (!ReadU2(header)) break;
        const uint32_t vertices = header & kVertexCountMask;
        uint32_t index[3] = {0, 0, 0};
        bool named = true;  // every vertex names a stored point
        bool complete = true;
        for (uint32_t v = 0; v < vertices; ++v) {
            uint32_t i = 0;
            if (!ReadVX(i)) {
                complete = false;
                break;
            }
            if (v < 3) index[v] = i;
            if (i >= pointCount) named = false;
        }
        if (!complete) break;
        if (!named) {
            damaged_ = true;
            continue;
        }
        if (vertices == 3) kept.push_back({index[0], index[1], index[2]});
        if (vertices == 2) kept.push_back({index[0], index[1], index[1]});
    }
    if (kept.empty()) return;
    target_->ReservePolygons(static_cast<uint32_t>(kept.size()));
    for (const Triangle& t : kept) target_->AddPolygon(t.a, t.b, t.c);
    target_->FinishPolygons();
}

void CLwoReader::ReadPolygonTags() {
    std::string type;
    if (!ReadId4(type) || type != "SURF") return;
    // The tag table may still follow; ResolvePolygonTags checks the tags.
    while (position_ < currentEnd_) {
        uint32_t polygon = 0;
        uint16_t tag = 0;
        if (!ReadVX(polygon) || !ReadU2(tag)) break;
        if (polygon >= target_->PolygonCount()) {
            damaged_ = true;
            continue;
        }
        target_->Polygons()[polygon].surface = tag;
    }
}

void CLwoReader::ResolvePolygonTags() {
    const uint32_t surfaceCount = static_cast<uint32_t>(target_->Surfaces().size());
    MeshPolygon* polygons = target_->Polygons();
    for (uint32_t i = 0; i < target_->PolygonCount(); ++i) {
        if (polygons[i].surface < surfaceCount || polygons[i].surface == kNoSurface) continue;
        polygons[i].surface = kNoSurface;
        damaged_ = true;
    }
}

void CLwoReader::ReadSurface() {
    // Without a tag table there is no record to describe.
    if (target_->Surfaces().empty()) {
        damaged_ = true;
        return;
    }
    std::string name;
    std::string source;
    if (!ReadS0(name) || !ReadS0(source)) return;
    MeshSurface* surface = target_->GetSurface(name);
    if (!surface) return;
    while (position_ < currentEnd_) {
        std::string id;
        uint16_t size = 0;
        if (!BeginSubChunk(id, size)) return;
        uint32_t envelope = 0;
        if (id == "COLR") {
            float r = 0, g = 0, b = 0;
            if (ReadVec12(r, g, b)) {
                surface->colour = (ColourComponent(r) << 16) + (ColourComponent(g) << 8) + ColourComponent(b);
                ReadVX(envelope);
            }
        } else if (id == "DIFF") {
            if (ReadF4(surface->diffuse)) ReadVX(envelope);
        } else if (id == "LUMI") {
            if (ReadF4(surface->luminosity)) ReadVX(envelope);
        } else if (id == "SPEC") {
            if (ReadF4(surface->specular)) ReadVX(envelope);
        } else if (id == "BLOK") {
            ReadBlock(*surface);
        }
        EndChunk(size);
    }
}

void CLwoReader::ReadBlock(MeshSurface& surface) {
    std::string type;
    uint16_t headerSize = 0;
    if (!BeginSubChunk(type, headerSize)) return;
    std::string ordinal;
    ReadS0(ordinal);
    EndChunk(headerSize);
    if (type == "IMAP") {
        ReadImageMap(surface);
    } else if (type == "PROC") {
        SkipSubChunks(true);
    }
}

void CLwoReader::ReadImageMap(MeshSurface& surface) {
    while (position_ < currentEnd_) {
        std::string id;
        uint16_t size = 0;
        if (!BeginSubChunk(id, size)) return;
        if (id == "TMAP") {
            SkipSubChunks(false);
        } else if (id == "IMAG") {
            uint32_t clip = 0;
            if (ReadVX(clip)) {
                surface.image = 1;
                surface.clipIndex = clip;
            }
        }
        EndChunk(size);
    }
}

void CLwoReader::SkipSubChunks(bool intoTextureMap) {
    while (position_ < currentEnd_) {
        std::string id;
        uint16_t size = 0;
        if (!BeginSubChunk(id, size)) return;
        if (intoTextureMap && id == "TMAP") SkipSubChunks(false);
        EndChunk(size);
    }
}

void CLwoReader::ReadClip() {
    uint32_t index = 0;
    if (!ReadU4(index)) return;
    while (position_ < currentEnd_) {
        std::string id;
        uint16_t size = 0;
        if (!BeginSubChunk(id, size)) return;
        if (id == "STIL") {
            std::string file;
            if (ReadS0(file)) target_->AddClip(index, file);
        }
        EndChunk(size);
    }
}
