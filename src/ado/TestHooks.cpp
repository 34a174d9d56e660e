#include "ado/TestHooks.h"

#include <atomic>

namespace ado {

namespace {
std::atomic<int> pendingFailures{0};
}

void TestHooks::failNextOperations(int operations)
{
    pendingFailures = operations;
}

bool TestHooks::consumeFailure()
{
    int left = pendingFailures.load();
    while (left > 0) {
        if (pendingFailures.compare_exchange_weak(left, left - 1))
            return true;
    }
    return false;
}

} // namespace ado
