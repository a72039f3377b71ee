#pragma once

#include <QMainWindow>

namespace pafdm {

// The program's main window.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(const QString& dataDirectory, QWidget* parent = nullptr);

private:
    QString m_dataDirectory;
};

} // namespace pafdm
