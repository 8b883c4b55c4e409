#include "core/model/store_ref.h"

#include "core/model/program.h"
#include "core/text/gbk.h"

namespace lumio {

std::optional<StoreRef> StoreRef::function(int number) { return of(StoreKind::Function, number); }
std::optional<StoreRef> StoreRef::thread(int number) { return of(StoreKind::Thread, number); }

std::optional<StoreRef> StoreRef::of(StoreKind kind, int number) {
    if (kind == StoreKind::Main) return main();
    const int count = kind == StoreKind::Function ? kFunctionCount : kThreadCount;
    if (number < 1 || number > count) return std::nullopt;
    return StoreRef(kind, number);
}

std::optional<StoreRef> StoreRef::fromId(int id, Edition edition) {
    if (id == kMainStoreId) return main();
    if (id >= 1 && id <= kFunctionCount) return StoreRef(StoreKind::Function, id);
    if (edition == Edition::Current && id > kThreadIdBase && id <= kThreadIdBase + kThreadCount)
        return StoreRef(StoreKind::Thread, id - kThreadIdBase);
    return std::nullopt;
}

int StoreRef::id() const {
    switch (kind_) {
    case StoreKind::Main: return kMainStoreId;
    case StoreKind::Function: return number_;
    case StoreKind::Thread: return kThreadIdBase + number_;
    }
    return kMainStoreId;
}

bool StoreRef::existsIn(Edition edition) const { return kind_ != StoreKind::Thread || edition == Edition::Current; }

std::string StoreRef::defaultName() const {
    static const std::string mainName = toGbk("主程序");
    static const std::string functionWord = toGbk("函数");
    static const std::string threadWord = toGbk("线程");
    switch (kind_) {
    case StoreKind::Main: return mainName;
    case StoreKind::Function: return functionWord + std::to_string(number_);
    case StoreKind::Thread: return threadWord + std::to_string(number_);
    }
    return mainName;
}

std::string StoreRef::displayName(const RenameTable* names) const {
    if (isMain()) return defaultName();
    return lumio::displayName(names, defaultName());
}

ProgramStore& StoreRef::in(Program& program) const {
    switch (kind_) {
    case StoreKind::Main: break;
    case StoreKind::Function: return program.function(number_);
    case StoreKind::Thread: return program.thread(number_);
    }
    return program.main;
}

const ProgramStore& StoreRef::in(const Program& program) const {
    switch (kind_) {
    case StoreKind::Main: break;
    case StoreKind::Function: return program.function(number_);
    case StoreKind::Thread: return program.thread(number_);
    }
    return program.main;
}

}  // namespace lumio
