#pragma once

// The program's small windows: the update source choice, the transfer
// window and the archive window.

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;

namespace pafdm {

// "Update Local Data": where an update run takes its archives from.
class frmUpdateChoose : public QDialog {
    Q_OBJECT
public:
    explicit frmUpdateChoose(const QString& dataDirectory, QWidget* parent = nullptr);

    // 2 download from the internet, 1 apply the archives in the directory,
    // 0 cancel (also when the dialog is closed with its close box).
    int ret = 0;

    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Choose(int value);
};

// The transfer window: caption, progress label, a bar with the share done
// (while one is known) and Cancel. It also serves as the update run's
// progress window.
class TransferWindow : public QDialog {
    Q_OBJECT
public:
    explicit TransferWindow(QWidget* parent = nullptr);

    QLabel* Label1 = nullptr;
    QProgressBar* Bar = nullptr;
    QPushButton* Cancel = nullptr;

    // Shows `done` of `total` on the bar; hides the bar for a total of 0.
    void SetShare(qint64 done, qint64 total);

    // True once Cancel was pressed since the last call; reading clears it.
    bool TakeCancelRequest();
    void SetTopMost(bool topMost);
    // Draws the window now, without handling any input.
    void PaintNow();

signals:
    // Cancel was pressed, or the close box asked for it.
    void cancelRequested();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void RequestCancel();

    bool m_cancelRequested = false;
};

// The archive window of one extraction.
class ZipForm : public QDialog {
    Q_OBJECT
public:
    explicit ZipForm(QWidget* parent = nullptr);

    QLabel* Label2 = nullptr; // description
    QLabel* Label1 = nullptr; // progress line

    void SetCaptions(const QString& title, const QString& description);
};

// Keeps `window` above every other window without moving it.
void MakeWindowTopMost(QWidget* window, bool topMost = true);

// 15 twips make a pixel at 96 dpi, the scale the windows were designed at.
constexpr int Twips(int twips)
{
    return twips / 15;
}

} // namespace pafdm
