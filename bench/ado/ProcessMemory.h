#pragma once
// Memory of this process as Linux reports it, in KB.

class ProcessMemory {
public:
    static long resident();
    // The highest resident memory since resetPeak() (VmHWM, reset through clear_refs).
    static long peak();
    static void resetPeak();
};
