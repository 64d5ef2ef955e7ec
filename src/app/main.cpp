#include "widgets/fonts.h"
#include "app/services.h"
#include "app/mainwindow.h"
#include "app/splash.h"
#include "common/datadir.h"
#include "common/errors.h"
#include "common/install.h"
#include "history/schema.h"
#include "settings/language.h"
#include "sound/fluidoutput.h"
#include "widgets/iconstyle.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QWindow>
#include <QScreen>

#include <algorithm>
#include <cstdio>
#include <cstring>

#include <exception>
#include <functional>
#include <utility>
#include <memory>

namespace {
void showTopLevelError(const QString& text) {
    errorBox(errors::displayText(text))->exec();
}

// An error that escapes an event handler is shown by the error display and the loop
// goes on, as the handlers themselves do it.
class JaxoApplication : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override {
        try {
            return QApplication::notify(receiver, event);
        } catch (const JaxoError& e) {
            showTopLevelError(e.text());
        } catch (const std::exception&) {
            showTopLevelError(QString());
        }
        return false;
    }
};
// Runs a task a moment after the window is first exposed (on screen), so that work the
// window does not need does not delay it; a window that is never exposed waits 3 s.
class AfterFirstExpose : public QObject {
public:
    AfterFirstExpose(QWindow* window, std::function<void()> task) : task_(std::move(task)) {
        window->installEventFilter(this);
        timer_.setSingleShot(true);
        connect(&timer_, &QTimer::timeout, this, [this] { run(); });
        timer_.start(3000);
    }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose) {
            watched->removeEventFilter(this);
            timer_.start(250);
        }
        return false;
    }

private:
    void run() {
        if (task_) std::exchange(task_, {})();
    }
    std::function<void()> task_;
    QTimer timer_;
};
}  // namespace

int main(int argc, char* argv[]) {
    // For a class's database owner: the SQL that sets up the tables and the rights.
    if (argc == 2 && std::strcmp(argv[1], "--print-class-schema") == 0) {
        std::fputs(history::schema::classSetupSql().toUtf8().constData(), stdout);
        return 0;
    }
    JaxoApplication app(argc, argv);  // 1
    // Pop-ups and message boxes have no fixed layout: a larger desktop font size is kept.
    const int desktopPoints = QApplication::font().pointSize();
    QApplication::setFont(fonts::song(std::max(10, desktopPoints)));
    // The desktop's style; its standard icons are read when first drawn.
    QApplication::setStyle(new DeferredIconStyle);
    try {
        // Installed, the data lives in its own folder; in the build tree beside the program.
        const QString programDir = QCoreApplication::applicationDirPath();
        const std::string appDir = datadir::locate(programDir, QString::fromLatin1(install::kDataFromProgram));
        // The interface language's texts, the toolkit's too, before the first window.
        language::install(QString::fromStdString(appDir));
        fonts::addCaptionFace(QString::fromStdString(appDir));
        auto splash = std::make_unique<Splash>(QString::fromStdString(appDir + "/splash.jpg"));  // 2
        splash->show();
        splash->repaint();
        QApplication::processEvents();
        QApplication::setApplicationName(QStringLiteral("Jaxo4.00"));  // 3
        QApplication::setDesktopFileName(QString::fromLatin1(install::kAppId));

        SystemClock clock;
        BoxMessages messages;
        DesktopShell shell;
        // The sound library, the SoundFont and the stream are loaded when a sound is
        // wanted, and not before the main window is on screen.
        FluidOutput::Options soundOptions;
        soundOptions.held = true;
        FluidOutput sound(soundOptions);
        const QString historyModule =
            datadir::modules(programDir, appDir, QString::fromLatin1(install::kModulesFromProgram)) + QLatin1Char('/') +
            QLatin1String(install::kHistoryModule);
        MainWindow Form1({&clock, &messages, &shell, &sound, appDir, {}, {}, historyModule,
                          RandomSource::startSeed()});  // 4
        splash.reset();                                                // 5
        // As large as it may be (800 x 600) within the screen, centred, in the normal
        // state: a maximised window with a maximum size is a protocol error to a
        // Wayland compositor, which then closes the connection.
        const QRect avail = Form1.screen()->availableGeometry();
        QRect place(0, 0, std::min(800, avail.width()), std::min(600, avail.height()));
        place.moveCenter(avail.center());
        Form1.setGeometry(place);
        Form1.show();  // 6
        AfterFirstExpose releaseSound(Form1.windowHandle(), [&sound] { sound.release(); });
        // A first start greets the learner once the main window is up.
        QTimer::singleShot(0, &Form1, &MainWindow::offerWelcome);
        QApplication::exec();
    } catch (const JaxoError& e) {
        showTopLevelError(e.text());
    } catch (const std::exception&) {
        showTopLevelError(QString());
    }
    return 0;  // 7
}
