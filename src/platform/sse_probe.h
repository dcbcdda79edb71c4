// Whether the system lets SSE instructions run: a processor may have them
// while the system does not save their registers and faults them instead.
#pragma once

// A routine of machine code that keeps nothing on the stack of its own, so
// that leaving it early is a plain return.
using LeafRoutine = void (*)();

// Runs the routine on the calling thread. When the system raises any
// exception inside it, the routine is left as if it had returned, and the
// answer is false.
bool RunLeafRoutineGuarded(LeafRoutine routine);

// Clears an XMM register under that guard; true when it ran.
bool TestSseExecution();
