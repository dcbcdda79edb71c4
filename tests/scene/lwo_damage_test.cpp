// Damaged objects: every read stays inside the bytes (they end at a guarded
// page), keeps what came before the damage, leaves a mesh whose indices are
// all valid, and projects and draws without a fault.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <random>
#include <string>

#include "lwo_fixture.h"
#include "scene/3d/lwo_reader.h"
#include "support/guarded_bytes.h"

namespace {

struct ReadOutcome {
    int result;
    std::unique_ptr<CMesh> mesh;
};

ReadOutcome ReadGuarded(const LwoBytes& bytes) {
    CGuardedBytes guarded(bytes);
    auto mesh = std::make_unique<CMesh>();
    const int result = CLwoReader(mesh.get()).LoadBytes(guarded.data(), guarded.size());
    return {result, std::move(mesh)};
}

// Reads, checks the invariants, then projects and draws.
ReadOutcome ReadCheckAndDraw(const LwoBytes& bytes) {
    ReadOutcome outcome = ReadGuarded(bytes);
    EXPECT_TRUE(MeshInvariantsHold(*outcome.mesh));
    // The drawing takes the mesh; the counts stay behind for the checks.
    auto copy = ReadGuarded(bytes).mesh;
    ProjectAndDraw(std::move(copy));
    return outcome;
}

void WriteSize(LwoBytes& bytes, const CLwoWriter::SizeField& field, uint32_t size) {
    for (int i = 0; i < field.width; ++i) {
        bytes[field.offset + i] = static_cast<uint8_t>(size >> (8 * (field.width - 1 - i)));
    }
}

// Where the full object's chunks of an id end (data end), for what must
// remain after damage further on.
size_t ChunkEnd(const CLwoWriter& w, const char* id) {
    for (const CLwoWriter::SizeField& f : w.SizeFields()) {
        if (std::equal(id, id + 4, w.Bytes().begin() + f.offset - 4)) return f.dataEnd;
    }
    return 0;
}

TEST(LwoDamage, CutAtEveryOffset) {
    const CLwoWriter full = WriteFullObject();
    const LwoBytes& bytes = full.Bytes();
    const size_t pointsEnd = ChunkEnd(full, "PNTS");
    const size_t polygonsEnd = ChunkEnd(full, "POLS");
    for (size_t n = 0; n < bytes.size(); ++n) {
        SCOPED_TRACE("cut at " + std::to_string(n));
        const ReadOutcome outcome = ReadCheckAndDraw(LwoBytes(bytes.begin(), bytes.begin() + n));
        EXPECT_EQ(outcome.result, n == 0 ? CLwoReader::kRead : CLwoReader::kDamaged);
        if (n >= pointsEnd) {
            EXPECT_EQ(outcome.mesh->PointCount(), 6u);
        }
        if (n >= polygonsEnd) {
            EXPECT_EQ(outcome.mesh->PolygonCount(), 3u);
        }
    }
}

// How far the reader looks into a chunk of the full object, which decides
// whether a wrong size can show.
enum class Reading {
    // Fields up to its end: a shorter size leaves one that does not fit.
    ToTheEnd,
    // Begun and left without reading to its end: a size past the enclosing
    // end is cut and shows; a shorter one may keep the walk in step, and
    // then reads as intact.
    Begun,
    // Inside a part that is skipped whole: never begun, no size shows.
    Never,
};

Reading ReadingOf(const std::string& id) {
    for (const char* never : {"CHAN", "PNAM"}) {
        if (id == never) return Reading::Never;
    }
    for (const char* begun : {"VMAP", "VMAD", "ODDC", "SMAN", "CNTR", "SIZE", "PROJ", "AXIS", "VALU", "IMAP",
                              "BLOK", "GRAD", "SHDR"}) {
        if (id == begun) return Reading::Begun;
    }
    return Reading::ToTheEnd;
}

TEST(LwoDamage, EverySizeFieldShortenedStretchedAndMaximal) {
    const CLwoWriter full = WriteFullObject();
    const size_t pointsEnd = ChunkEnd(full, "PNTS");
    const size_t polygonsEnd = ChunkEnd(full, "POLS");
    const std::vector<CLwoWriter::SizeField>& fields = full.SizeFields();
    for (size_t i = 0; i < fields.size(); ++i) {
        const CLwoWriter::SizeField& field = fields[i];
        const uint32_t size = static_cast<uint32_t>(field.dataEnd - field.dataStart);
        // The end of the innermost chunk around this one.
        size_t enclosingEnd = full.Bytes().size();
        for (const CLwoWriter::SizeField& outer : fields) {
            if (outer.dataStart < field.offset && outer.dataEnd >= field.dataEnd) {
                enclosingEnd = std::min(enclosingEnd, outer.dataEnd);
            }
        }
        const uint32_t maximal = field.width == 4 ? 0xFFFFFFFFu : 0xFFFFu;
        const std::string id(full.Bytes().begin() + field.offset - 4, full.Bytes().begin() + field.offset);
        const Reading reading = ReadingOf(id);
        const struct {
            const char* name;
            uint32_t size;
            bool shows;  // the damage must show in the result
        } kVariants[] = {
            {"shortened", size == 0 ? 0 : size - 1, reading == Reading::ToTheEnd},
            {"halved", size / 2 - (size / 2) % 2 + 1, reading == Reading::ToTheEnd},
            {"past the enclosing end", static_cast<uint32_t>(enclosingEnd - field.dataStart + 2),
             reading != Reading::Never},
            {"maximal", maximal, reading != Reading::Never},
        };
        for (const auto& variant : kVariants) {
            if (variant.size > maximal || variant.size == size) continue;
            SCOPED_TRACE("size field " + std::to_string(i) + " of " + id + " at " + std::to_string(field.offset) +
                         ", " + variant.name);
            LwoBytes bytes = full.Bytes();
            WriteSize(bytes, field, variant.size);
            const ReadOutcome outcome = ReadCheckAndDraw(bytes);
            if (variant.shows) {
                EXPECT_EQ(outcome.result, CLwoReader::kDamaged);
            } else {
                EXPECT_TRUE(outcome.result == CLwoReader::kRead || outcome.result == CLwoReader::kDamaged);
            }
            // What lay before the damaged chunk is kept.
            if (field.offset >= pointsEnd) {
            EXPECT_EQ(outcome.mesh->PointCount(), 6u);
        }
            if (field.offset >= polygonsEnd) {
            EXPECT_EQ(outcome.mesh->PolygonCount(), 3u);
        }
        }
    }
}

struct DamageCase {
    const char* name;
    std::function<void(CLwoWriter&)> chunks;
    std::function<void(const CMesh&)> check;
};

void Points(CLwoWriter& w, int count) {
    w.BeginChunk("PNTS");
    for (int i = 0; i < count; ++i) w.Vec12(static_cast<float>(i % 3), static_cast<float>(i / 3), 0.0f);
    w.End();
}

void Triangles(CLwoWriter& w, std::initializer_list<std::initializer_list<uint32_t>> polygons) {
    w.BeginChunk("POLS");
    w.Id4("FACE");
    for (const auto& polygon : polygons) {
        w.U2(static_cast<uint16_t>(polygon.size()));
        for (uint32_t index : polygon) w.VX(index);
    }
    w.End();
}

void PolygonTags(CLwoWriter& w, std::initializer_list<std::pair<uint32_t, uint16_t>> pairs) {
    w.BeginChunk("PTAG");
    w.Id4("SURF");
    for (const auto& pair : pairs) {
        w.VX(pair.first);
        w.U2(pair.second);
    }
    w.End();
}

void Tags(CLwoWriter& w) {
    w.BeginChunk("TAGS");
    w.S0("A");
    w.S0("B");
    w.End();
}

void Surface(CLwoWriter& w) {
    w.BeginChunk("SURF");
    w.S0("B");
    w.S0("");
    w.BeginSubChunk("COLR");
    w.Vec12(0, 1, 0);
    w.VX(0);
    w.End();
    w.End();
}

TEST(LwoDamage, BrokenCountsIndicesAndOrder) {
    const DamageCase kCases[] = {
        {"PNTS size 0xFFFFFFF0: the points that are there",
         [](CLwoWriter& w) {
             Tags(w);
             w.BeginChunk("PNTS");
             for (int i = 0; i < 5; ++i) w.Vec12(1, 2, 3);
             w.End();
             w.BeginChunk("JUNK");  // 8 + 4 bytes read as a 6th point
             w.U4(7);
             w.End();
         },
         [](const CMesh& m) {
             EXPECT_EQ(m.PointCount(), 6u);
             EXPECT_EQ(m.Surfaces().size(), 2u);
         }},
        {"PNTS size not a multiple of 12",
         [](CLwoWriter& w) {
             w.BeginChunk("PNTS");
             for (int i = 0; i < 5; ++i) w.Vec12(static_cast<float>(i), 1, 0);
             w.U2(0);
             w.End();
             Triangles(w, {{0, 1, 2}});
         },
         [](const CMesh& m) {
             EXPECT_EQ(m.PointCount(), 5u);
             EXPECT_EQ(m.PolygonCount(), 1u);
         }},
        {"POLS vertex count past the chunk",
         [](CLwoWriter& w) {
             Points(w, 4);
             w.BeginChunk("POLS");
             w.Id4("FACE");
             for (uint16_t i = 0; i < 2; ++i) {
                 w.U2(3);
                 for (uint16_t v = 0; v < 3; ++v) w.VX(i + v);
             }
             w.U2(0x03FF);  // 1023 vertices, one of them there
             w.VX(0);
             w.End();
             Tags(w);
         },
         [](const CMesh& m) {
             EXPECT_EQ(m.PolygonCount(), 2u);
             EXPECT_EQ(m.Surfaces().size(), 2u);
         }},
        {"a triangle naming a point not stored is dropped and not counted",
         [](CLwoWriter& w) {
             Tags(w);
             Points(w, 4);
             Triangles(w, {{0, 1, 2}, {0, 1, 99}, {1, 2, 3}});
             PolygonTags(w, {{1, 1}});
         },
         [](const CMesh& m) {
             ASSERT_EQ(m.PolygonCount(), 2u);
             EXPECT_EQ(m.Polygons()[1].a, 1u);
             EXPECT_EQ(m.Polygons()[1].surface, 1u);
         }},
        {"PTAG polygon and tag indices out of range are ignored",
         [](CLwoWriter& w) {
             Tags(w);
             Points(w, 3);
             Triangles(w, {{0, 1, 2}});
             PolygonTags(w, {{1, 0}, {0xFFFFFF, 1}, {0, 2}, {0, 0xFFFF}});
         },
         [](const CMesh& m) {
             ASSERT_EQ(m.PolygonCount(), 1u);
             EXPECT_EQ(m.Polygons()[0].surface, kNoSurface);
         }},
        {"a PTAG tag beyond the later TAGS is ignored",
         [](CLwoWriter& w) {
             Points(w, 4);
             Triangles(w, {{0, 1, 2}, {1, 2, 3}});
             PolygonTags(w, {{0, 1}, {1, 2}});
             Tags(w);
         },
         [](const CMesh& m) {
             ASSERT_EQ(m.PolygonCount(), 2u);
             EXPECT_EQ(m.Polygons()[0].surface, 1u);
             EXPECT_EQ(m.Polygons()[1].surface, kNoSurface);
         }},
        {"SURF before TAGS is skipped",
         [](CLwoWriter& w) {
             Surface(w);
             Tags(w);
         },
         [](const CMesh& m) {
             ASSERT_EQ(m.Surfaces().size(), 2u);
             EXPECT_EQ(m.Surfaces()[1].colour, 0xFFFFFFu);
         }},
        {"POLS before PNTS keeps no triangle",
         [](CLwoWriter& w) {
             Triangles(w, {{0, 1, 2}});
             Points(w, 3);
         },
         [](const CMesh& m) {
             EXPECT_EQ(m.PointCount(), 3u);
             EXPECT_EQ(m.PolygonCount(), 0u);
         }},
        {"a second, shorter PNTS drops the triangles of lost points",
         [](CLwoWriter& w) {
             Tags(w);
             Points(w, 5);
             Triangles(w, {{2, 3, 4}, {0, 1, 2}});
             PolygonTags(w, {{1, 1}});
             Points(w, 3);
         },
         [](const CMesh& m) {
             EXPECT_EQ(m.PointCount(), 3u);
             ASSERT_EQ(m.PolygonCount(), 1u);
             EXPECT_EQ(m.Polygons()[0].c, 2u);
             EXPECT_EQ(m.Polygons()[0].surface, 1u);
             EXPECT_EQ(m.Points()[0].useCount, 1u);
         }},
    };
    for (const DamageCase& c : kCases) {
        SCOPED_TRACE(c.name);
        CLwoWriter w;
        w.BeginForm();
        c.chunks(w);
        w.End();
        LwoBytes bytes = w.Bytes();
        if (std::string(c.name).find("0xFFFFFFF0") != std::string::npos) {
            // The PNTS size field follows TAGS.
            for (const CLwoWriter::SizeField& f : w.SizeFields()) {
                if (std::equal(bytes.begin() + f.offset - 4, bytes.begin() + f.offset, "PNTS")) {
                    WriteSize(bytes, f, 0xFFFFFFF0u);
                }
            }
        }
        const ReadOutcome outcome = ReadCheckAndDraw(bytes);
        EXPECT_EQ(outcome.result, CLwoReader::kDamaged);
        c.check(*outcome.mesh);
    }
}

// Seeded mutations of the full object; a failure names its seed and index.
TEST(LwoDamage, Fuzz) {
    const CLwoWriter full = WriteFullObject();
    const std::vector<CLwoWriter::SizeField>& fields = full.SizeFields();
    // The top-level chunks (header to pad), for swaps.
    std::vector<std::pair<size_t, size_t>> chunks;
    for (size_t i = 1; i < fields.size(); ++i) {
        if (fields[i].width != 4) continue;
        const size_t end = fields[i].dataEnd + (fields[i].dataEnd - fields[i].dataStart) % 2;
        chunks.push_back({fields[i].offset - 4, end});
    }
    const uint32_t kSeed = 20261211;
    std::mt19937 random(kSeed);
    for (int index = 0; index < 3000; ++index) {
        SCOPED_TRACE("seed " + std::to_string(kSeed) + ", index " + std::to_string(index));
        LwoBytes bytes = full.Bytes();
        const int mutations = 1 + static_cast<int>(random() % 3);
        for (int m = 0; m < mutations; ++m) {
            switch (random() % 4) {
                case 0: {  // byte flips
                    const int flips = 1 + static_cast<int>(random() % 4);
                    for (int f = 0; f < flips && !bytes.empty(); ++f) {
                        bytes[random() % bytes.size()] ^= static_cast<uint8_t>(1 + random() % 255);
                    }
                    break;
                }
                case 1: {  // a random size
                    const CLwoWriter::SizeField& field = fields[random() % fields.size()];
                    if (field.offset + field.width <= bytes.size()) WriteSize(bytes, field, random());
                    break;
                }
                case 2:  // a cut
                    bytes.resize(random() % (bytes.size() + 1));
                    break;
                default: {  // two top-level chunks swapped
                    std::pair<size_t, size_t> a = chunks[random() % chunks.size()];
                    std::pair<size_t, size_t> b = chunks[random() % chunks.size()];
                    if (a.first > b.first) std::swap(a, b);
                    if (a.first == b.first || b.second > bytes.size()) break;
                    LwoBytes swapped(bytes.begin(), bytes.begin() + a.first);
                    swapped.insert(swapped.end(), bytes.begin() + b.first, bytes.begin() + b.second);
                    swapped.insert(swapped.end(), bytes.begin() + a.second, bytes.begin() + b.first);
                    swapped.insert(swapped.end(), bytes.begin() + a.first, bytes.begin() + a.second);
                    swapped.insert(swapped.end(), bytes.begin() + b.second, bytes.end());
                    bytes.swap(swapped);
                    break;
                }
            }
        }
        const ReadOutcome outcome = ReadCheckAndDraw(bytes);
        EXPECT_GE(outcome.result, 0);
        EXPECT_LE(outcome.result, 2);
        if (HasFailure()) break;
    }
}

}  // namespace
