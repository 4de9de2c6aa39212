#include "generator/page_line.h"

namespace generator {

void writePageLine(std::ostream& page, std::initializer_list<std::string_view> pieces) {
    for (std::string_view piece : pieces) {
        page << piece;
    }
    page << pageLineEnd << std::flush;
}

}  // namespace generator
