#include "calculations/common/typed_storage.h"

namespace quillon {

bool singlesHold(InputTexts inputs, std::span<const int> boxes) {
    for (const int box : boxes)
        if (!fitsSingle(readNumber(inputs[static_cast<std::size_t>(box - 1)])))
            return false;
    return true;
}

} // namespace quillon
