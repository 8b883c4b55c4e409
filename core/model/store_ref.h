#pragma once
// Which store of a program a list, an edit or a file command is about: the main program, function k
// or thread k (k in 1..100). The number a StoreImage carries is its id: 0 main, k function k,
// 500 + k thread k. Threads exist only in the current edition; `fromId` refuses them elsewhere.
#include <compare>
#include <optional>
#include <string>

#include "core/edition.h"
#include "core/lang/operands/rename_table.h"

namespace lumio {

class Program;
class ProgramStore;

inline constexpr int kFunctionCount = 100;
inline constexpr int kThreadCount = 100;
inline constexpr int kThreadIdBase = 500;
inline constexpr int kMainStoreId = 0;

enum class StoreKind { Main, Function, Thread };

class StoreRef {
public:
    // The main program.
    constexpr StoreRef() = default;
    static constexpr StoreRef main() { return {}; }
    // Function or thread `number`, 1..100; nothing outside that range.
    static std::optional<StoreRef> function(int number);
    static std::optional<StoreRef> thread(int number);
    static std::optional<StoreRef> of(StoreKind kind, int number);
    // The store with StoreImage id `id` in `edition`, nothing when the edition has no such store.
    static std::optional<StoreRef> fromId(int id, Edition edition = Edition::Current);

    StoreKind kind() const { return kind_; }
    // 0 for the main program, 1..100 otherwise.
    int number() const { return number_; }
    int id() const;
    bool isMain() const { return kind_ == StoreKind::Main; }
    // Whether a program of `edition` has this store.
    bool existsIn(Edition edition) const;

    // The default name ("主程序", "函数3", "线程3") and the name shown to the user (the user's name of
    // a function or thread when there is one), GBK.
    std::string defaultName() const;
    std::string displayName(const RenameTable* names) const;

    ProgramStore& in(Program& program) const;
    const ProgramStore& in(const Program& program) const;

    friend constexpr bool operator==(StoreRef, StoreRef) = default;

private:
    constexpr StoreRef(StoreKind kind, int number) : kind_(kind), number_(number) {}
    StoreKind kind_ = StoreKind::Main;
    int number_ = 0;
};

}  // namespace lumio
