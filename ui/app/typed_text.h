#pragma once
// Text typed into a window, given to core as GBK. A character GBK cannot hold is stored as '?' (the
// program's text has no other form for it); the user is told which one in a note beside the field
// that asks for nothing and goes away by itself, so typing goes on undisturbed.
#include <QString>
#include <string>

class QWidget;

namespace lumio {

// The GBK of `text`, typed into `field`; names the first replaced character beside `field`.
std::string typedGbk(const QString& text, QWidget* field);
// The note's text for a character that was replaced.
QString replacedCharacterNote(const QString& character);

}  // namespace lumio
