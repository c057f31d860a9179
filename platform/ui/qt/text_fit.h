// No text of a static may be cut off. The templates were measured in MS Shell Dlg; where the face
// standing in for it needs a few pixels more, the static sets its text slightly tighter (at most 8%)
// rather than lose a word.
#pragma once

class QLabel;

namespace vexor::ui::qt {

// TRUE when the label's text, word-wrapped, fits its size.
bool textFits(const QLabel& label);

// Tightens the letter spacing step by step until the text fits or the limit is reached.
void fitText(QLabel& label);

} // namespace vexor::ui::qt
