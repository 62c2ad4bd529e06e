#pragma once

#include "core/Reachable.h"
#include "ui/Services.h"

#include <QObject>
#include <QPointer>

#include <array>

class QWidget;

namespace tezzle::help {

class RulesPage;
class CheatChartWindow;

// The five rules pages and the Cheat Chart, each open at most once. Windows are made when opened
// and destroyed when closed; opening an open one brings it to the front.
class Help : public QObject {
    Q_OBJECT

public:
    explicit Help(const ui::Services& services, QObject* parent = nullptr);
    ~Help() override; // closes everything it opened

    void openRulesPage(int page); // 1 to 5
    void closeRulesPages();       // leaves the Cheat Chart open
    // A new chart opens clear of the asking window where the screen has room; an open chart
    // keeps its place, its table and where it was slid to.
    void openCheatChart(const QWidget* asking = nullptr);
    void closeCheatChart();

    QWidget* rulesPage(int page) const; // nullptr when closed
    QWidget* cheatChart() const;        // nullptr when closed

private:
    void pageLeaving(int page);

    const ui::Services& services_;
    std::array<QPointer<RulesPage>, 5> pages_{};
    QPointer<CheatChartWindow> chart_;
    bool keepChart_ = false; // the pages are closing from outside
    Dice demoDice_{};        // the demonstration's last throw, kept while its page is closed
};

} // namespace tezzle::help
