#include "formats/Fault.h"

namespace formats {

std::string Item(const std::string &Path, std::size_t Index) {
    return Path + '[' + std::to_string(Index) + ']';
}

std::string Join(const std::string &Path, const std::string &Key) {
    return Path.empty() ? Key : Path + '.' + Key;
}

} // namespace formats
