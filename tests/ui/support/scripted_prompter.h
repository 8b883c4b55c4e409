#pragma once
// A prompter for tests: it records every message and question in order and answers from a script.
// A question without a scripted answer is answered No/Cancel/nothing and counted as unexpected.
#include <QList>
#include <QString>
#include <deque>

#include "ui/app/prompter.h"

namespace lumio::testing {

struct Prompt {
    enum Kind { Inform, YesNo, YesNoCancel, OpenFile, SaveFile };
    Kind kind;
    QString text;     // message text, or the dialog's filter
    QString caption;  // caption, or the dialog's starting folder
};

class ScriptedPrompter : public Prompter {
public:
    ScriptedPrompter& answer(Answer answer);
    ScriptedPrompter& yes() { return answer(Answer::Yes); }
    ScriptedPrompter& no() { return answer(Answer::No); }
    ScriptedPrompter& cancel() { return answer(Answer::Cancel); }
    // The file a dialog returns; an empty path cancels the dialog.
    ScriptedPrompter& file(const QString& path);

    void inform(const QString& text, const QString& caption) override;
    bool askYesNo(const QString& text, const QString& caption) override;
    Answer askYesNoCancel(const QString& text, const QString& caption) override;
    QString openFileName(const FileFilter& filter, const QString& folder) override;
    QString saveFileName(const FileFilter& filter, const QString& folder) override;

    QList<Prompt> prompts;
    int unexpected = 0;
    // Answers left over; a test ends with none.
    size_t pending() const { return script_.size(); }
    void reset();

private:
    struct Step {
        bool isFile;
        Answer answer;
        QString path;
    };
    Step next(bool wantFile);
    std::deque<Step> script_;
};

}  // namespace lumio::testing
