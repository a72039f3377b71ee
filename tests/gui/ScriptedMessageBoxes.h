#pragma once

#include "gui/MessageBoxes.h"

#include <QString>

#include <deque>
#include <vector>

namespace pafdm {

// Answers message boxes in advance, for tests: each box is recorded and
// answered without being shown, with the scripted answers in turn and then
// with the answer that commits to nothing. Give it to the operator with
// QtOperator::SetMessageBoxes.
class ScriptedMessageBoxes final : public MessageBoxAnswerer {
public:
    struct Shown {
        QString prompt;
        int style = 0;
        QString title;
        bool topMost = false;
    };

    // The answers to the next boxes; answers still queued are dropped.
    void Script(std::deque<int> answers) { m_answers = std::move(answers); }
    // Every box answered so far, oldest first.
    std::vector<Shown>& Recorded() { return m_recorded; }

    int Answer(QWidget* parent, const QString& prompt, int style, const QString& title, bool topMost) override;

private:
    std::deque<int> m_answers;
    std::vector<Shown> m_recorded;
};

} // namespace pafdm
