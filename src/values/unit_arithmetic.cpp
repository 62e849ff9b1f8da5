#include "values/unit_arithmetic.h"

namespace tavrik {

std::string TimeOperation(ValueContext&, int, std::string_view, std::string_view second) {
    return std::string(second);
}

std::string DateOperation(ValueContext&, int, std::string_view, std::string_view second) {
    return std::string(second);
}

}  // namespace tavrik
