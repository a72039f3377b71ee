#include "gui/MainWindow.h"

#include "support/EditionConfig.h"

namespace pafdm {

MainWindow::MainWindow(const QString& dataDirectory, QWidget* parent)
    : QMainWindow(parent)
    , m_dataDirectory(dataDirectory)
{
    const EditionConfig edition = EditionConfig::BuildDefault();
    setWindowTitle(edition.defaultApplicationName + QStringLiteral(" ") + QStringLiteral(PAFDM_VERSION));
    resize(505, 289);
}

} // namespace pafdm
