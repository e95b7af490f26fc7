#pragma once

#include <nlohmann/json.hpp>

#include "store/card_collection.h"
#include "store/card_file.h"

namespace quillox::cli {

// The collection as a JSON object; texts are converted to UTF-8.
nlohmann::ordered_json CollectionToJson(const CardCollection& collection, const LoadResult& loaded);

}  // namespace quillox::cli
