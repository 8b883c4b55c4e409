#include "scripted_prompter.h"

namespace lumio::testing {

ScriptedPrompter& ScriptedPrompter::answer(Answer answer) {
    script_.push_back({false, answer, {}});
    return *this;
}

ScriptedPrompter& ScriptedPrompter::file(const QString& path) {
    script_.push_back({true, Answer::Cancel, path});
    return *this;
}

void ScriptedPrompter::reset() {
    prompts.clear();
    script_.clear();
    unexpected = 0;
}

ScriptedPrompter::Step ScriptedPrompter::next(bool wantFile) {
    if (script_.empty() || script_.front().isFile != wantFile) {
        ++unexpected;
        return {wantFile, wantFile ? Answer::Cancel : Answer::Cancel, {}};
    }
    Step step = script_.front();
    script_.pop_front();
    return step;
}

void ScriptedPrompter::inform(const QString& text, const QString& caption) { prompts.append({Prompt::Inform, text, caption}); }

bool ScriptedPrompter::askYesNo(const QString& text, const QString& caption) {
    prompts.append({Prompt::YesNo, text, caption});
    return next(false).answer == Answer::Yes;
}

Prompter::Answer ScriptedPrompter::askYesNoCancel(const QString& text, const QString& caption) {
    prompts.append({Prompt::YesNoCancel, text, caption});
    return next(false).answer;
}

QString ScriptedPrompter::openFileName(const FileFilter& filter, const QString& folder) {
    prompts.append({Prompt::OpenFile, filter.filter, folder});
    return next(true).path;
}

QString ScriptedPrompter::saveFileName(const FileFilter& filter, const QString& folder) {
    prompts.append({Prompt::SaveFile, filter.filter, folder});
    return next(true).path;
}

}  // namespace lumio::testing
