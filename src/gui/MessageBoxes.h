#pragma once

#include <QString>

#include <deque>
#include <optional>
#include <vector>

class QWidget;

namespace pafdm {

// The one way the desktop program shows a message box: buttons and icon
// from a message-box style, the answer as a message-box answer. A top-most
// box (frmTopMessage) is owned by a top-most, foreground window so it comes
// up in front of every other window, the program's top-most ones included.
// Tests answer boxes in advance: while answers are queued (or scripting is
// on), a box is recorded and answered without being shown.
class MessageBoxes {
public:
    struct Shown {
        QString prompt;
        int style = 0;
        QString title;
        bool topMost = false;
    };

    static int Show(QWidget* parent, const QString& prompt, int style, const QString& title, bool topMost);

    // Test hooks: answer the next boxes with `answers`, then (while
    // scripted) with the answer that commits to nothing.
    static void Script(std::deque<int> answers);
    static void StopScripting();
    static std::vector<Shown>& Recorded();
};

} // namespace pafdm
