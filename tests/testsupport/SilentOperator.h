#pragma once

// An Operator that shows and asks nothing, for programs that run the
// application layers without anyone watching: benchmarks and fuzz targets.
// Header only, so that they need nothing else of the test support.

#include "support/Operator.h"

#include <cstdio>
#include <functional>

namespace pafdm::test {

class SilentOperator : public Operator {
public:
    // Messages are answered OK (or the source question Cancel); with
    // `printMessages` their texts go to standard error.
    bool printMessages = false;
    // Called with "show", "label" or "hide" and the text of each progress call.
    std::function<void(const char* what, const QString& text)> onProgress;
    int repaints = 0;

    std::optional<int> ShowMessage(const QString& prompt, int, const QString&, bool) override
    {
        if (printMessages)
            std::fprintf(stderr, "message: %s\n", prompt.toUtf8().constData());
        return MessageAnswer::kOk;
    }
    UpdateSource AskUpdateSource() override { return UpdateSource::kCancel; }
    void ShowProgress(const QString& caption) override { Watch("show", caption); }
    void SetProgressCaption(const QString&) override { }
    void SetProgressLabel(const QString& label) override { Watch("label", label); }
    void SetProgressTopMost(bool) override { }
    void SetProgressCancelVisible(bool) override { }
    void RepaintProgress() override { ++repaints; }
    void HideProgress() override { Watch("hide", QString()); }
    bool TakeCancelRequest() override { return false; }
    void OpenArchiveWindow(bool) override { }
    void SetArchiveCaptions(const QString&, const QString&) override { }
    void SetArchiveProgress(const QString&) override { }
    void CloseArchiveWindow() override { }
    void Yield() override { }
    bool IsKeyDown(int) override { return false; }
    void SetClipboardText(const QString&) override { }
    bool OpenUrl(const QString&) override { return false; }
    void Beep() override { }
    void NoteFailure(const QString&) override { }
    bool StopRequested() override { return false; }
    QString MainCaption() const override { return {}; }
    void SetMainCaption(const QString&) override { }

private:
    void Watch(const char* what, const QString& text)
    {
        if (onProgress)
            onProgress(what, text);
    }
};

} // namespace pafdm::test
