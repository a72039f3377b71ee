#include "gui/ScriptedMessageBoxes.h"

#include "support/SystemHelpers.h"

namespace pafdm {

int ScriptedMessageBoxes::Answer(QWidget*, const QString& prompt, int style, const QString& title, bool topMost)
{
    m_recorded.push_back({prompt, style, title, topMost});
    if (m_answers.empty())
        return NeutralAnswer(style & 0x0F);
    const int answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}

} // namespace pafdm
