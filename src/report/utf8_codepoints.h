#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace kirvos {

// Unicode code points of a UTF-8 text. A byte that does not start a valid sequence becomes U+FFFD, so a
// damaged text still serialises to something readable.
std::vector<char32_t> DecodeUtf8(std::string_view text);

}  // namespace kirvos
