#include "ActionScript.h"

#include "board/BoardWindow.h"
#include "help/DiceDemoPanel.h"
#include "ui/CueFiles.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

#include <cstdio>
#include <ctime>
#include <unistd.h>

namespace tezzle::frontend {

namespace {

double monotonicSeconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

// "name", or "window/name" where several windows hold a control of that name.
QWidget* visibleControl(const QString& path) {
    const qsizetype slash = path.indexOf(u'/');
    const QString name = path.mid(slash + 1);
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!window->isVisible() || (slash >= 0 && window->objectName() != path.left(slash)))
            continue;
        if (window->objectName() == name)
            return window;
        for (QWidget* w : window->findChildren<QWidget*>(name))
            if (w->isVisible())
                return w;
    }
    return nullptr;
}

void sendClick(QWidget* w) {
    const QPointF at = QRectF(w->rect()).center();
    const QPointF global = w->mapToGlobal(at);
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent click(type, at, global, Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                          Qt::NoModifier);
        QApplication::sendEvent(w, &click);
    }
}

} // namespace

std::unique_ptr<ActionScript> ActionScript::fromEnvironment(ui::CuePlayer& cues) {
    if (!qEnvironmentVariableIsSet("TEZZLE_ACTIONS"))
        return nullptr;
    return std::unique_ptr<ActionScript>(new ActionScript(cues));
}

ActionScript::ActionScript(ui::CuePlayer& cues)
    : cues_(cues)
    , input_(STDIN_FILENO, QSocketNotifier::Read) {
    connect(&input_, &QSocketNotifier::activated, this, &ActionScript::readCommands);
    qApp->installEventFilter(this);
}

void ActionScript::play(Cue cue) {
    const std::string_view file = ui::cueFile(cue);
    std::printf("cue %.6f %.*s\n", monotonicSeconds(), static_cast<int>(file.size()), file.data());
    std::fflush(stdout);
    cues_.play(cue);
}

void ActionScript::readCommands() {
    char buffer[4096];
    const ssize_t got = read(STDIN_FILENO, buffer, sizeof buffer);
    if (got <= 0) {
        input_.setEnabled(false); // the script has gone
        return;
    }
    pending_.append(buffer, static_cast<std::size_t>(got));
    for (std::size_t end = pending_.find('\n'); end != std::string::npos;
         end = pending_.find('\n')) {
        const QStringList words = QString::fromStdString(pending_.substr(0, end)).split(u' ');
        pending_.erase(0, end + 1);
        if (words.size() == 2)
            run(words[0], words[1]);
    }
}

void ActionScript::run(const QString& command, const QString& name) {
    QWidget* w = visibleControl(name);
    if (w == nullptr) {
        std::printf("missing %s\n", qPrintable(name));
    } else if (command == QLatin1String("click")) {
        // Told before it is made: a button pressed paints at once, and that paint comes after.
        std::printf("did %.6f click %s\n", monotonicSeconds(), qPrintable(name));
        std::fflush(stdout);
        sendClick(w);
    } else if (command == QLatin1String("name")) {
        std::printf("name %s %s\n", qPrintable(name), qPrintable(w->accessibleName()));
    }
    std::fflush(stdout);
}

bool ActionScript::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint && watched->isWidgetType())
        report(static_cast<QWidget*>(watched)->window());
    return false;
}

void ActionScript::report(QWidget* window) {
    int shown = -1;
    int* last = nullptr;
    const char* which = nullptr;
    if (auto* board = qobject_cast<board::BoardWindow*>(window)) {
        follow(board->driver(), window);
        shown = board->game().state().diceShown;
        last = &boardShown_;
        which = "board";
    } else if (auto* demo = window->findChild<help::DiceDemoPanel*>()) {
        follow(demo->driver(), window);
        shown = demo->demo().diceShown();
        last = &demoShown_;
        which = "demo";
    }
    if (last != nullptr && shown != *last) {
        *last = shown;
        std::printf("shown %.6f %s %d\n", monotonicSeconds(), which, shown);
        std::fflush(stdout);
    }
}

void ActionScript::follow(ui::TimerDriver& driver, QWidget* window) {
    if (followed_.contains(&driver))
        return;
    followed_.insert(&driver);
    connect(&driver, &QObject::destroyed, this, [this, d = &driver] { followed_.remove(d); });
    // The driver lives inside the window, so the window outlives the connection.
    connect(&driver, &ui::TimerDriver::rendered, this, [this, window] { report(window); });
}

} // namespace tezzle::frontend
