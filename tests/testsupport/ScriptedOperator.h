#pragma once

#include "support/Operator.h"

#include <QString>
#include <QStringList>

#include <deque>
#include <functional>
#include <vector>

namespace pafdm::test {

// An Operator for tests: records every call and answers from queues.
class ScriptedOperator : public Operator {
public:
    struct Message {
        QString prompt;
        int style = 0;
        QString title;
        bool topMost = false;
    };

    // Queued answers; when a queue is empty, messages answer OK (or Yes for
    // Yes/No styles) and the source question answers Cancel.
    std::deque<int> answers;
    std::deque<UpdateSource> sources;
    // When true, top-most messages fail (the caller must fall back).
    bool topMostFails = false;
    // Keys reported as held down.
    std::vector<int> keysDown;
    // Cancel requests to report: the n-th call of TakeCancelRequest (0-based)
    // returns true when n is listed.
    std::vector<int> cancelOnCall;
    // Called on every Yield (lets a test act "during" a wait).
    std::function<void()> onYield;

    std::vector<Message> messages;
    QStringList labels;   // every SetProgressLabel
    QStringList captions; // every ShowProgress/SetProgressCaption
    QStringList clipboard;
    QStringList failures; // NoteFailure texts
    // The run is asked to stop once this progress label is set.
    QString stopOnLabel;
    bool stopped = false;
    QStringList openedUrls;
    bool openUrlSucceeds = true;
    int beeps = 0;
    int yields = 0;
    int repaints = 0;
    int cancelChecks = 0;
    bool progressVisible = false;
    bool progressTopMost = false;
    bool cancelVisible = false;
    // The archive window: every OpenArchiveWindow's `visible`, captions and
    // progress lines as set, and whether one is open now.
    std::vector<bool> archiveWindows;
    QStringList archiveCaptions;
    QStringList archiveProgress;
    bool archiveWindowOpen = false;
    QString mainCaption;
    QStringList mainCaptions; // every SetMainCaption
    QString lastLabel;

    std::optional<int> ShowMessage(const QString& prompt, int style, const QString& title, bool topMost) override;
    UpdateSource AskUpdateSource() override;
    void ShowProgress(const QString& caption) override;
    void SetProgressCaption(const QString& caption) override;
    void SetProgressLabel(const QString& label) override;
    void SetProgressTopMost(bool topMost) override { progressTopMost = topMost; }
    void SetProgressCancelVisible(bool visible) override { cancelVisible = visible; }
    void RepaintProgress() override { ++repaints; }
    void HideProgress() override { progressVisible = false; }
    bool TakeCancelRequest() override;
    void OpenArchiveWindow(bool visible) override
    {
        archiveWindows.push_back(visible);
        archiveWindowOpen = true;
    }
    void SetArchiveCaptions(const QString& title, const QString& description) override
    {
        archiveCaptions << title << description;
    }
    void SetArchiveProgress(const QString& text) override { archiveProgress << text; }
    void CloseArchiveWindow() override { archiveWindowOpen = false; }
    void Yield() override;
    bool IsKeyDown(int virtualKey) override;
    void SetClipboardText(const QString& text) override { clipboard << text; }
    bool OpenUrl(const QString& urlOrPath) override;
    void Beep() override { ++beeps; }
    void NoteFailure(const QString& text) override { failures << text; }
    bool StopRequested() override { return stopped; }
    QString MainCaption() const override { return mainCaption; }
    void SetMainCaption(const QString& caption) override;
};

} // namespace pafdm::test
