#pragma once
// The program in memory: the main program, functions 1..100, threads 1..100 (the current edition
// only) and the user names. One per editor process, owned by the main window.
#include <array>
#include <cstdint>

#include "core/edition.h"
#include "core/lang/operands/rename_table.h"
#include "core/model/program_store.h"
#include "core/model/store_ref.h"

namespace lumio {

inline constexpr int kNamesBlockId = 1002;

class Program {
public:
    Program();

    ProgramStore main;
    std::array<ProgramStore, kFunctionCount> functions;  // functions[k - 1] is function k
    std::array<ProgramStore, kThreadCount> threads;      // threads[k - 1] is thread k (storeId 500 + k)
    RenameTable names;

    ProgramStore& function(int number) { return functions.at(static_cast<size_t>(number - 1)); }
    ProgramStore& thread(int number) { return threads.at(static_cast<size_t>(number - 1)); }
    const ProgramStore& function(int number) const { return functions.at(static_cast<size_t>(number - 1)); }
    const ProgramStore& thread(int number) const { return threads.at(static_cast<size_t>(number - 1)); }

    ProgramStore& store(StoreRef ref) { return ref.in(*this); }
    const ProgramStore& store(StoreRef ref) const { return ref.in(*this); }

    // Empties every store and the names (the New command).
    void clear();
    bool empty() const;
};

}  // namespace lumio
