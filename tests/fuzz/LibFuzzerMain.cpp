// fuzz_tablefile: the table file reader under libFuzzer. Start it on the seed files:
//   fuzz_tablefile_replay --write-corpus corpus && fuzz_tablefile corpus

#include "TableFileTarget.h"

#include <cstdio>
#include <cstdlib>
#include <exception>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    try {
        (void)checkTableFile(data, size);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "fuzz_tablefile: %s\n", e.what());
        std::abort();
    }
    return 0;
}
