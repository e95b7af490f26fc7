// Feeds arbitrary bytes to the data-file reader. Whatever loads must save and
// load again to the same number of cards.
#include <cstddef>
#include <cstdint>

#include "store/card_file.h"

namespace {

int CountCards(const quillox::CardCollection& collection) {
    int count = collection.Deleted().Count();
    for (int id = 0; id < quillox::kCategoryCount; ++id) {
        count += collection.Category(id).Count();
    }
    return count;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    quillox::LoadContext context;
    context.fileTitle = "fuzz.qxe";
    context.showMessage = [](const std::string&) {};
    // The seeds are encrypted under this password, so deciphered data is reached too.
    context.askPassword = [](const std::string&) {
        return std::optional<quillox::SecretString>(quillox::SecretString(std::string("password")));
    };
    quillox::CardCollection collection;
    if (!quillox::LoadCardFile(data, size, collection, context).ok) {
        return 0;
    }
    std::vector<unsigned char> image;
    if (!quillox::SaveCardFile(collection, image, context.showMessage)) {
        return 0;
    }
    quillox::CardCollection again;
    if (!quillox::LoadCardFile(image.data(), image.size(), again, context).ok ||
        CountCards(again) != CountCards(collection)) {
        __builtin_trap();
    }
    return 0;
}
