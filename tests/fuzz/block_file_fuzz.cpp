// Fuzzes the store-image reader behind block files: any bytes, read as a StoreImage, must not crash,
// loop or read outside the input, and what is read must write and read back to itself.
#include <cstdint>
#include <cstdlib>

#include "core/model/program_store.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    using namespace lumio;
    const ByteView input(reinterpret_cast<const char*>(data), size);
    ProgramStore store;
    store.readImage(input);
    const Bytes image = store.image();
    if (image.size() != store.imageSize()) std::abort();
    if (image.size() <= kMaxStoreImage) {
        ProgramStore again;
        again.readImage(image);
        if (again.image() != image) std::abort();
    }
    return 0;
}
