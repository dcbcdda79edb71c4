#include "platform/cpu_info.h"

#include <cpuid.h>
#include <gtest/gtest.h>

#include <vector>

#include "platform/sse_probe.h"

extern "C" void mirl_test_illegal_instruction();
extern "C" void mirl_test_null_read();
extern "C" void mirl_test_return_at_once();
__asm__(
    ".text\n" MIRL_ASM_SYMBOL(mirl_test_illegal_instruction) ":\n"
    "    ud2\n"
    "    ret\n" MIRL_ASM_SYMBOL(mirl_test_null_read) ":\n"
    "    movl 0, %eax\n"
    "    ret\n" MIRL_ASM_SYMBOL(mirl_test_return_at_once) ":\n"
    "    ret\n");

namespace {

constexpr uint32_t kFpu = 1u << 0;
constexpr uint32_t kMmx = 1u << 23;
constexpr uint32_t kSse = 1u << 25;
constexpr uint32_t kSse2 = 1u << 26;
constexpr uint32_t kAllFeatures = kFpu | kMmx | kSse | kSse2;
constexpr uint32_t k3DNowExt = 1u << 30;
constexpr uint32_t k3DNow = 1u << 31;

// A made-up processor: its vendor words (EBX, EDX, ECX of leaf 0), EAX and
// EDX of leaf 1, EDX of leaf 0x80000001, and whether SSE runs.
struct FakeCpu : CCpuidReader {
    bool hasCpuid = true;
    uint32_t ebx = 0x756E6547, edx = 0x49656E69, ecx = 0x6C65746E;  // "GenuineIntel"
    uint32_t signature = 0x00000F4A;
    uint32_t features = kAllFeatures;
    uint32_t amdFeatures = k3DNow | k3DNowExt;
    bool sseRuns = true;
    std::vector<uint32_t> leaves;
    int sseTests = 0;

    bool HasCpuid() override { return hasCpuid; }
    CpuidRegisters Cpuid(uint32_t leaf) override {
        leaves.push_back(leaf);
        switch (leaf) {
            case 0: return {1, ebx, ecx, edx};
            case 1: return {signature, 0, 0, features};
            case 0x80000001: return {0, 0, 0, amdFeatures};
            default: return {0, 0, 0, 0};
        }
    }
    bool RunsSse() override {
        ++sseTests;
        return sseRuns;
    }
};

TEST(CpuInfo, VendorTable) {
    struct Case {
        uint32_t ebx, edx, ecx;
        const char* id;
        const char* name;
    };
    const Case cases[] = {
        {0x756E6547, 0x49656E69, 0x6C65746E, "GenuineIntel", "Intel"},
        {0x68747541, 0x69746E65, 0x444D4163, "AuthenticAMD", "AMD"},
        {0x69727943, 0x736E4978, 0x64616574, "CyrixInstead", "Cyrix"},
        {0x746E6543, 0x48727561, 0x736C7561, "CentaurHauls", "IDT"},
        {0x65736952, 0x65736952, 0x65736952, "RiseRiseRise", "Rise"},
        {0x20414956, 0x20414956, 0x20414956, "VIA VIA VIA ", "Unknown"},
        {0x756E6547, 0x49656E69, 0x7865746E, "GenuineIntex", "Unknown"},
    };
    for (const Case& c : cases) {
        FakeCpu cpu;
        cpu.ebx = c.ebx;
        cpu.edx = c.edx;
        cpu.ecx = c.ecx;
        CCpuInfo info;
        ReadCpuInfo(cpu, &info);
        EXPECT_TRUE(info.detected);
        EXPECT_EQ(info.vendorId, c.id);
        EXPECT_EQ(info.vendorName, c.name) << c.id;
        // Only an AMD processor is asked for the 3DNow! bits.
        const bool amd = std::string(c.name) == "AMD";
        EXPECT_EQ(info.threeDNow, amd) << c.id;
        EXPECT_EQ(info.threeDNowExt, amd) << c.id;
        const std::vector<uint32_t> leaves =
            amd ? std::vector<uint32_t>{0, 1, 0x80000001} : std::vector<uint32_t>{0, 1};
        EXPECT_EQ(cpu.leaves, leaves) << c.id;
    }
}

TEST(CpuInfo, FeatureBitsAndTheSseTest) {
    struct Case {
        uint32_t features;
        bool sseRuns;
        bool fpu, mmx, sse, sse2;
        int sseTests;
    };
    const Case cases[] = {
        {0, true, false, false, false, false, 0},
        {kFpu | kMmx, true, true, true, false, false, 0},
        {kSse, true, false, false, true, false, 1},
        {kSse2, true, false, false, false, true, 1},
        {kAllFeatures, true, true, true, true, true, 2},
        // SSE in the processor, faulted by the system: MMX is unaffected.
        {kAllFeatures, false, true, true, false, false, 2},
    };
    for (const Case& c : cases) {
        FakeCpu cpu;
        cpu.features = c.features;
        cpu.sseRuns = c.sseRuns;
        CCpuInfo info;
        ReadCpuInfo(cpu, &info);
        EXPECT_EQ(info.fpu, c.fpu) << std::hex << c.features;
        EXPECT_EQ(info.mmx, c.mmx) << std::hex << c.features;
        EXPECT_EQ(info.sse, c.sse) << std::hex << c.features;
        EXPECT_EQ(info.sse2, c.sse2) << std::hex << c.features;
        EXPECT_EQ(cpu.sseTests, c.sseTests) << std::hex << c.features;
    }
}

TEST(CpuInfo, SignatureAndAmdExtensions) {
    struct Case {
        uint32_t signature;
        int family, model, stepping;
    };
    // The extended family and model fields are not read.
    const Case cases[] = {{0x00000F4A, 15, 4, 10}, {0x0000067A, 6, 7, 10}, {0x00A50F10, 15, 1, 0}};
    for (const Case& c : cases) {
        FakeCpu cpu;
        cpu.signature = c.signature;
        CCpuInfo info;
        ReadCpuInfo(cpu, &info);
        EXPECT_EQ(info.family, c.family) << std::hex << c.signature;
        EXPECT_EQ(info.model, c.model) << std::hex << c.signature;
        EXPECT_EQ(info.stepping, c.stepping) << std::hex << c.signature;
    }

    for (uint32_t bits : {k3DNow, k3DNowExt}) {
        FakeCpu cpu;
        cpu.ebx = 0x68747541;  // "AuthenticAMD"
        cpu.edx = 0x69746E65;
        cpu.ecx = 0x444D4163;
        cpu.amdFeatures = bits;
        CCpuInfo info;
        ReadCpuInfo(cpu, &info);
        EXPECT_EQ(info.threeDNow, bits == k3DNow);
        EXPECT_EQ(info.threeDNowExt, bits == k3DNowExt);
    }
}

TEST(CpuInfo, WithoutCpuidNothingIsKnown) {
    FakeCpu cpu;
    cpu.hasCpuid = false;
    CCpuInfo info;
    ReadCpuInfo(cpu, &info);
    EXPECT_TRUE(info.detected);
    EXPECT_TRUE(cpu.leaves.empty());
    EXPECT_EQ(cpu.sseTests, 0);
    EXPECT_EQ(info.vendorId, "Unknown");
    EXPECT_EQ(info.vendorName, "Unknown");
    EXPECT_FALSE(info.fpu || info.mmx || info.sse || info.sse2 || info.threeDNow ||
                 info.threeDNowExt);
    EXPECT_EQ(info.family, 0);
    EXPECT_EQ(info.model, 0);
    EXPECT_EQ(info.stepping, 0);
}

TEST(CpuInfo, ThisProcessorAsItsOwnFlagsTellIt) {
    __builtin_cpu_init();
    EXPECT_TRUE(IsCpuidAvailable());
    EXPECT_EQ(HasMMX(), __builtin_cpu_supports("mmx") != 0);
    EXPECT_EQ(HasSSE(), __builtin_cpu_supports("sse") != 0);
    EXPECT_EQ(HasSSE2(), __builtin_cpu_supports("sse2") != 0);
    EXPECT_TRUE(GetCpuInfo().detected);

    unsigned eax, ebx, ecx, edx;
    ASSERT_TRUE(__get_cpuid(0, &eax, &ebx, &ecx, &edx));
    const std::string id = std::string(reinterpret_cast<const char*>(&ebx), 4) +
                           std::string(reinterpret_cast<const char*>(&edx), 4) +
                           std::string(reinterpret_cast<const char*>(&ecx), 4);
    EXPECT_EQ(GetCpuVendorId(), id);
    if (__builtin_cpu_is("intel")) {
        EXPECT_EQ(GetCpuVendorName(), "Intel");
    }
    if (__builtin_cpu_is("amd")) {
        EXPECT_EQ(GetCpuVendorName(), "AMD");
        ASSERT_TRUE(__get_cpuid(0x80000001, &eax, &ebx, &ecx, &edx));
        EXPECT_EQ(Has3DNow(), (edx >> 31) != 0);
        EXPECT_EQ(Has3DNowExt(), ((edx >> 30) & 1) != 0);
    }

    ASSERT_TRUE(__get_cpuid(1, &eax, &ebx, &ecx, &edx));
    int family = -1, model = -1, stepping = -1;
    GetCpuSignature(&family, &model, &stepping);
    EXPECT_EQ(family, static_cast<int>((eax >> 8) & 0xF));
    EXPECT_EQ(model, static_cast<int>((eax >> 4) & 0xF));
    EXPECT_EQ(stepping, static_cast<int>(eax & 0xF));
}

TEST(SseProbe, FaultInsideTheGuardedRoutineIsCaught) {
    EXPECT_TRUE(RunLeafRoutineGuarded(mirl_test_return_at_once));
    EXPECT_FALSE(RunLeafRoutineGuarded(mirl_test_illegal_instruction));
    EXPECT_FALSE(RunLeafRoutineGuarded(mirl_test_null_read));
    // The guard is gone again and the next run starts clean.
    EXPECT_TRUE(RunLeafRoutineGuarded(mirl_test_return_at_once));
    // This processor has SSE and the system runs it.
    EXPECT_TRUE(TestSseExecution());
}

}  // namespace
