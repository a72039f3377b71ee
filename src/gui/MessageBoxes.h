#pragma once

#include <QString>

class QWidget;

namespace pafdm {

// Answers the program's message boxes: a message-box style and texts in, a
// message-box answer out. The desktop program shows each box and waits for
// the user (MessageBoxes); tests put in one that answers without showing.
class MessageBoxAnswerer {
public:
    virtual ~MessageBoxAnswerer() = default;

    // Returns the answer (MessageAnswer) to one box; `parent` owns the box
    // unless it is top-most.
    virtual int Answer(QWidget* parent, const QString& prompt, int style, const QString& title, bool topMost) = 0;
};

// The one way the desktop program shows a message box: buttons and icon
// from a message-box style, the answer as a message-box answer. A top-most
// box (frmTopMessage) is owned by a top-most, foreground window so it comes
// up in front of every other window, the program's top-most ones included.
class MessageBoxes final : public MessageBoxAnswerer {
public:
    int Answer(QWidget* parent, const QString& prompt, int style, const QString& title, bool topMost) override
    {
        return Show(parent, prompt, style, title, topMost);
    }

    // Shows the box and waits for the user; the close box or Escape gives
    // the answer that commits to nothing.
    static int Show(QWidget* parent, const QString& prompt, int style, const QString& title, bool topMost);
};

} // namespace pafdm
