#pragma once

#include "core/Reachable.h"
#include "ui/Services.h"

#include <QWidget>

namespace tezzle::help {

struct PageDesign;
class DiceDemoPanel;

// One page of the rules, built from its description. It asks for the other pages and the Cheat
// Chart by signals; the registry that made it opens them.
class RulesPage : public QWidget {
    Q_OBJECT

public:
    // `demoDice` are the demonstration's values, which outlive the page.
    RulesPage(const ui::Services& services, const PageDesign& design, Dice& demoDice,
              QWidget* parent = nullptr);
    ~RulesPage() override;

    bool hasCheatChartButton() const;
    DiceDemoPanel* demo() const { return demo_; }

signals:
    void pageRequested(int page);
    void cheatChartRequested();
    // The page is going, by one of its buttons or a close request from anywhere.
    void leaving(int page);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildTexts();
    void buildZoneTable();
    void buildPictures();
    void buildButtons();
    // Opens `page` (none for 0) and closes this one.
    void goTo(int page);
    void leave();

    const ui::Services& services_;
    const PageDesign& design_;
    DiceDemoPanel* demo_ = nullptr;
    bool left_ = false;
};

} // namespace tezzle::help
