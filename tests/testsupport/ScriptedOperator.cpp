#include "testsupport/ScriptedOperator.h"

#include <QCoreApplication>

#include <algorithm>

namespace pafdm::test {

std::optional<int> ScriptedOperator::ShowMessage(const QString& prompt, int style, const QString& title, bool topMost)
{
    if (topMost && topMostFails)
        return std::nullopt;
    messages.push_back({prompt, style, title, topMost});
    if (!answers.empty()) {
        const int answer = answers.front();
        answers.pop_front();
        return answer;
    }
    const int buttons = style & 0x0F;
    return (buttons == MessageStyle::kYesNo || buttons == MessageStyle::kYesNoCancel) ? MessageAnswer::kYes
                                                                                      : MessageAnswer::kOk;
}

UpdateSource ScriptedOperator::AskUpdateSource()
{
    if (sources.empty())
        return UpdateSource::kCancel;
    const UpdateSource source = sources.front();
    sources.pop_front();
    return source;
}

void ScriptedOperator::ShowProgress(const QString& caption)
{
    progressVisible = true;
    captions << caption;
}

void ScriptedOperator::SetProgressCaption(const QString& caption)
{
    captions << caption;
}

void ScriptedOperator::SetProgressLabel(const QString& label)
{
    labels << label;
    lastLabel = label;
    if (!stopOnLabel.isEmpty() && label == stopOnLabel)
        stopped = true;
}

bool ScriptedOperator::TakeCancelRequest()
{
    const int call = cancelChecks++;
    return std::find(cancelOnCall.begin(), cancelOnCall.end(), call) != cancelOnCall.end();
}

void ScriptedOperator::Yield()
{
    ++yields;
    if (onYield)
        onYield();
    QCoreApplication::processEvents();
}

bool ScriptedOperator::IsKeyDown(int virtualKey)
{
    return std::find(keysDown.begin(), keysDown.end(), virtualKey) != keysDown.end();
}

bool ScriptedOperator::OpenUrl(const QString& urlOrPath)
{
    openedUrls << urlOrPath;
    return openUrlSucceeds;
}

void ScriptedOperator::SetMainCaption(const QString& caption)
{
    mainCaption = caption;
    mainCaptions << caption;
}

} // namespace pafdm::test
