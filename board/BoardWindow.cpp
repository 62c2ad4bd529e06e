#include "BoardWindow.h"

#include "BoardLayout.h"
#include "BoardLook.h"
#include "ChainMarks.h"
#include "Marks.h"
#include "WorkingLine.h"

#include "core/Geometry.h"
#include "files/SavedGameFile.h"
#include "ui/Centre.h"
#include "ui/Controls.h"
#include "ui/CuePlayer.h"
#include "ui/Marks.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QPainter>

namespace tezzle::board {

namespace {

template <class... F> struct Overloaded : F... { using F::operator()...; };

QRect pixelRect(geometry::Point twips, int width, int height) {
    const geometry::Pixel p = geometry::toPixels(twips);
    return {p.x, p.y, width, height};
}

ui::TextBox* makeBox(QWidget* parent, const QString& name, const QRect& r, ui::FontStyle font,
                     std::optional<Rgb> background, Rgb textColour, Qt::Alignment align,
                     bool wrap = false) {
    ui::Look look{ui::font(font), ui::toQColor(textColour), std::nullopt, false, align, wrap};
    if (background) {
        look.background = ui::toQColor(*background);
        look.border = true;
    }
    auto* box = new ui::TextBox(look, parent);
    box->setObjectName(name);
    box->setGeometry(r);
    return box;
}

void setAccessibleText(QWidget* w, const QString& name) {
    if (w->accessibleName() != name)
        w->setAccessibleName(name);
}

} // namespace

BoardWindow::BoardWindow(const ui::Services& services, const GameStart& start,
                         const BoardOptions& options, QWidget* parent)
    : QWidget(parent)
    , services_(services)
    , options_(options)
    , game_(start, services.settings.connarray, services.random)
    , driver_(services.clock,
              {[this](std::uint16_t roles) { return game_.nextTickIn(roles); },
               [this](Millis ms) { game_.advance(ms); }, [this] { carryOutEvents(); },
               [this] {
                   render();
               }},
              this)
    , soundTold_(game_.soundOn()) {
    setObjectName(QStringLiteral("boardWindow"));
    ui::bareTitleBar(*this);
    ui::centreform(*this);
    if (options_.showWorking)
        ui::centreAt(*this, ui::kLargeWindow + QSize(0, kWorkingStripHeight));
    setAttribute(Qt::WA_OpaquePaintEvent);
    background_ = services_.data.picture(boardPicture(options_), devicePixelRatioF());
    buildBoard();
    buildControls();
    if (options_.colourMarks)
        buildMarks();
    chainMarks_ = new ChainMarks(this, label100Width_);
    if (options_.showWorking)
        working_ = std::make_unique<WorkingLine>(this);
    controls_.throwDice->setFocus(); // Space throws, Enter on the button too
    render();
    driver_.rearm(); // a restored game announces its player at once
}

BoardWindow::~BoardWindow() = default;

void BoardWindow::buildBoard() {
    const QFont numberFont = ui::font(kNumberFont);
    const int width100 = QFontMetrics(numberFont).horizontalAdvance(QStringLiteral("100")) + 2;
    label100Width_ = width100 * geometry::twipsPerPixel;
    for (int n = kFirstNumber; n <= kLastNumber; ++n) {
        const ui::Look look{numberFont, ui::toQColor(numberColour(n)), std::nullopt};
        auto* number = new ui::Button(look, this);
        number->setObjectName(QStringLiteral("numberLabel%1").arg(n));
        number->setText(QString::number(n));
        number->setAccessibleName(tr("hexagon %1").arg(n));
        number->setFocusPolicy(Qt::NoFocus);
        number->setGeometry(pixelRect(geometry::labelPosition(n, label100Width_),
                                      n == kLastNumber ? width100 : kCellSize, kCellSize));
        connect(number, &ui::Button::clicked, this, [this, n] { clickNumber(n); });
        numbers_[n] = number;
    }
    for (int n = kFirstNumber; n <= kLastNumber; ++n) {
        auto* counter = new ui::Picture(this);
        counter->setObjectName(QStringLiteral("counterImage%1").arg(n));
        counter->setGeometry(
            pixelRect(geometry::counterPosition(n, label100Width_), kCellSize, kCellSize));
        counter->hide();
        counters_[n] = counter;
    }
    flashCounter_ = new ui::Picture(this);
    flashCounter_->setObjectName(QStringLiteral("flashCounter"));
    flashCounter_->setAccessibleName(tr("new counter"));
    flashCounter_->setAttribute(Qt::WA_TransparentForMouseEvents);
    flashCounter_->hide();
}

void BoardWindow::buildControls() {
    controls_ = ui::buildAll(this, kFixedControls, "BoardWindow");
    turnButtons_ = {controls_.exit, controls_.newGame, controls_.cheatChart};
    connect(controls_.throwDice, &ui::Button::clicked, this, &BoardWindow::throwDice);
    connect(turnButtons_[0], &ui::Button::clicked, this, &BoardWindow::exitGame);
    connect(turnButtons_[1], &ui::Button::clicked, this, &BoardWindow::newGame);
    connect(turnButtons_[2], &ui::Button::clicked, this, &BoardWindow::cheatChartRequested);
    for (ui::Button* button :
         {controls_.throwDice, turnButtons_[0], turnButtons_[1], turnButtons_[2]})
        button->installEventFilter(this);

    for (std::size_t i = 0; i < kBalls.size(); ++i) {
        const int top = kBallTop + kBallSize * static_cast<int>(i);
        auto* ball = new ui::Picture(this);
        ball->setObjectName(QStringLiteral("zoneBall%1").arg(i));
        ball->setGeometry(kBallLeft, top, kBallSize, kBallSize);
        ball->setPixmap(services_.data.picture(kBalls[i].picture, devicePixelRatioF()));
        ball->setAccessibleName(tr("%1 points zone").arg(QLatin1String(kBalls[i].points)));
        auto* points =
            makeBox(this, QStringLiteral("zonePointsLabel%1").arg(i),
                    {kBalls[i].pointsLeft, kPointsTop + kBallSize * static_cast<int>(i), 0, 24},
                    kPointsFont, std::nullopt, colours::kPaleGrey, Qt::AlignCenter);
        points->setSizeToText(ui::SizeToText::KeepLeft);
        points->setText(QLatin1String(kBalls[i].points));
        points->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    for (int i = 0; i < 4; ++i) {
        const QPoint at = kDicePlaces[static_cast<std::size_t>(i)];
        dice_[i] = makeBox(this, QStringLiteral("dieBox%1").arg(i), {at, QSize(kDieSize, kDieSize)},
                           kDieFont, colours::kBlue, colours::kBlack, Qt::AlignCenter);
        for (int face = 0; face <= kDieFaces; ++face)
            dieNames_[i][face] = dieName(i, face);
        const QString player = playerName(i);
        const bool computer = i == 1 && game_.computerLevel() > 0; // the computer plays Red
        names_[i] = makeBox(this, QStringLiteral("playerNameLabel%1").arg(i),
                            computer ? kComputerNameBox : kNameBox.translated(0, kPanelStep * i),
                            computer ? kComputerNameFont : kNameFont, std::nullopt, playerColour(i),
                            Qt::AlignRight | Qt::AlignVCenter, computer);
        // A longer word for a colour takes the room on the left, clear of the score box.
        if (!computer)
            names_[i]->setSizeToText(ui::SizeToText::KeepRight);
        names_[i]->setText(computer ? tr("Computer (level %1)").arg(game_.computerLevel())
                                    : player);
        names_[i]->setAccessibleName(names_[i]->text());
        scores_[i] =
            makeBox(this, QStringLiteral("scoreBox%1").arg(i),
                    kScoreBox.translated(0, kPanelStep * i), kScoreFont,
                    kPanelColours[static_cast<std::size_t>(i)], colours::kBlack, Qt::AlignCenter);
        clocks_[i] =
            makeBox(this, QStringLiteral("clockLabel%1").arg(i),
                    kClockBox.translated(kClockStep * i, 0), kClockFont,
                    kPanelColours[static_cast<std::size_t>(i)], colours::kBlack, Qt::AlignCenter);
    }
}

void BoardWindow::buildMarks() {
    for (int i = 0; i < 4; ++i) {
        auto* mark = new ui::Picture(this);
        mark->setObjectName(QStringLiteral("playerMark%1").arg(i));
        const bool computer = i == 1 && game_.computerLevel() > 0;
        mark->setGeometry({computer ? kComputerMarkPlace : kMarkPlace + QPoint(0, kPanelStep * i),
                           QSize(kMarkSize, kMarkSize)});
        mark->setPixmap(services_.data.picture(ui::playerMarkPicture(i), devicePixelRatioF()));
        mark->setAccessibleName(markDescription(i));
        marks_[i] = mark;
        if (!computer)
            names_[i]->move(names_[i]->pos() - QPoint(kMarkRoom, 0));
    }
    controls_.illegalMove->setTextColour(ui::toQColor(kMarkedLineColour));
    controls_.typedNumber->setTextColour(ui::toQColor(kMarkedLineColour));
}

std::string BoardWindow::pictureName(std::string plain) const {
    return options_.colourMarks ? ui::markedPicture(plain) : plain;
}

template <class Action> void BoardWindow::input(Action&& action) {
    if (game_.closed())
        return;
    driver_.sync(); // the click lands at the moment it was made
    if (game_.closed())
        return;
    hint_.clear(); // a throw or a choice answers it
    action();
    driver_.afterInput();
}

void BoardWindow::throwDice() {
    input([this] { game_.throwDice(); });
}

void BoardWindow::clickNumber(int n) {
    input([this, n] { game_.clickNumber(n); });
}

void BoardWindow::exitGame() {
    input([this] { game_.exitGame(); });
}

void BoardWindow::newGame() {
    input([this] { game_.newGame(); });
}

void BoardWindow::carryOutEvents() {
    if (game_.soundOn() != soundTold_)
        emit soundSwitched(soundTold_ = game_.soundOn());
    game_.takeEvents(events_);
    for (const GameEvent& event : events_)
        std::visit(Overloaded{
                       [this](const events::PlayCue& e) { services_.cues.play(e.cue); },
                       [this](const events::SaveGame& e) {
                           const WriteResult saved =
                               writeSavedGame(services_.savedGamePath.toStdString(), e.game);
                           if (!saved.ok)
                               emit saveFailed(saved);
                       },
                       [this](const events::OpenHighScores& e) {
                           emit openHighScores(e.blueScore, e.againstComputer);
                       },
                       [this](const events::GoToTitle&) { emit goToTitle(); },
                       [this](const events::GoToSetup&) { emit goToSetup(); },
                       [this](const events::CloseCheatChart&) { emit closeCheatChart(); },
                   },
                   event);
    events_.clear();
    if (game_.closed() && !inCloseEvent_)
        close();
}

void BoardWindow::render() {
    const GameState& s = game_.state();
    const QColor turn = ui::toQColor(playerColour(s.buttonPlayer));
    if (!s.throwDiceEnabled && focusWidget() == controls_.throwDice)
        setFocus(); // Space keeps meaning "throw", never the next button in line
    controls_.throwDice->setEnabled(s.throwDiceEnabled);
    controls_.throwDice->setTextColour(turn);
    for (ui::Button* button : turnButtons_)
        button->setTextColour(turn);
    // What the last frame drew: a frame of the rolling dice sets only what has changed.
    const GameState* before = drawn_ ? &*drawn_ : nullptr;
    if (!before ||
        std::tie(before->banner, before->bannerTint) != std::tie(s.banner, s.bannerTint)) {
        controls_.banner->setText(bannerText(s.banner));
        controls_.banner->setTextColour(ui::toQColor(bannerColour(s.bannerTint)));
        setAccessibleText(controls_.banner, controls_.banner->text());
    }
    if (!before ||
        std::pair(before->logoDouble, before->logoLit) != std::pair(s.logoDouble, s.logoLit)) {
        controls_.logo->setText(logoText(s));
        controls_.logo->setTextColour(ui::toQColor(logoColour(s)));
    }

    for (int i = 0; i < 4; ++i) {
        const DieBox& box = s.diceBoxes[static_cast<std::size_t>(i)];
        dice_[i]->setText(box.face == 0 ? QString() : QString::number(box.face));
        dice_[i]->setEnabled(box.enabled);
        dice_[i]->setBackground(ui::toQColor(dieColour(box.tint)));
        // Worked out again only when the die's colour or state changes, not at every frame.
        if (options_.colourMarks && markedDice_[i] != std::pair(box.tint, box.enabled)) {
            markedDice_[i] = std::pair(box.tint, box.enabled);
            showMarkedDie(*dice_[i], dieColour(box.tint), box.enabled);
        }
        setAccessibleText(dice_[i], box.face >= 0 && box.face <= kDieFaces ? dieNames_[i][box.face]
                                                                           : dieName(i, box.face));
    }
    if (std::pair(s.turnCounter, s.throwDiceEnabled) != hintTurn_)
        hint_.clear(); // the moment it answered is over: a move, a throw, the next turn
    const bool typing = !typed_.isEmpty() || !hint_.isEmpty();
    controls_.secondsRemaining->setVisible(s.clockRowShown && !typing);
    controls_.secondsRemaining->setTextColour(turn);
    controls_.illegalMove->setVisible(s.illegalMoveShown && !typing);
    controls_.typedNumber->setVisible(typing);
    controls_.typedNumber->setText(!hint_.isEmpty() ? hint_
                                   : typing         ? tr("Your number: %1").arg(typed_)
                                                    : QString());
    const bool clocksShown = s.clockRowShown && !typing;
    if (!before || before->players != s.players || clocksShown != clocksDrawn_)
        renderPlayers(s, clocksShown);
    if (!before || std::tie(before->covered, before->owners, before->flashCounterAt,
                            before->flashCounterShown) !=
                       std::tie(s.covered, s.owners, s.flashCounterAt, s.flashCounterShown))
        renderBoard(s);
    drawn_ = s;
    clocksDrawn_ = clocksShown;
    chainMarks_->render(s.joiningChain);
    if (working_)
        working_->render(s);
}

QString BoardWindow::dieName(int die, int face) const {
    return tr("die %1 %2")
        .arg(die + 1)
        .arg(face == 0 ? QString() : QString::number(face))
        .trimmed();
}

void BoardWindow::renderPlayers(const GameState& s, bool clocksShown) {
    for (int i = 0; i < 4; ++i) {
        const PlayerPanel& panel = s.players[static_cast<std::size_t>(i)];
        const QString player = names_[i]->text();
        names_[i]->setVisible(panel.shown);
        scores_[i]->setVisible(panel.shown);
        if (marks_[i] != nullptr)
            marks_[i]->setVisible(panel.shown);
        scores_[i]->setText(panel.score ? QString::number(*panel.score) : QString());
        scores_[i]->setEnabled(panel.inPlay);
        setAccessibleText(scores_[i], tr("%1 score %2").arg(player, scores_[i]->text()).trimmed());
        clocks_[i]->setVisible(clocksShown && panel.shown);
        clocks_[i]->setText(QString::number(panel.clock));
        setAccessibleText(clocks_[i],
                          tr("%1 seconds remaining %n", nullptr, panel.clock).arg(player));
    }
}

void BoardWindow::renderBoard(const GameState& s) {
    for (int n = kFirstNumber; n <= kLastNumber; ++n) {
        const bool covered = s.covered.test(n);
        numbers_[n]->setVisible(!covered);
        if (covered && counterShown_[n] != s.owners[n]) {
            counterShown_[n] = s.owners[n];
            counters_[n]->setPixmap(services_.data.picture(
                pictureName(ui::counterPicture(n, s.owners[n])), devicePixelRatioF()));
        }
        counters_[n]->setVisible(covered);
    }
    if (s.flashCounterAt >= kFirstNumber) {
        const std::string picture = pictureName(ui::whiteCounterPicture(s.flashCounterAt));
        if (picture != flashShown_) {
            flashShown_ = picture;
            flashCounter_->setPixmap(services_.data.picture(flashShown_, devicePixelRatioF()));
        }
        // Two moves in a row may flash the same white picture: the place follows on its own.
        flashCounter_->setGeometry(pixelRect(
            geometry::counterPosition(s.flashCounterAt, label100Width_), kCellSize, kCellSize));
    }
    flashCounter_->setVisible(s.flashCounterShown);
}

void BoardWindow::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    // Between ratios 1 and 2 the board made at twice the size is drawn smaller, smoothly.
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const QColor around = ui::toQColor(colours::kBoardBackground);
    const QRect picture(QPoint(0, 0), background_.deviceIndependentSize().toSize());
    // A rectangle at a time: through the whole region, which the boxes on the board cut into
    // pieces, Qt blends the picture pixel by pixel on helper threads instead of copying it.
    for (const QRect& r : event->region()) {
        p.setClipRect(r);
        if (!picture.contains(r))
            p.fillRect(r, around);
        if (!background_.isNull())
            p.drawPixmap(0, 0, background_);
    }
}

void BoardWindow::closeEvent(QCloseEvent* event) {
    // Closing the window any other way is Exit: a running game is saved.
    if (!game_.closed()) {
        inCloseEvent_ = true;
        exitGame();
        inCloseEvent_ = false;
    }
    event->accept();
}

// Keyboard play: a number's digits and Enter choose it, Backspace and Escape forget them; Space
// throws when no button has the focus (a focused button takes Space itself).
bool BoardWindow::typingKey(const QKeyEvent& key) {
    const int k = key.key();
    const bool throwDue = game_.state().throwDiceEnabled;
    if (k >= Qt::Key_0 && k <= Qt::Key_9) {
        if (throwDue) {
            typed_.clear();
            setHint(tr("Throw the dice first"));
        } else if (typed_.size() < kMaxTypedDigits) {
            typed_ += QChar(u'0' + (k - Qt::Key_0));
            hint_.clear();
        }
    } else if ((k == Qt::Key_Backspace || k == Qt::Key_Escape) && !hint_.isEmpty()) {
        hint_.clear();
    } else if (k == Qt::Key_Backspace && !typed_.isEmpty()) {
        typed_.chop(1);
    } else if (k == Qt::Key_Escape && !typed_.isEmpty()) {
        typed_.clear();
    } else if ((k == Qt::Key_Return || k == Qt::Key_Enter) && !typed_.isEmpty()) {
        const int n = typed_.toInt();
        typed_.clear();
        if (n < kFirstNumber || n > kLastNumber)
            setHint(tr("Choose a number from 1 to 100"));
        else if (throwDue)
            setHint(tr("Throw the dice first"));
        else
            clickNumber(n);
    } else if (k == Qt::Key_Space) {
        if (!key.isAutoRepeat())
            throwDice();
        return true;
    } else {
        return false;
    }
    render();
    return true;
}

void BoardWindow::setHint(const QString& hint) {
    hint_ = hint;
    hintTurn_ = {game_.state().turnCounter, game_.state().throwDiceEnabled};
}

void BoardWindow::keyPressEvent(QKeyEvent* event) {
    if (!typingKey(*event))
        QWidget::keyPressEvent(event);
}

bool BoardWindow::eventFilter(QObject* watched, QEvent* event) {
    // While a number is being typed, Enter chooses it, whichever button has the focus.
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (enter && !typed_.isEmpty())
            return typingKey(*key);
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace tezzle::board
