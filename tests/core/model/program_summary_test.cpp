// The figures `lumio check` gives without holding statements must be those of a loaded program, and
// the listing read statement by statement must be the listing of the loaded store.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/listing/listing.h"
#include "core/model/program_files.h"
#include "core/model/program_image.h"
#include "core/model/program_summary.h"
#include "core/text/gbk.h"
#include "tests/core/model/model_fixtures.h"

namespace lumio {
namespace {

using testing::action;
using testing::blockBegin;
using testing::blockEnd;
using testing::condition;

void expectSameStore(const StoreSummary& summary, const ProgramStore& store, const std::string& what) {
    EXPECT_EQ(summary.statements, store.count()) << what;
    EXPECT_EQ(summary.imageSize, store.imageSize()) << what;
}

void expectSummaryOfLoad(ByteView image, Edition edition, const std::string& what) {
    Program program;
    loadProgramImage(program, image, edition);
    const ProgramSummary summary = summariseProgramImage(image, edition);
    EXPECT_EQ(summary.bodySize, programBodySize(program, edition)) << what;
    EXPECT_EQ(summary.namedCount, program.names.namedCount()) << what;
    expectSameStore(summary.main, program.main, what + " main");
    for (int k = 1; k <= kFunctionCount; ++k)
        expectSameStore(summary.functions[static_cast<size_t>(k - 1)], program.function(k), what + " function");
    for (int k = 1; k <= kThreadCount; ++k)
        expectSameStore(summary.threads[static_cast<size_t>(k - 1)], program.thread(k), what + " thread");
}

// A body item: length, id, content.
Bytes item(int id, ByteView content) {
    Bytes out;
    appendU32BigEndian(out, static_cast<std::uint32_t>(content.size() + 6));
    appendU16BigEndian(out, static_cast<std::uint16_t>(id));
    out += content;
    return out;
}

Bytes sealed(ByteView body) {
    Bytes image(kImageHeaderSize, '\0');
    image += body;
    sealProgramImage(image);
    return image;
}

TEST(ProgramSummary, MatchesTheLoadedProgram) {
    Program program;
    program.main.insertAfter(kAppend, condition(1, 1, 2));
    program.main.insertAfter(kAppend, blockBegin());
    Statement commented = action(1, 1, 5);
    commented.comment = std::string(80, 'c');  // 63 bytes survive
    program.main.insertAfter(kAppend, commented);
    program.main.insertAfter(kAppend, blockEnd());
    program.function(9).insertAfter(kAppend, action(3, 2, 1));
    program.thread(4).insertAfter(kAppend, action(3, 2, 2));
    program.names.entries.push_back({toGbk("输入3"), toGbk("启动键")});
    const Bytes image = buildProgramImage(program);

    // Records that load to another length: a record claiming more parameter bytes than it holds, and
    // one of 255 bytes whose comment is cut on saving.
    Bytes odd;
    odd += std::string("\x0A\x80\x00\x01\x01\x01\xC8\x01\x02\x03", 10);
    odd += std::string("\xFF\x00\x00\x01\x01\x01\x00", 7) + std::string(248, 'k');
    // Later items replace earlier ones, names blocks included; unknown ids are skipped.
    const Bytes body = item(0, odd) + item(5, statementRecord(action(1))) + item(777, "xyz") +
                       item(5, statementRecord(action(2)) + statementRecord(action(2))) +
                       item(kNamesBlockId, toGbk("甲\t=\t输入1\r\n")) + item(kNamesBlockId, toGbk("乙\t=\t输入2\r\n")) +
                       item(503, statementRecord(action(1)));
    const Bytes broken = sealed(item(0, odd) + Bytes("\x00\x00\x00\x03\x00\x01", 6) + item(1, statementRecord(action(1))));

    const struct {
        const char* what;
        Bytes image;
    } cases[] = {{"built", image}, {"odd records", sealed(body)}, {"items that stop tiling", broken}, {"empty", sealed("")}};
    for (const auto& c : cases)
        for (Edition edition : {Edition::Current, Edition::Classic}) expectSummaryOfLoad(c.image, edition, c.what);

    for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(LUMIO_TEST_DATA) / "open")) {
        if (entry.path().extension() != ".zt5") continue;
        auto bytes = readProgramFile(entry.path());
        ASSERT_TRUE(bytes);
        expectSummaryOfLoad(*bytes, Edition::Current, entry.path().filename().string());
    }
}

TEST(ProgramSummary, ItemsAreTheOnesLoaded) {
    const Bytes image = sealed(item(2, statementRecord(action(1))) + item(2, statementRecord(action(4))) +
                               item(kNamesBlockId, toGbk("甲\t=\t输入1\r\n")) + item(kNamesBlockId, "") +
                               item(601, statementRecord(action(1))) + item(600, statementRecord(action(6))));
    const ProgramImageItems current = findProgramImageItems(image, Edition::Current);
    EXPECT_TRUE(current.main.empty());
    EXPECT_EQ(current.functions[1], item(2, statementRecord(action(4))));
    EXPECT_EQ(current.namesText, toGbk("甲\t=\t输入1\r\n")) << "an empty names block changes nothing";
    EXPECT_EQ(current.threads[99], item(600, statementRecord(action(6))));
    EXPECT_TRUE(findProgramImageItems(image, Edition::Classic).threads[99].empty());
}

// Statements read one by one, with the depth loading gives them, render the listing of the store.
TEST(ProgramSummary, StreamedListingMatchesTheLoadedStore) {
    ProgramStore store;
    const Statement statements[] = {action(1, 1, 1), condition(1, 1, 2), blockBegin(),  condition(16, 3, 1),
                                    blockBegin(),    action(1, 1, 5),    blockEnd(),    blockEnd(),
                                    blockEnd(),      condition(2, 1, 2), condition(2, 2, 2), action(1, 1, 6)};
    for (const Statement& statement : statements) store.insertAfter(kAppend, statement);
    store.statements[9].orWithPrevious = 1;
    store.statements[10].comment = toGbk("备注");
    const Bytes image = store.image();
    ProgramStore loaded;
    loaded.readImage(image);
    const LangContext context{};
    std::vector<ListingLine> streamed;
    ListingRenderer renderer(context);
    forEachStoredStatement(image, [&](const Statement& statement) { streamed.push_back(renderer.next(statement)); });
    EXPECT_EQ(streamed, renderListing(loaded, context));
    EXPECT_EQ(summariseStoreImage(image).statements, loaded.count());
    for (size_t i = 0; i < loaded.count(); ++i) EXPECT_EQ(renderListingLine(loaded, i, context), streamed[i]) << i;
}

}  // namespace
}  // namespace lumio
