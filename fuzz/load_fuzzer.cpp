// Feeds arbitrary bytes to the data-file reader; whatever loads must save
// and load again to the same bytes.
#include <cstddef>
#include <cstdint>

#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The seeds are encrypted under this password, so deciphered data is reached too.
    const quillox::LoadContext context = quillox::fuzz::Answering(std::string("password"));
    quillox::CardCollection collection;
    if (quillox::LoadCardFile(data, size, collection, context).ok) {
        quillox::fuzz::CheckRoundTrip(collection);
    }
    return 0;
}
