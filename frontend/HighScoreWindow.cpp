#include "HighScoreWindow.h"

#include "SmallWindow.h"

#include "files/HighScores.h"
#include "ui/Controls.h"

#include <QCloseEvent>
#include <QLineEdit>

#include <array>

namespace tezzle::frontend {

namespace {

using ui::ControlDesign;
using ui::Kind;
constexpr Rgb kYellow = colours::kYellow;

constexpr std::array kControls{
    ControlDesign{"aloneCaption",
                  {16, 12, 340, 24},
                  kCaptionFont,
                  kYellow,
                  Kind::Text,
                  QT_TRANSLATE_NOOP("HighScoreWindow", "Playing alone")},
    ControlDesign{"computerCaption",
                  {16, 196, 340, 24},
                  kCaptionFont,
                  kYellow,
                  Kind::Text,
                  QT_TRANSLATE_NOOP("HighScoreWindow", "Against the computer")},
    ControlDesign{"highScoreMessage",
                  {16, 362, 340, 24},
                  kCaptionFont,
                  colours::kWhite,
                  Kind::Text,
                  "",
                  {},
                  Qt::AlignCenter,
                  true},
    ControlDesign{"highScoreOkButton",
                  {136, 392, 100, 29},
                  kButtonFont,
                  kYellow,
                  Kind::Button,
                  QT_TRANSLATE_NOOP("HighScoreWindow", "OK")},
};

// Rows 0 to 4 under the first caption, 5 to 9 under the second.
constexpr int kFirstRowTop = 44;
constexpr int kSecondRowTop = 228;
constexpr int kRowStep = 26;

int rowTop(int row) {
    return row < 5 ? kFirstRowTop + kRowStep * row : kSecondRowTop + kRowStep * (row - 5);
}

} // namespace

HighScoreWindow::HighScoreWindow(const ui::Services& services, int highPosition, QWidget* parent)
    : QWidget(parent)
    , services_(services)
    , highPosition_(highPosition) {
    setUpSmallWindow(*this, "highScoreWindow", kDarkBlue);
    // Unlike the other small windows, this one has its title and a close button.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setWindowTitle(tr("Tezzle! High Scores"));
    ui::buildAll(this, kControls, "HighScoreWindow");
    message_ = ui::control<ui::TextBox>(this, "highScoreMessage");
    const ui::Look look = ui::lookOf(kControls[0]);
    for (int row = 0; row < kHighScoreRows; ++row) {
        ui::Look left = look;
        left.align = Qt::AlignLeft | Qt::AlignVCenter;
        names_[row] = new ui::TextBox(left, this);
        names_[row]->setObjectName(QStringLiteral("highNameLabel%1").arg(row));
        names_[row]->setGeometry(32, rowTop(row), 220, 24);
        ui::Look right = look;
        right.align = Qt::AlignRight | Qt::AlignVCenter;
        scores_[row] = new ui::TextBox(right, this);
        scores_[row]->setObjectName(QStringLiteral("highScoreLabel%1").arg(row));
        scores_[row]->setGeometry(256, rowTop(row), 84, 24);
    }
    showRows();

    name_ = new QLineEdit(this);
    name_->setObjectName(QStringLiteral("highNameEdit"));
    name_->setAccessibleName(tr("Your name"));
    name_->setMaxLength(kMaxNameLength);
    name_->setFont(ui::font(kCaptionFont));
    const bool entering = highPosition_ >= 1 && highPosition_ <= kHighScoreRows;
    if (entering) {
        // Over the new row, 4 pixels above it.
        name_->setGeometry(28, rowTop(highPosition_ - 1) - 4, 228, 30);
        name_->setFocus();
    }
    name_->setVisible(entering);
    stored_ = !entering;
    connect(name_, &QLineEdit::returnPressed, this, [this] {
        if (confirm())
            close();
    });
    connect(ui::control<ui::Button>(this, "highScoreOkButton"), &ui::Button::clicked, this, [this] {
        if (confirm())
            close();
    });
}

HighScoreWindow::~HighScoreWindow() {
    confirm(); // the program may quit while the name is being typed
}

void HighScoreWindow::showRows() {
    for (int row = 0; row < kHighScoreRows; ++row) {
        const QString name = QString::fromStdString(services_.settings.highNames[row]);
        const QString score = QString::number(services_.settings.highScores[row]);
        names_[row]->setText(name);
        scores_[row]->setText(score);
        names_[row]->setAccessibleName(name);
        scores_[row]->setAccessibleName(tr("%1 points").arg(score));
    }
}

bool HighScoreWindow::confirm() {
    if (stored_)
        return true;
    stored_ = true;
    Settings& s = services_.settings;
    const HighScoreStore store =
        storeHighScoreName(services_.highScorePath.toStdString(), s.highNames, s.highScores,
                           static_cast<std::int16_t>(highPosition_), name_->text().toStdString());
    highPosition_ = store.highPosition;
    name_->hide();
    showRows();
    const QString copy = QString::fromStdString(store.damagedCopy);
    if (!copy.isEmpty())
        emit damagedFileKept(copy);
    QString message;
    switch (store.status) {
    case StoreStatus::Stored: // yet perhaps not safe from a power cut, which it says
        message = QString::fromStdString(store.written.error);
        break;
    case StoreStatus::NotWritten:
        message = tr("Not saved: %1").arg(QString::fromStdString(store.written.error));
        break;
    case StoreStatus::NoLongerHigh:
        message = tr("Not stored: higher scores were stored meanwhile.");
        break;
    case StoreStatus::NoCopy:
        message = tr("Not stored: %1 No copy of it could be kept.").arg(describe(store.found));
        break;
    case StoreStatus::NothingToName:
        return true;
    }
    if (!copy.isEmpty())
        message = damagedCopyKept(copy);
    if (message.isEmpty())
        return true;
    showMessage(message);
    return false;
}

void HighScoreWindow::showMessage(const QString& message) {
    message_->setText(message);
}

QString HighScoreWindow::describe(const HighScoreRead& read) {
    static constexpr std::array kFound{
        QT_TR_NOOP("a file"),   QT_TR_NOOP("a folder"), QT_TR_NOOP("a named pipe"),
        QT_TR_NOOP("a device"), QT_TR_NOOP("a socket"), QT_TR_NOOP("something that is not a file")};
    switch (read.status) {
    case HighScoreFileStatus::Complete:
    case HighScoreFileStatus::Missing:
        break;
    case HighScoreFileStatus::Unreadable:
        return tr("The high score file cannot be read.");
    case HighScoreFileStatus::NotAFile:
        return tr("In place of the high score file is %1.")
            .arg(tr(kFound[static_cast<std::size_t>(read.found)]));
    case HighScoreFileStatus::TooLarge:
        return tr("The high score file is far too large to be one.");
    case HighScoreFileStatus::Damaged:
        return tr("The high score file is damaged from row %1 on.").arg(read.rowsRead + 1);
    }
    return {};
}

QString HighScoreWindow::damagedCopyKept(const QString& path) {
    return tr("The high score file was damaged; a copy is at %1").arg(path);
}

void HighScoreWindow::closeEvent(QCloseEvent* event) {
    confirm();
    event->accept();
}

} // namespace tezzle::frontend
