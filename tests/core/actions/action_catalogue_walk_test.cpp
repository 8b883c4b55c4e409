// Walks every kind, parameter 1 and parameter 2 that the editor offers, in both editions, and checks that
// each combination is named, renders a complete text for some parameter 3, and reads back what it
// stores.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/lang/actions/action_catalogue.h"
#include "core/lang/actions/action_examples.h"
#include "tests/core/actions/action_test_support.h"

namespace lumio {
namespace {

using testing::kClassicEdition;
using testing::kCurrentEdition;

std::vector<std::string> sampleParams(int kind, int p1, int p2) {
    std::vector<std::string> samples{"", "1", "1,2", "1,2,3,4,5,6,7"};
    for (int k = 1;; ++k) {
        const std::string example = actionExample(kind, p1, p2, k);
        if (example.empty()) break;
        samples.push_back(toUtf8(example));
    }
    return samples;
}

void walkCatalogue(const LangContext& context) {
    const char* edition = context.edition == Edition::Classic ? "classic" : "current";
    int combinations = 0;
    for (const OfferedEntry& kind : offeredActionKinds()) {
        const std::vector<OfferedEntry> param1 = offeredActionParam1(kind.code, context);
        EXPECT_FALSE(param1.empty()) << edition << " kind " << kind.code;
        int previous = 0;
        for (const OfferedEntry& p1 : param1) {
            EXPECT_GT(p1.code, previous) << edition << " kind " << kind.code;
            previous = p1.code;
            EXPECT_FALSE(p1.name.empty());
            EXPECT_EQ(actionParam1Name(kind.code, p1.code, context), p1.name);
            std::vector<OfferedEntry> param2 = offeredActionParam2(kind.code, p1.code, context);
            int previousP2 = 0;
            for (const OfferedEntry& p2 : param2) {
                EXPECT_GT(p2.code, previousP2) << edition << " " << kind.code << "/" << p1.code;
                previousP2 = p2.code;
                EXPECT_FALSE(p2.name.empty());
                EXPECT_EQ(actionParam2Name(kind.code, p1.code, p2.code, context), p2.name);
            }
            // Lists without parameter-2 entries (12/2..4) still store and render with p2 = 1.
            if (param2.empty()) param2.push_back({1, ""});
            for (const OfferedEntry& p2 : param2) {
                ++combinations;
                bool rendered = false;
                for (const std::string& param3 : sampleParams(kind.code, p1.code, p2.code)) {
                    const std::string where = std::string(edition) + " " + std::to_string(kind.code) + "/" +
                                              std::to_string(p1.code) + "/" + std::to_string(p2.code) + " «" +
                                              param3 + "»";
                    Statement statement = testing::actionStatementIn(context, kind.code, p1.code, p2.code, param3.c_str());
                    const std::string text = actionText(statement, context);
                    EXPECT_EQ(text.find("%s"), std::string::npos) << where;
                    rendered = rendered || !text.empty();
                    // What the editor shows as parameter 3 encodes back to the same bytes.
                    const Bytes stored(statement.param3());
                    ASSERT_TRUE(encodeActionParam(statement, decodeActionParam(statement, context), context)) << where;
                    EXPECT_EQ(Bytes(statement.param3()), stored) << where;
                }
                // Some texts need a particular number of items (10/16/33), but none is empty for all.
                EXPECT_TRUE(rendered) << edition << " " << kind.code << "/" << p1.code << "/" << p2.code;
            }
        }
    }
    EXPECT_GT(combinations, 400) << edition;
}

TEST(ActionCatalogueWalk, EveryOfferedCombinationRendersInTheCurrentBuild) { walkCatalogue(kCurrentEdition); }

TEST(ActionCatalogueWalk, EveryOfferedCombinationRendersInTheClassicBuild) { walkCatalogue(kClassicEdition); }

}  // namespace
}  // namespace lumio
