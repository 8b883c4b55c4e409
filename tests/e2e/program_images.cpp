#include "tests/e2e/program_images.h"

#include <stdexcept>

#include "core/model/program.h"
#include "core/model/program_image.h"

namespace lumio::test {
namespace {

constexpr std::size_t kStoreFill = 190000;

Statement statementWith(std::size_t param3Length, unsigned seed) {
    Statement statement;
    statement.isAction = 1;
    statement.setKind(1);
    statement.setParam1(1);
    statement.setParam2(1);
    Bytes param3(param3Length, '\0');
    for (std::size_t index = 0; index < param3Length; ++index)
        param3[index] = static_cast<char>('0' + (index * 7 + seed) % 43);
    statement.setParam3(param3);
    return statement;
}

}  // namespace

Bytes programImageOfSize(std::size_t size, unsigned seed) {
    Program program;
    ProgramStore* store = &program.main;
    int nextFunction = 1;
    std::size_t storeSize = 0;
    // Whole statements of 200 bytes of parameter while far from the size, then one statement that
    // makes up the rest (tried a few lengths: the record size is not a straight function of it).
    for (;;) {
        const std::size_t current = programBodySize(program) + kImageHeaderSize;
        if (current == size) break;
        if (current > size) throw std::invalid_argument("size not reachable");
        const std::size_t missing = size - current;
        if (storeSize > kStoreFill) {
            store = &program.function(nextFunction++);
            storeSize = 0;
            continue;
        }
        if (missing > 600) {
            store->insertAfter(store->count(), statementWith(200, seed++));
            storeSize += 207;
            continue;
        }
        // Close to the end: the last statements are sized to land exactly (a record is at least 7 bytes).
        bool landed = false;
        for (std::size_t length = std::min<std::size_t>(missing, 230);; --length) {
            const ProgramStore saved = *store;
            store->insertAfter(store->count(), statementWith(length, seed));
            const std::size_t reached = programBodySize(program) + kImageHeaderSize;
            if (reached == size || (reached < size && size - reached >= 7)) {
                landed = true;
                ++seed;
                break;
            }
            *store = saved;
            if (length == 0) break;
        }
        if (!landed) throw std::invalid_argument("size not reachable");
    }
    return buildProgramImage(program);
}

}  // namespace lumio::test
