#include "RulesPage.h"

#include "DiceDemoPanel.h"
#include "RulesPageData.h"

#include "ui/Centre.h"
#include "ui/Controls.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>

namespace tezzle::help {

namespace {

constexpr const char* kContext = "RulesPage";

QString translated(const char* text) {
    return QCoreApplication::translate(kContext, text);
}

// White lines joining points, drawn over whatever lies beneath.
class PathLines : public QWidget {
public:
    PathLines(std::span<const QPoint> points, QWidget* parent)
        : QWidget(parent) {
        QPolygon polygon(static_cast<int>(points.size()));
        for (std::size_t i = 0; i < points.size(); ++i)
            polygon.setPoint(static_cast<int>(i), points[i]);
        const QRect bounds = polygon.boundingRect().adjusted(-2, -2, 2, 2);
        path_ = polygon.translated(-bounds.topLeft());
        setGeometry(bounds);
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setPen(QPen(Qt::white, 2));
        p.drawPolyline(path_);
    }

private:
    QPolygon path_;
};

} // namespace

RulesPage::RulesPage(const ui::Services& services, const PageDesign& design, Dice& demoDice,
                     QWidget* parent)
    : QWidget(parent)
    , services_(services)
    , design_(design) {
    setObjectName(QStringLiteral("rulesPage%1").arg(design.number));
    setAccessibleName(translated(design.pageCaption));
    ui::bareTitleBar(*this);
    ui::centreform(*this);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, ui::toQColor(kPageBackground));
    setPalette(palette);

    // Later siblings are drawn over earlier ones.
    if (!design.picturesAboveTexts)
        buildPictures();
    buildTexts();
    if (design.picturesAboveTexts)
        buildPictures();
    if (!design.path.empty()) {
        auto* path = new PathLines(design.path, this);
        path->setObjectName(QStringLiteral("pathLines"));
        path->setAccessibleName(tr("The path of counters from hexagon 1 to hexagon 100"));
    }
    if (design.diceDemo)
        demo_ = new DiceDemoPanel(*this, services, demoDice);
    buildButtons();
}

RulesPage::~RulesPage() = default;

bool RulesPage::hasCheatChartButton() const {
    return design_.diceDemo;
}

void RulesPage::buildTexts() {
    ui::TextBox* pageNumber = ui::buildText(this, kPageNumber, kContext);
    pageNumber->setText(translated(design_.pageCaption));
    pageNumber->setAccessibleName(pageNumber->text());
    ui::build(this, kTitle, kContext);
    ui::buildAll(this, design_.texts, kContext);
    if (design_.zoneTable)
        buildZoneTable();
}

void RulesPage::buildZoneTable() {
    const QFontMetrics metrics(ui::font(kZoneRow.font));
    const auto padTo = [&metrics](QString text, int column) {
        while (metrics.horizontalAdvance(text) < column)
            text += QLatin1Char(' ');
        return text;
    };
    for (std::size_t i = 0; i < kZones.size(); ++i) {
        const Zone& zone = kZones[i];
        const QString range =
            translated(kZoneRange).arg(QString::number(zone.first).leftJustified(2)).arg(zone.last);
        const QString row = padTo(padTo(range, kColourColumn) + translated(kZoneRows[i].colour),
                                  kZoneRows[i].rewardColumn) +
                            QString::number(zone.points);
        ui::TextBox* text = ui::buildText(this, kZoneRow, kContext);
        text->setObjectName(QStringLiteral("zoneTableRow%1").arg(i + 1));
        text->move(text->x(), text->y() + kZoneRowStep * static_cast<int>(i));
        text->setText(row);
        text->setAccessibleName(row);
    }
}

void RulesPage::buildPictures() {
    for (const PictureDesign& shown : design_.pictures) {
        auto* picture = new ui::Picture(this);
        picture->setObjectName(QString::fromLatin1(shown.name));
        picture->setAccessibleName(translated(shown.description));
        picture->setPixmap(services_.data.picture(shown.file, devicePixelRatioF()));
        const QPixmap& pixmap = picture->pixmap();
        picture->setGeometry({shown.at, pixmap.deviceIndependentSize().toSize()});
    }
}

void RulesPage::buildButtons() {
    const auto button = [this](const ControlDesign& design, int target) {
        ui::Button* b = ui::buildButton(this, design, kContext);
        b->setAccessibleName(b->text());
        connect(b, &ui::Button::clicked, this, [this, target] { goTo(target); });
        return b;
    };
    button(kExitButton, 0);
    ui::Button* next = nullptr;
    if (design_.number < kPageCount)
        next = button(kNextButton, design_.number + 1);
    ui::Button* previous = nullptr;
    if (design_.number > 1)
        previous = button(kPreviousButton, design_.number - 1);
    // Enter reads on; the last page offers the way back. Exit is never the first to be pressed.
    (next != nullptr ? next : previous)->setFocus();
    if (design_.diceDemo) {
        ui::Button* chart = ui::buildButton(this, kCheatChartButton, kContext);
        chart->setAccessibleName(chart->text());
        connect(chart, &ui::Button::clicked, this, &RulesPage::cheatChartRequested);
    }
}

void RulesPage::goTo(int page) {
    // Whatever this page leaves behind goes before the next page comes.
    leave();
    if (page != 0)
        emit pageRequested(page);
    close();
}

void RulesPage::leave() {
    if (left_)
        return;
    left_ = true;
    if (demo_ != nullptr)
        demo_->stop();
    emit leaving(design_.number);
}

void RulesPage::closeEvent(QCloseEvent* event) {
    // A close request from outside is the page's Exit.
    leave();
    event->accept();
}

} // namespace tezzle::help
