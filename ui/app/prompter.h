#pragma once
// Message boxes and file dialogs behind one interface, injected into the windows, so every flow that
// asks or reports can run with scripted answers.
#include <QString>

class QWidget;

namespace lumio {

// A file dialog's choices, made from a filter written as "描述(*.ext)|*.ext|...||".
struct FileFilter {
    QString filter;         // Qt form: "程序文件(*.zt5);;所有文件(*.*)"
    QString defaultSuffix;  // appended to a typed name without one, before the overwrite question
};
FileFilter fileFilterFrom(const QString& pattern);

class Prompter {
public:
    enum class Answer { Yes, No, Cancel };

    virtual ~Prompter() = default;
    // A report with an OK button.
    virtual void inform(const QString& text, const QString& caption) = 0;
    // Yes/No question; true for Yes.
    virtual bool askYesNo(const QString& text, const QString& caption) = 0;
    virtual Answer askYesNoCancel(const QString& text, const QString& caption) = 0;
    // The chosen file, or an empty text when the user cancelled. The save dialog asks before a file is
    // overwritten.
    virtual QString openFileName(const FileFilter& filter, const QString& folder) = 0;
    virtual QString saveFileName(const FileFilter& filter, const QString& folder) = 0;
};

// The questions before a list deletes its selected lines: "您没有选择信息！" when nothing is selected
// (`lowestSelected` < 0), else "确认要删除吗？". True when the lines are to go.
bool confirmDeleteSelection(Prompter& prompter, int lowestSelected);
// "确认要删除全部信息吗？"; true for Yes.
bool confirmDeleteAll(Prompter& prompter);

// The prompter of a running editor: modal message boxes and file dialogs owned by `parent`.
class WidgetPrompter : public Prompter {
public:
    explicit WidgetPrompter(QWidget* parent) : parent_(parent) {}
    void inform(const QString& text, const QString& caption) override;
    bool askYesNo(const QString& text, const QString& caption) override;
    Answer askYesNoCancel(const QString& text, const QString& caption) override;
    QString openFileName(const FileFilter& filter, const QString& folder) override;
    QString saveFileName(const FileFilter& filter, const QString& folder) override;

private:
    QWidget* parent_;
};

}  // namespace lumio
