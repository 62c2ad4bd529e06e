#include "HighScoreWindow.h"

#include "FileWords.h"
#include "SmallWindow.h"

#include "files/HighScores.h"
#include "ui/Centre.h"
#include "ui/Controls.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>

#include <array>

namespace tezzle::frontend {

namespace {

using ui::Kind;
constexpr Rgb kYellow = colours::kYellow;

struct HighScoreControls {
    ui::TextBox* message = nullptr;
    ui::Button* ok = nullptr;
};
using Row = ui::ControlRow<HighScoreControls>;

constexpr std::array kControls{
    Row{.name = "aloneCaption",
        .rect = {16, 6, 340, 24},
        .font = kCaptionFont,
        .text = kYellow,
        .caption = QT_TRANSLATE_NOOP("HighScoreWindow", "Playing alone")},
    Row{.name = "computerCaption",
        .rect = {16, 148, 340, 24},
        .font = kCaptionFont,
        .text = kYellow,
        .caption = QT_TRANSLATE_NOOP("HighScoreWindow", "Against the computer")},
    Row{.name = "highScoreMessage",
        .rect = {16, 292, 340, 24},
        .font = kCaptionFont,
        .text = colours::kWhite,
        .wrap = true,
        .box = &HighScoreControls::message},
    Row{.name = "highScoreOkButton",
        .rect = {136, 400, 100, 29},
        .font = kButtonFont,
        .text = kYellow,
        .kind = Kind::Button,
        .caption = QT_TRANSLATE_NOOP("HighScoreWindow", "OK"),
        .button = &HighScoreControls::ok},
};

// Rows 0 to 4 under the first caption, 5 to 9 under the second; below them the room for the
// prompt or a message, above the button.
constexpr int kFirstRowTop = 32;
constexpr int kSecondRowTop = 174;
constexpr int kRowStep = 22;
constexpr QRect kMessageRoom{16, 292, 340, 100};
constexpr QRect kRowBar{24, 0, 324, kRowStep}; // the highlight behind a row, at its top
constexpr Rgb kHighlightText = kDarkBlue;

int rowTop(int row) {
    return row < 5 ? kFirstRowTop + kRowStep * row : kSecondRowTop + kRowStep * (row - 5);
}

} // namespace

HighScoreWindow::HighScoreWindow(const ui::Services& services, HighScoreTable& table,
                                 int highPosition, QWidget* parent)
    : QWidget(parent)
    , services_(services)
    , table_(table)
    , highPosition_(highPosition) {
    setUpSmallWindow(*this, "highScoreWindow", kDarkBlue);
    // Unlike the other small windows, this one has its title and a close button.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    ui::centreAt(*this, kSmallWindow); // new flags forget where the window was put
    setWindowTitle(tr("Tezzle! High Scores"));
    const HighScoreControls built = ui::buildAll(this, kControls, "HighScoreWindow");
    message_ = built.message;

    const ui::Look look = ui::lookOf(kControls[0]);
    ui::Look bar = look;
    bar.background = ui::toQColor(kYellow);
    highlight_ = new ui::TextBox(bar, this);
    highlight_->setObjectName(QStringLiteral("newRowHighlight"));
    highlight_->hide();
    for (int row = 0; row < kHighScoreRows; ++row) {
        ui::Look left = look;
        left.align = Qt::AlignLeft | Qt::AlignVCenter;
        names_[row] = new ui::TextBox(left, this);
        names_[row]->setObjectName(QStringLiteral("highNameLabel%1").arg(row));
        names_[row]->setGeometry(32, rowTop(row), 220, kRowStep);
        ui::Look right = look;
        right.align = Qt::AlignRight | Qt::AlignVCenter;
        scores_[row] = new ui::TextBox(right, this);
        scores_[row]->setObjectName(QStringLiteral("highScoreLabel%1").arg(row));
        scores_[row]->setGeometry(256, rowTop(row), 84, kRowStep);
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
        showMessage(tr("Type your name, then press Enter"));
    } else {
        message_->hide();
    }
    name_->setVisible(entering);
    stored_ = !entering;
    // Enter keeps the window open on the named row, until the player leaves it.
    connect(name_, &QLineEdit::returnPressed, this, &HighScoreWindow::confirm);
    connect(built.ok, &ui::Button::clicked, this, &HighScoreWindow::leave);
}

HighScoreWindow::~HighScoreWindow() {
    confirm(); // the program may quit while the name is being typed
}

void HighScoreWindow::showRows() {
    for (int row = 0; row < kHighScoreRows; ++row) {
        const QString name = QString::fromStdString(table_.names[row]);
        const int points = table_.scores[row];
        // A row nobody has reached yet stays blank.
        const QString score = name.isEmpty() && points == 0 ? QString() : QString::number(points);
        names_[row]->setText(name);
        scores_[row]->setText(score);
        names_[row]->setAccessibleName(name);
        scores_[row]->setAccessibleName(score.isEmpty() ? QString()
                                                        : tr("%n points", nullptr, points));
    }
}

void HighScoreWindow::showMessage(const QString& message) {
    fitMessage(*message_, message, kMessageRoom, kCaptionFont, Qt::AlignTop);
    message_->show();
}

bool HighScoreWindow::confirm() {
    if (stored_)
        return true;
    stored_ = true;
    const HighScoreStore store =
        storeHighScoreName(services_.highScorePath.toStdString(), table_.names, table_.scores,
                           static_cast<std::int16_t>(highPosition_), name_->text().toStdString());
    // Rows another copy of the game stored meanwhile may have moved the new one.
    if (store.highPosition > 0)
        highPosition_ = store.highPosition;
    const int row = highPosition_ - 1;
    showRows();
    name_->hide();
    setFocus(); // not the button: a second Enter must not close the window unseen
    const QString copy = QString::fromStdString(store.damagedCopy);
    if (!copy.isEmpty())
        emit damagedFileKept(copy);
    QString message;
    bool stored = false;
    switch (store.status) {
    case StoreStatus::NothingToName:
        message_->hide();
        return true;
    case StoreStatus::Stored: // yet perhaps not safe from a power cut, which it says
        stored = true;
        message = saveProblem(store.written);
        break;
    case StoreStatus::NotWritten:
        message = tr("Not saved: %1").arg(saveProblem(store.written));
        break;
    case StoreStatus::NoLongerHigh:
        message = tr("Not stored: higher scores were stored meanwhile.");
        break;
    case StoreStatus::NoCopy:
        message = tr("Not stored: %1 No copy of it could be kept.").arg(describe(store.found));
        break;
    }
    if (!copy.isEmpty())
        message = damagedCopyKept(copy) + (message.isEmpty() ? QString() : u'\n' + message);
    if (stored) {
        highlight_->setGeometry(kRowBar.translated(0, rowTop(row)));
        highlight_->show();
        highlight_->lower();
        for (ui::TextBox* box : {names_[row], scores_[row]})
            box->setTextColour(ui::toQColor(kHighlightText));
    } else if (store.status != StoreStatus::NoLongerHigh) {
        // The entry stands greyed where it would have been, and the program forgets it.
        names_[row]->setEnabled(false);
        scores_[row]->setEnabled(false);
        removeHighScoreRow(table_.names, table_.scores, highPosition_ - 1, 0);
    }
    if (message.isEmpty())
        message_->hide();
    else
        showMessage(message);
    return stored && copy.isEmpty() && message.isEmpty();
}

void HighScoreWindow::leave() {
    if (confirm())
        close();
}

void HighScoreWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape)
        leave();
    else
        QWidget::keyPressEvent(event);
}

QString HighScoreWindow::describe(const HighScoreRead& read) {
    switch (read.status) {
    case HighScoreFileStatus::Complete:
    case HighScoreFileStatus::Missing:
        break;
    case HighScoreFileStatus::Unreadable:
        return tr("The high score file cannot be read.");
    case HighScoreFileStatus::NotAFile:
        return tr("In place of the high score file is %1.").arg(foundInstead(read.found));
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
