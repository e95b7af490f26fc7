#pragma once

#include <ostream>

#include "store/card_collection.h"
#include "store/card_file.h"

namespace quillox::cli {

// Writes the collection as a JSON object, texts converted to UTF-8, laid out
// as nlohmann's dump with an indent of 2. It goes out card by card, so that
// no more than one card's JSON is held in memory; writing stops early once
// the stream has failed.
void WriteCollectionJson(const CardCollection& collection, const LoadResult& loaded,
                         std::ostream& out);

}  // namespace quillox::cli
