#include "gui/MainWindow.h"
#include "gui/QtOperator.h"
#include "shell/Program.h"
#include "shell/frmMain.h"
#include "support/AppContext.h"

#include <QApplication>
#include <QDir>
#include <QIcon>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("pafdm"));
    QApplication::setOrganizationName(QStringLiteral("pafdm"));
    QApplication::setApplicationVersion(QStringLiteral(PAFDM_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("pafdm"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/pafdm.svg")));

    pafdm::QtOperator ui;
    pafdm::Clock clock;
    pafdm::AppContext ctx(pafdm::EditionConfig::BuildDefault().WithEnvironmentOverrides(), ui, clock);
    ui.dataDirectory = [&ctx] { return QDir::toNativeSeparators(ctx.dataDirectory); };
    pafdm::Program program(ctx);
    pafdm::frmMain logic(ctx, program);
    pafdm::MainWindow window(logic);
    ui.SetMainWindow(&window);
    // The start-up sequence runs before the window is first shown.
    logic.Load(QDir::currentPath());
    window.show();
    return app.exec();
}
