// The processor's vendor, features and signature, read once with CPUID. The
// MMX and SSE answers choose the paths of every pixel routine.
#pragma once

#include <cstdint>
#include <string>

struct CCpuInfo {
    bool detected = false;
    std::string vendorId = "Unknown";    // the 12 characters CPUID gives
    std::string vendorName = "Unknown";  // short name, "Unknown" for others
    bool fpu = false;
    bool mmx = false;
    bool sse = false;   // the processor has it and the system runs it
    bool sse2 = false;  // likewise
    bool threeDNow = false;     // read on AMD processors only
    bool threeDNowExt = false;  // likewise
    int family = 0;
    int model = 0;
    int stepping = 0;
};

struct CpuidRegisters {
    uint32_t eax, ebx, ecx, edx;
};

// The processor as the detection sees it.
class CCpuidReader {
public:
    virtual ~CCpuidReader() = default;
    // Whether the CPUID instruction exists (EFLAGS.ID can be toggled).
    virtual bool HasCpuid() = 0;
    virtual CpuidRegisters Cpuid(uint32_t leaf) = 0;
    // Whether the system lets an SSE instruction run.
    virtual bool RunsSse() = 0;
};

// Fills `info` from what the reader answers; `detected` is set first, so a
// processor without CPUID keeps the initial values and counts as detected.
void ReadCpuInfo(CCpuidReader& reader, CCpuInfo* info);

// Fills the program's record from this processor on the first call.
void DetectCpu();
// The program's record, detected first.
const CCpuInfo& GetCpuInfo();

bool IsCpuidAvailable();
bool HasFPU();
bool HasMMX();
bool HasSSE();
bool HasSSE2();
bool Has3DNow();
bool Has3DNowExt();
std::string GetCpuVendorId();
std::string GetCpuVendorName();
void GetCpuSignature(int* family, int* model, int* stepping);
