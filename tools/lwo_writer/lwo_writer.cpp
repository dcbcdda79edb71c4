#include "lwo_writer/lwo_writer.h"

#include <cmath>
#include <cstring>

void CLwoWriter::Begin(const char* id, int width) {
    Id4(id);
    fields_.push_back({bytes_.size(), width, bytes_.size() + width, 0});
    open_.push_back({fields_.size() - 1});
    bytes_.insert(bytes_.end(), width, 0);
}

void CLwoWriter::BeginForm(const char* type) {
    Begin("FORM", 4);
    Id4(type);
}

void CLwoWriter::BeginChunk(const char* id) { Begin(id, 4); }

void CLwoWriter::BeginSubChunk(const char* id) { Begin(id, 2); }

void CLwoWriter::End() {
    SizeField& field = fields_[open_.back().field];
    open_.pop_back();
    field.dataEnd = bytes_.size();
    const size_t size = field.dataEnd - field.dataStart;
    for (int i = 0; i < field.width; ++i) {
        bytes_[field.offset + i] = static_cast<uint8_t>(size >> (8 * (field.width - 1 - i)));
    }
    if (size % 2 != 0) bytes_.push_back(0);
}

void CLwoWriter::Id4(const char* id) { bytes_.insert(bytes_.end(), id, id + 4); }

void CLwoWriter::U2(uint16_t value) {
    bytes_.push_back(static_cast<uint8_t>(value >> 8));
    bytes_.push_back(static_cast<uint8_t>(value));
}

void CLwoWriter::U4(uint32_t value) {
    U2(static_cast<uint16_t>(value >> 16));
    U2(static_cast<uint16_t>(value));
}

void CLwoWriter::F4(float value) {
    uint32_t bits = 0;
    std::memcpy(&bits, &value, 4);
    U4(bits);
}

void CLwoWriter::Vec12(float x, float y, float z) {
    F4(x);
    F4(y);
    F4(z);
}

void CLwoWriter::VX(uint32_t index) {
    if (index < 0xFF00) {
        U2(static_cast<uint16_t>(index));
        return;
    }
    VX4(index);
}

void CLwoWriter::VX4(uint32_t index) {
    U2(static_cast<uint16_t>(0xFF00 | ((index >> 16) & 0xFF)));
    U2(static_cast<uint16_t>(index));
}

void CLwoWriter::S0(const std::string& text) {
    bytes_.insert(bytes_.end(), text.begin(), text.end());
    bytes_.push_back(0);
    if ((text.size() + 1) % 2 != 0) bytes_.push_back(0);
}

void CLwoWriter::Raw(const LwoBytes& bytes) { bytes_.insert(bytes_.end(), bytes.begin(), bytes.end()); }

LwoBytes WriteLwoObject(const LwoObject& object) {
    CLwoWriter w;
    w.BeginForm();
    w.BeginChunk("TAGS");
    for (const LwoObject::Surface& surface : object.surfaces) w.S0(surface.name);
    w.End();
    w.BeginChunk("PNTS");
    for (size_t i = 0; i + 2 < object.points.size(); i += 3) {
        w.Vec12(object.points[i], object.points[i + 1], object.points[i + 2]);
    }
    w.End();
    w.BeginChunk("POLS");
    w.Id4("FACE");
    for (const std::vector<uint32_t>& polygon : object.polygons) {
        w.U2(static_cast<uint16_t>(polygon.size()));
        for (uint32_t index : polygon) w.VX(index);
    }
    w.End();
    w.BeginChunk("PTAG");
    w.Id4("SURF");
    for (const auto& tag : object.polygonTags) {
        w.VX(tag.first);
        w.U2(tag.second);
    }
    w.End();
    for (const LwoObject::Surface& surface : object.surfaces) {
        w.BeginChunk("SURF");
        w.S0(surface.name);
        w.S0("");
        w.BeginSubChunk("COLR");
        w.Vec12(surface.red, surface.green, surface.blue);
        w.VX(0);
        w.End();
        w.BeginSubChunk("DIFF");
        w.F4(surface.diffuse);
        w.VX(0);
        w.End();
        w.BeginSubChunk("SPEC");
        w.F4(surface.specular);
        w.VX(0);
        w.End();
        w.End();
    }
    w.End();
    return w.Bytes();
}

LwoObject MakeTorus(int rings, int sides, float major, float minor) {
    LwoObject torus;
    const double pi = 3.14159265358979323846;
    for (int i = 0; i < rings; ++i) {
        const double u = 2 * pi * i / rings;
        for (int j = 0; j < sides; ++j) {
            const double v = 2 * pi * j / sides;
            const double r = major + minor * std::cos(v);
            torus.points.push_back(static_cast<float>(r * std::cos(u)));
            torus.points.push_back(static_cast<float>(r * std::sin(u)));
            torus.points.push_back(static_cast<float>(minor * std::sin(v)));
        }
    }
    const auto index = [&](int i, int j) { return static_cast<uint32_t>((i % rings) * sides + (j % sides)); };
    for (int i = 0; i < rings; ++i) {
        for (int j = 0; j < sides; ++j) {
            // Ordered so the normal (P[b] - P[a]) x (P[c] - P[a]) points out.
            torus.polygons.push_back({index(i, j), index(i, j + 1), index(i + 1, j)});
            torus.polygons.push_back({index(i + 1, j), index(i, j + 1), index(i + 1, j + 1)});
        }
    }
    torus.surfaces.push_back({"Torus", 1.0f, 1.0f, 1.0f, 1.0f, 0.0f});
    return torus;
}
