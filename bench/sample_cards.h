#pragma once

#include <cstdlib>
#include <vector>

#include "store/card_collection.h"
#include "store/card_file.h"
#include "store/typical_cards.h"

namespace quillox::bench {

// The cards as a document holds them once read from a file: their texts lie
// in the file image.
inline CardCollection ReadBack(CardCollection typed) {
    std::vector<unsigned char> image;
    CardCollection loaded;
    if (!SaveCardFile(typed, image, nullptr) ||
        !LoadCardFile(image.data(), image.size(), loaded, {}).ok) {
        std::abort();
    }
    return loaded;
}

}  // namespace quillox::bench
