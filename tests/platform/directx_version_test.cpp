#include "platform/directx_version.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

// Answers true to the first `yes` questions and false to the rest, and
// records the questions asked.
class FakeDirectX : public CDirectXProbe {
public:
    explicit FakeDirectX(int yes) : yes_(yes) {}

    bool CreateDirectDraw() override { return Answer("DirectDraw"); }
    bool HasDirectDraw2() override { return Answer("DirectDraw2"); }
    bool HasDirectInput() override { return Answer("DirectInput"); }
    bool SetNormalCooperativeLevel() override { return Answer("CooperativeLevel"); }
    bool CreatePrimarySurface() override { return Answer("PrimarySurface"); }
    bool HasSurface3() override { return Answer("Surface3"); }
    bool HasSurface4() override { return Answer("Surface4"); }
    bool HasDirectMusic() override { return Answer("DirectMusic"); }
    bool HasDirectDraw7() override { return Answer("DirectDraw7"); }
    bool HasLibrary(const char* name) override { return Answer(name); }

    std::vector<std::string> asked;

private:
    bool Answer(const char* question) {
        asked.push_back(question);
        return static_cast<int>(asked.size()) <= yes_;
    }
    int yes_;
};

TEST(DirectXVersion, ClimbsUntilTheFirstMissingPiece) {
    const std::vector<std::string> questions = {
        "DirectDraw",  "DirectDraw2",    "DirectInput", "CooperativeLevel",
        "PrimarySurface", "Surface3",    "Surface4",    "DirectMusic",
        "DirectDraw7", "D3D8.DLL",       "dpnhpast.dll"};
    // The version reached when the answer to the question of that index is
    // the first "no"; the last entry is for a machine that has everything.
    const uint32_t versions[] = {0,     0x100, 0x200, 0,     0,     0x300,
                                 0x500, 0x600, 0x601, 0x700, 0x800, 0x801};
    for (int yes = 0; yes <= static_cast<int>(questions.size()); ++yes) {
        FakeDirectX probe(yes);
        EXPECT_EQ(ClimbDirectXVersion(probe), versions[yes]) << yes;
        // Nothing is asked after the first "no".
        const size_t asked = std::min(questions.size(), static_cast<size_t>(yes) + 1);
        EXPECT_EQ(probe.asked,
                  std::vector<std::string>(questions.begin(), questions.begin() + asked))
            << yes;
    }
}

TEST(DirectXVersion, Names) {
    struct Case {
        uint32_t code;
        const char* name;
    };
    const Case cases[] = {
        {0, "No DirectX installed"},  {0x100, "DirectX 1"},   {0x200, "DirectX 2"},
        {0x300, "DirectX 3"},         {0x500, "DirectX 5"},   {0x600, "DirectX 6"},
        {0x601, "DirectX 6.1"},       {0x700, "DirectX 7"},   {0x800, "DirectX 8"},
        {0x801, "DirectX 8.1 later"}, {0x400, "Unknown version of DirectX installed."},
        {0x900, "Unknown version of DirectX installed."},
        {0xFFFFFFFF, "Unknown version of DirectX installed."},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DirectXVersionName(c.code), c.name) << std::hex << c.code;
    }
}

TEST(DirectXVersion, ThisMachineHasEverythingTheProbeAsksFor) {
    // Wine brings DirectDraw up to version 7, DirectMusic, D3D8 and dpnhpast.
    EXPECT_EQ(GetDirectXVersion(), 0x801u);
    EXPECT_EQ(GetDirectXVersionName(), "DirectX 8.1 later");
}

}  // namespace
