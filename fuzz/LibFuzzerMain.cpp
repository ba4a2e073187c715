// The libFuzzer side of one target; ZODIORA_FUZZ_ENTRY names its entry.
#include "fuzz/FuzzEntries.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    return zodiora::fuzz::ZODIORA_FUZZ_ENTRY(data, size);
}
