#include "platform/cpu_info.h"

#include <cpuid.h>

#include <cstring>

#include "platform/sse_probe.h"

namespace {

constexpr uint32_t kEflagsId = 1u << 21;
constexpr uint32_t kLeafVendor = 0;
constexpr uint32_t kLeafFeatures = 1;
constexpr uint32_t kLeafAmdFeatures = 0x80000001;

constexpr uint32_t kFeatureFpu = 1u << 0;
constexpr uint32_t kFeatureMmx = 1u << 23;
constexpr uint32_t kFeatureSse = 1u << 25;
constexpr uint32_t kFeatureSse2 = 1u << 26;
constexpr uint32_t kAmd3DNowExt = 1u << 30;
constexpr uint32_t kAmd3DNow = 1u << 31;

struct Vendor {
    const char* id;
    const char* name;
};

const Vendor kVendors[] = {
    {"GenuineIntel", "Intel"}, {"AuthenticAMD", "AMD"}, {"CyrixInstead", "Cyrix"},
    {"CentaurHauls", "IDT"},   {"RiseRiseRise", "Rise"},
};

const char* VendorName(const std::string& id) {
    for (const Vendor& vendor : kVendors) {
        if (id == vendor.id) return vendor.name;
    }
    return "Unknown";
}

void AppendWord(std::string* text, uint32_t word) {
    char bytes[4];
    std::memcpy(bytes, &word, sizeof bytes);  // lowest byte first
    text->append(bytes, sizeof bytes);
}

class CProcessorCpuidReader : public CCpuidReader {
public:
    bool HasCpuid() override { return IsCpuidAvailable(); }
    CpuidRegisters Cpuid(uint32_t leaf) override {
        CpuidRegisters r;
        __cpuid(leaf, r.eax, r.ebx, r.ecx, r.edx);
        return r;
    }
    bool RunsSse() override { return TestSseExecution(); }
};

CCpuInfo g_cpu;

}  // namespace

void ReadCpuInfo(CCpuidReader& reader, CCpuInfo* info) {
    info->detected = true;
    if (!reader.HasCpuid()) return;

    const CpuidRegisters vendor = reader.Cpuid(kLeafVendor);
    std::string id;
    AppendWord(&id, vendor.ebx);
    AppendWord(&id, vendor.edx);
    AppendWord(&id, vendor.ecx);
    info->vendorId = id;
    info->vendorName = VendorName(id);

    const CpuidRegisters features = reader.Cpuid(kLeafFeatures);
    info->fpu = (features.edx & kFeatureFpu) != 0;
    info->mmx = (features.edx & kFeatureMmx) != 0;
    info->sse = (features.edx & kFeatureSse) != 0 && reader.RunsSse();
    info->sse2 = (features.edx & kFeatureSse2) != 0 && reader.RunsSse();
    info->stepping = features.eax & 0xF;
    info->model = (features.eax >> 4) & 0xF;
    info->family = (features.eax >> 8) & 0xF;

    if (info->vendorName == "AMD") {
        const CpuidRegisters amd = reader.Cpuid(kLeafAmdFeatures);
        info->threeDNow = (amd.edx & kAmd3DNow) != 0;
        info->threeDNowExt = (amd.edx & kAmd3DNowExt) != 0;
    }
}

void DetectCpu() {
    if (g_cpu.detected) return;
    CProcessorCpuidReader reader;
    ReadCpuInfo(reader, &g_cpu);
}

const CCpuInfo& GetCpuInfo() {
    DetectCpu();
    return g_cpu;
}

bool IsCpuidAvailable() {
#ifdef _WIN64
    // Every 64-bit processor has the instruction.
    return true;
#else
    uint32_t original;
    uint32_t toggled;
    __asm__ volatile(
        "pushfl\n\t"
        "pushfl\n\t"
        "popl %0\n\t"
        "movl %0, %1\n\t"
        "xorl %2, %1\n\t"
        "pushl %1\n\t"
        "popfl\n\t"
        "pushfl\n\t"
        "popl %1\n\t"
        "popfl\n\t"
        : "=&r"(original), "=&r"(toggled)
        : "i"(kEflagsId)
        : "cc");
    return ((original ^ toggled) & kEflagsId) != 0;
#endif
}

bool HasFPU() { return GetCpuInfo().fpu; }
bool HasMMX() { return GetCpuInfo().mmx; }
bool HasSSE() { return GetCpuInfo().sse; }
bool HasSSE2() { return GetCpuInfo().sse2; }
bool Has3DNow() { return GetCpuInfo().threeDNow; }
bool Has3DNowExt() { return GetCpuInfo().threeDNowExt; }

std::string GetCpuVendorId() { return GetCpuInfo().vendorId; }

std::string GetCpuVendorName() { return GetCpuInfo().vendorName; }

void GetCpuSignature(int* family, int* model, int* stepping) {
    const CCpuInfo& info = GetCpuInfo();
    *family = info.family;
    *model = info.model;
    *stepping = info.stepping;
}
