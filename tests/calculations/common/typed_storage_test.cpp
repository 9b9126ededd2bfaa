#include "calculations/common/typed_storage.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quillon {
namespace {

TEST(TypedStorage, OnlyTheNamedBoxesDecide) {
    struct Case {
        std::vector<std::string> boxes;
        std::vector<int> decide;
        bool singles;
    };
    const std::vector<Case> cases = {
        {{"1234567", "1.234567", ".001"}, {1, 2, 3}, true},
        {{"12345678", "1.234567", ".001"}, {1, 2, 3}, false},
        {{"1234567", "1.2345678", ".001"}, {1, 2, 3}, false},
        // Box 2 is not asked about.
        {{"1234567", "1.2345678", ".001"}, {1, 3}, true},
        // An empty box reads 0; beyond the single range counts as fitting (it overflows when read).
        {{"", "1E39", "-9999999"}, {1, 2, 3}, true},
        {{"", "1E39", "-16777217"}, {1, 2, 3}, false},
        {{"&H1000001"}, {1}, false},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(row.boxes.front());
        EXPECT_EQ(singlesHold(row.boxes, row.decide), row.singles);
    }
}

TEST(TypedStorage, TheStepsRunInTheStorageTheBoxesChoose) {
    const auto storageName = [](auto real) {
        return std::string(sizeof(real) == sizeof(float) ? "single" : "double");
    };
    const auto run = [&](std::vector<std::string> boxes) {
        const Outcome outcome = inTypedStorage(
            boxes, {1}, [&](auto real) -> Outcome { return Answer{.text = storageName(real)}; });
        return std::get<Answer>(outcome).text;
    };
    EXPECT_EQ(run({"10000000"}), "single");
    EXPECT_EQ(run({"10000001"}), "double");
}

} // namespace
} // namespace quillon
