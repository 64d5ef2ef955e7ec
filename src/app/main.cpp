#include "app/services.h"
#include "app/tform1.h"
#include "app/tloge.h"
#include "common/errors.h"
#include "settings/fluidoutput.h"

#include <QApplication>
#include <QMessageBox>

#include <exception>
#include <memory>

namespace {
void showTopLevelError(const QString& text) {
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Jaxo4.00"), errors::displayText(text), QMessageBox::Ok);
    box.exec();
}
}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);  // 1
    try {
        const std::string appDir = QCoreApplication::applicationDirPath().toStdString();
        auto splash = std::make_unique<Tloge>(QString::fromStdString(appDir + "/splash.jpg"));  // 2
        splash->show();
        splash->repaint();
        QApplication::processEvents();
        QApplication::setApplicationName(QStringLiteral("Jaxo4.00"));  // 3
        QApplication::setDesktopFileName(QStringLiteral("Jaxo4.00"));

        SystemClock clock;
        BoxMessages messages;
        DesktopShell shell;
        FluidOutput sound;
        TForm1 Form1({&clock, &messages, &shell, &sound, appDir, {}});  // 4
        splash.reset();                                                // 5
        Form1.showMaximized();                                         // 6
        QApplication::exec();
    } catch (const JaxoError& e) {
        showTopLevelError(e.text());
    } catch (const std::exception&) {
        showTopLevelError(QString());
    }
    return 0;  // 7
}
