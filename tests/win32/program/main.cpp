// Runs the Win32 platform layer against the real system: process query,
// process launcher and stacking step, plus the program's icon resource. The
// same executable also serves as the child process that some checks start.

#include "check.h"
#include "test_support.h"

void testProcessQuery(const TempFolder& temp);
void testProcessLauncher(const TempFolder& temp);
void testWindowStacking();
void testAppIcon();

int wmain(int argc, wchar_t** argv)
{
    if (const std::optional<int> childResult = runChildMode(argc, argv))
        return *childResult;

    {
        const TempFolder temp;
        testProcessQuery(temp);
        testProcessLauncher(temp);
    }
    testWindowStacking();
    testAppIcon();
    return finishChecks();
}
