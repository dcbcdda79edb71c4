// Whether the system lets SSE instructions run: a processor may have them
// while the system does not save their registers and faults them instead.
#pragma once

// A routine of machine code that keeps nothing on the stack of its own, so
// that leaving it early is a plain return.
using LeafRoutine = void (*)();

// The assembler name of a C function defined in an __asm__ block: the
// target's C prefix ("_" on 32-bit Windows, none on 64-bit) and the name.
#define MIRL_ASM_STRINGIFY(x) #x
#define MIRL_ASM_PREFIXED(prefix, name) MIRL_ASM_STRINGIFY(prefix) #name
#define MIRL_ASM_SYMBOL(name) MIRL_ASM_PREFIXED(__USER_LABEL_PREFIX__, name)

// Runs the routine on the calling thread. When the system raises any
// exception inside it, the routine is left as if it had returned, and the
// answer is false.
bool RunLeafRoutineGuarded(LeafRoutine routine);

// Clears an XMM register under that guard; true when it ran.
bool TestSseExecution();
