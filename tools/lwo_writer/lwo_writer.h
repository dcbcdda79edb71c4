// A small LightWave object writer for the tests, the benchmark and the
// build-time object tool: an IFF form of big-endian fields with chunk and
// sub-chunk sizes computed on closing, odd sizes padded, and every size
// field recorded so damage can be aimed at it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

using LwoBytes = std::vector<uint8_t>;

class CLwoWriter {
public:
    // One chunk's size field: where it lies, 4 or 2 bytes wide, and where the
    // chunk's data start and end (pad excluded).
    struct SizeField {
        size_t offset;
        int width;
        size_t dataStart;
        size_t dataEnd;
    };

    // "FORM", its size, then the form type.
    void BeginForm(const char* type = "LWO2");
    void BeginChunk(const char* id);     // ID4, U4 size
    void BeginSubChunk(const char* id);  // ID4, U2 size
    // Closes the innermost open chunk, sub-chunk or form: writes its size and
    // a pad byte after an odd one.
    void End();

    void Id4(const char* id);
    void U2(uint16_t value);
    void U4(uint32_t value);
    void F4(float value);
    void Vec12(float x, float y, float z);
    // 2 bytes below 0xFF00, else the 4 bytes FF, high, and the low U2.
    void VX(uint32_t index);
    // Always the 4-byte form.
    void VX4(uint32_t index);
    // The bytes, a zero and a pad to an even count.
    void S0(const std::string& text);
    void Raw(const LwoBytes& bytes);

    const LwoBytes& Bytes() const { return bytes_; }
    const std::vector<SizeField>& SizeFields() const { return fields_; }

private:
    struct Open {
        size_t field;  // index into fields_
    };
    void Begin(const char* id, int width);

    LwoBytes bytes_;
    std::vector<SizeField> fields_;
    std::vector<Open> open_;
};

// An object as lists, written as TAGS, PNTS, POLS (FACE), PTAG (SURF) and one
// plain SURF (COLR, DIFF, SPEC) per tag.
struct LwoObject {
    struct Surface {
        std::string name;
        float red, green, blue;
        float diffuse;
        float specular;
    };
    std::vector<float> points;  // x, y, z of each point
    std::vector<std::vector<uint32_t>> polygons;
    std::vector<Surface> surfaces;
    // polygon index, tag index
    std::vector<std::pair<uint32_t, uint16_t>> polygonTags;
};

LwoBytes WriteLwoObject(const LwoObject& object);

// A ring torus about the viewing axis, its outer faces turned outwards, one
// white surface: rings x sides quadrilaterals, each as two triangles.
LwoObject MakeTorus(int rings, int sides, float major, float minor);
