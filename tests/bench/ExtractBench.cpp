// make bench: times ExtractArchive on one archive, inside the process, so that
// Wine's start-up does not count. Prints the result and the seconds taken.
#include <windows.h>

#include <cstdio>

#include "install/PayloadExtraction.h"

int wmain(int argc, wchar_t** argv)
{
    if (argc != 3) {
        fwprintf(stderr, L"usage: extract_bench ARCHIVE TARGET_FOLDER\n");
        return 2;
    }
    CreateDirectoryW(argv[2], nullptr);
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    int result = ExtractArchive(argv[1], argv[2], 0);
    QueryPerformanceCounter(&end);
    double seconds = static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
    printf("result=%d seconds=%.6f\n", result, seconds);
    return result == 0 ? 0 : 1;
}
