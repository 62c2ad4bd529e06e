#include "Help.h"

#include "CheatChartWindow.h"
#include "RulesPage.h"
#include "RulesPageData.h"

#include "ui/Centre.h"

namespace tezzle::help {

Help::Help(const ui::Services& services, QObject* parent)
    : QObject(parent)
    , services_(services) {}

Help::~Help() {
    for (QPointer<RulesPage>& page : pages_)
        delete page.data();
    delete chart_.data();
}

void Help::openRulesPage(int page) {
    if (page < 1 || page > kPageCount)
        return;
    QPointer<RulesPage>& slot = pages_[static_cast<std::size_t>(page - 1)];
    if (slot == nullptr) {
        slot = new RulesPage(services_, kPages[static_cast<std::size_t>(page - 1)], demoDice_);
        slot->setAttribute(Qt::WA_DeleteOnClose);
        connect(slot, &RulesPage::pageRequested, this, &Help::openRulesPage);
        connect(slot, &RulesPage::cheatChartRequested, this,
                [this, asking = slot.data()] { openCheatChart(asking); });
        connect(slot, &RulesPage::leaving, this, &Help::pageLeaving);
    }
    ui::bringToFront(*slot);
}

void Help::closeRulesPages() {
    // Only page 2's own buttons take the Cheat Chart with it: a game started meanwhile keeps it.
    keepChart_ = true;
    for (QPointer<RulesPage>& page : pages_)
        if (page != nullptr)
            page->close();
    keepChart_ = false;
}

void Help::pageLeaving(int page) {
    // Forgotten at once: its deletion waits for the event loop.
    QPointer<RulesPage>& slot = pages_[static_cast<std::size_t>(page - 1)];
    const bool closesChart = slot != nullptr && slot->hasCheatChartButton() && !keepChart_;
    slot = nullptr;
    if (closesChart)
        closeCheatChart();
}

void Help::openCheatChart(const QWidget* asking) {
    if (chart_ == nullptr) {
        chart_ = new CheatChartWindow;
        chart_->placeClearOf(asking);
        chart_->setAttribute(Qt::WA_DeleteOnClose);
        connect(chart_, &CheatChartWindow::closed, this, [this] { chart_ = nullptr; });
    }
    ui::bringToFront(*chart_);
}

void Help::closeCheatChart() {
    if (chart_ != nullptr)
        chart_->close();
}

QWidget* Help::rulesPage(int page) const {
    if (page < 1 || page > kPageCount)
        return nullptr;
    return pages_[static_cast<std::size_t>(page - 1)];
}

QWidget* Help::cheatChart() const {
    return chart_;
}

} // namespace tezzle::help
