// The one wizard table: the main window's list, the command line's slugs, the pages and
// their dialogs all come from it.
#include "app/wizardtable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "app/mainwindowlogic.h"
#include "app/wizardregistry.h"
#include "support/storeservices.h"
#include "wizards/drilling/boltcircle.h"
#include "wizards/thread/threadrepair.h"

namespace qorix {
namespace {

class WizardTable : public ::testing::Test, protected test::StoreServices {};

const Wizard& entry(const std::string& slug) {
    for (const Wizard& w : wizardTable())
        if (w.slug == slug) return w;
    throw std::invalid_argument("no entry " + slug);
}

TEST_F(WizardTable, TheMainWindowListsEveryEntryInOrderAndTheCommandLineThoseWithASlug) {
    MainWindowLogic form{services, ""};
    const auto& table = wizardTable();
    ASSERT_EQ(form.ComboBox1.items().size(), table.size());
    ASSERT_EQ(form.pages().size(), table.size());
    std::vector<std::string> slugs;
    for (std::size_t i = 0; i < table.size(); ++i) {
        EXPECT_EQ(form.ComboBox1.items()[i], table[i].text);
        if (!table[i].slug.empty()) slugs.push_back(table[i].slug);
    }
    EXPECT_EQ(table.size(), 10u);
    EXPECT_EQ(slugs,
              (std::vector<std::string>{
                  "fibonacci", "circular-pocket", "rectangle-pocket", "cut-circle", "cut-rectangle",
                  "bolt-circle", "rectangle-holes", "thread-repair", "face-milling", "slot"}));
    std::vector<std::string> registered;
    for (const auto& e : wizardRegistry()) registered.push_back(e.slug);
    EXPECT_EQ(registered, slugs);
    EXPECT_EQ(std::set<std::string>(slugs.begin(), slugs.end()).size(), slugs.size());
    EXPECT_EQ(findWizard("drill-rectangle"), nullptr);
}

TEST_F(WizardTable, TheThreadPageReadsMenetIranyInTheMainWindowAndOnTheCommandLine) {
    MainWindowLogic form{services, ""};
    EXPECT_EQ(madeAs<ThreadRepairPage>(form.page(8)).RadioGroup_cw_.caption(), "Menet irány");
    auto wizard = findWizard("thread-repair")->make(services);
    auto* direction = wizard->forms().at(0)->findAs<ui::RadioGroup>("RadioGroup_cw_");
    ASSERT_NE(direction, nullptr);
    EXPECT_EQ(direction->caption(), "Menet irány");
}

TEST_F(WizardTable, TheDialogsAreMadeAndConnectedToTheirPage) {
    const Wizard& thread = entry("thread-repair");
    auto page = thread.page(services);
    auto dialogs = thread.dialogs(*page, services);
    ASSERT_EQ(dialogs.size(), 2u);
    EXPECT_EQ(dialogs[0]->formName(), "PositionCaptureDialog");
    EXPECT_EQ(dialogs[1]->formName(), "ThreadCheckDialog");
    EXPECT_FALSE(dialogs[0]->visible());
    store.standalone = 1;
    madeAs<ThreadRepairPage>(*page).Button3.click();  // "Bemérés" opens the capture dialog
    EXPECT_TRUE(dialogs[0]->visible());

    const Wizard& bolt = entry("bolt-circle");
    auto drilling = bolt.page(services);
    auto selector = bolt.dialogs(*drilling, services);
    ASSERT_EQ(selector.size(), 1u);
    EXPECT_EQ(selector[0]->formName(), "HoleSelectorDialog");
    madeAs<BoltCirclePage>(*drilling).RadioGroup1.setItemIndex(1);  // "Furat kiválasztás"
    EXPECT_TRUE(selector[0]->visible());
}

TEST_F(WizardTable, EveryPageLaysOutEachOfItsControlsOnce) {
    for (const Wizard& w : wizardTable()) {
        auto page = w.page(services);
        std::vector<ui::Control*> laid = page->laidOut(), declared = page->controls();
        std::sort(laid.begin(), laid.end());
        std::sort(declared.begin(), declared.end());
        EXPECT_EQ(laid, declared) << w.text;
        auto at = [&](const char* name) {
            auto order = page->laidOut();
            return std::find(order.begin(), order.end(), page->find(name)) - order.begin();
        };
        // every tool number has its "nincs" right beside it
        if (page->find("Edit_szsz_")) {
            EXPECT_EQ(at("CheckBox_szsz_"), at("Edit_szsz_") + 1) << w.text;
        }
    }
}

TEST_F(WizardTable, APageGivenToTheWrongDialogsIsAFaultOfTheTable) {
    auto spiral = wizardTable().front().page(services);
    EXPECT_THROW(entry("thread-repair").dialogs(*spiral, services), std::logic_error);
    EXPECT_THROW(entry("bolt-circle").dialogs(*spiral, services), std::logic_error);
}

}  // namespace
}  // namespace qorix
