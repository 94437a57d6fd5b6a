// The main window's jobs through its models: the last values kept between runs when asked,
// the defaults brought back, and job files written by two programs at once.
#include "app/pagejobs.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "app/jobfile.h"
#include "app/wizardtable.h"
#include "link/textfile.h"
#include "platform/files.h"
#include "support/golden.h"
#include "support/storeservices.h"
#include "ui/controls.h"
#include "ui/event.h"

namespace qorix {
namespace {

using test::readBytes;
using test::TempDir;

std::unique_ptr<WizardPage> pageOf(const std::string& slug, test::StoreServices& s) {
    for (const Wizard& w : wizardTable())
        if (w.slug == slug) return w.page(s.services);
    return nullptr;
}

// One run of the main window over a configuration folder: made, started, the cut circle shown.
struct WindowRun : test::StoreServices {
    explicit WindowRun(const std::string& folder) : jobs(form, dialogs, ',', folder) {
        ui::runEvent(dialogs, [&] { form.FormActivate(); });
        form.ComboBox1.select(3);
    }
    ui::Edit& diameter() { return *form.page(4).findAs<ui::Edit>("Edit_r_"); }
    ui::CheckBox& noStep() { return *form.page(4).findAs<ui::CheckBox>("CheckBox_szc_"); }
    MainWindowLogic form{services, "install"};
    PageJobs jobs;
};

TEST(PageJobs, LastValuesComeBackOnlyWhenAskedAndDefaultsAlways) {
    TempDir config;
    const std::string folder = config.file("qorix-wizards");
    {
        WindowRun first(folder);
        EXPECT_FALSE(first.jobs.keepLast());  // the specified start is the default
        first.diameter().setText("33");
        first.jobs.storeLast();  // off: nothing kept
        EXPECT_FALSE(platform::stampOf(first.jobs.lastJobPath("cut-circle")).exists);
        first.jobs.setKeepLast(true);
        EXPECT_EQ(readBytes(first.jobs.settingsPath()), "keep-last-values=1\n");
        first.noStep().setChecked(false);
        first.jobs.storeLast();
    }
    WindowRun second(folder);
    EXPECT_TRUE(second.jobs.keepLast());
    EXPECT_EQ(second.diameter().text(), "33");
    EXPECT_FALSE(second.noStep().checked());
    EXPECT_TRUE(second.form.page(4).find("Edit_szc_")->enabled());  // its handler ran
    second.jobs.defaultsShown();
    EXPECT_EQ(second.diameter().text(), "20");
    EXPECT_TRUE(second.noStep().checked());
    EXPECT_EQ(second.form.StatusLine.caption(), jobs::kDefaultsBack);
    EXPECT_EQ(second.dialogs.messages().size(), 1u) << "only the start-up's warning";
    second.jobs.setKeepLast(false);
    WindowRun third(folder);
    EXPECT_EQ(third.diameter().text(), "20");
}

// "Alapértékek" gives every page what a fresh start shows, also where the start-up reading
// sets fields of its own (the spiral's turns when only the picture is drawn).
TEST(PageJobs, DefaultsAreWhatAFreshStartShows) {
    WindowRun run("");
    for (int n = 1; n <= static_cast<int>(run.form.pages().size()); ++n) {
        WizardPage& page = run.form.page(n);
        const std::string fresh = ui::inputState(page);
        run.form.ComboBox1.select(n - 1);
        ASSERT_TRUE(run.jobs.pageShown()) << page.formName();
        for (ui::Control* c : page.controls())
            if (c->kind() == ui::Kind::Edit) static_cast<ui::Edit*>(c)->setText("77");
        run.jobs.defaultsShown();
        EXPECT_EQ(ui::inputState(page), fresh) << page.formName();
    }
}

// A job saved under a dot run reads the same in a comma run, with a name given without its
// extension; the drill-rectangle page has its job too.
TEST(PageJobs, SavedJobsCarryTheirSeparatorAndExtension) {
    TempDir dir;
    WindowRun comma("");
    test::StoreServices dotServices;
    dotServices.num = NumberText('.');
    MainWindowLogic dotForm{dotServices.services, "install"};
    PageJobs dot(dotForm, dotServices.dialogs, '.', "");
    dotForm.ComboBox1.select(3);
    dotForm.page(4).findAs<ui::Edit>("Edit_r_")->setText("12.5");
    dot.saveShown(dir.file("kor"));
    EXPECT_EQ(dotForm.StatusLine.caption(), jobs::kSaved + dir.file("kor.qjob"));
    comma.jobs.openShown(dir.file("kor.qjob"));
    EXPECT_EQ(comma.diameter().text(), "12,5");
    EXPECT_EQ(comma.form.page(4).findAs<ui::Edit>("Edit_x_")->text(), "0,0000");
    comma.form.ComboBox1.select(6);  // the rectangle hole pattern
    EXPECT_TRUE(comma.jobs.pageShown());
}

// Two programs write the same job at once: every read finds one whole write, and the last
// write that ends is the file.
TEST(PageJobs, TwoWritersRacingNeverLeaveHalfAFile) {
    TempDir dir;
    const std::string path = dir.file("verseny.qjob");
    test::StoreServices a, b;
    auto pageA = pageOf("cut-circle", a), pageB = pageOf("cut-circle", b);
    pageB->findAs<ui::Edit>("Edit_r_")->setText(std::string(2000, '7'));
    const std::string textA = job::text("cut-circle", *pageA, ','),
                      textB = job::text("cut-circle", *pageB, ',');
    std::atomic<bool> writing{true};
    std::atomic<int> refused{0};
    // Windows cannot rename over a file that is open: a write that still finds it held after
    // its retries is refused with a message, never half done.
    auto writer = [&](ui::Form& page) {
        for (int i = 0; i < 300; ++i) {
            try {
                job::save(path, "cut-circle", page, ',');
            } catch (const FileError&) {
                ++refused;
            }
        }
    };
    std::thread first(writer, std::ref(*pageA)), second(writer, std::ref(*pageB));
    std::thread reader([&] {
        while (writing) {
            platform::SmallFile file;
            if (platform::readSmallFile(path, job::kMostBytes, file) == 0) {
                ASSERT_TRUE(file.bytes == textA || file.bytes == textB) << file.bytes.size();
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    });
    first.join();
    second.join();
    writing = false;
    reader.join();
    const std::string last = readBytes(path);
    EXPECT_TRUE(last == textA || last == textB);
#ifndef _WIN32
    EXPECT_EQ(refused, 0);  // a rename here never waits for a reader
#endif
    EXPECT_LT(refused, 300);
    EXPECT_EQ(test::filesIn(dir.path()), std::vector<std::string>{"verseny.qjob"});
}

}  // namespace
}  // namespace qorix
