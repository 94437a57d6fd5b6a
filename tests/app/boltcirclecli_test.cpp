// The drilling wizards on the command line: the --holes option and the usage errors it gives;
// and the store's listing of the bolt circle's hole table that a selection leaves behind.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "app/cli.h"
#include "link/aboutbox.h"
#include "ui/dialogs.h"
#include "wizards/drilling/boltcircle.h"
#include "wizards/drilling/holeselector.h"

namespace qorix {
namespace {

struct CliRun {
    int status;
    std::string out, err;
    std::string firstErrLine() const { return err.substr(0, err.find('\n')); }
};

CliRun cli(std::vector<std::string> args, const char* slug = "bolt-circle") {
    args.insert(args.begin(), {"generate", slug});
    std::ostringstream out, err;
    int status = runCli(args, out, err, ',');
    return {status, out.str(), err.str()};
}

TEST(BoltCircleCli, AHoleBeyondTheCountIsAUsageErrorOnEitherPattern) {
    const struct {
        const char* slug;
        std::vector<std::string> args;
        const char* error;
    } cases[] = {
        {"bolt-circle", {"--holes=1,6"}, "nincs 6. furat: a furatok száma 5"},
        {"rectangle-holes", {"--holes=1,11"}, "nincs 11. furat: a furatok száma 10"},
        {"rectangle-holes",
         {"RadioGroup_mt_=1", "--holes=0"},
         "nincs 0. furat: a furatok száma 12"},
    };
    for (const auto& c : cases) {
        CliRun r = cli(c.args, c.slug);
        EXPECT_EQ(r.status, kExitUsage) << c.slug;
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.firstErrLine(), std::string("qorix-wizards-cli: ") + c.error);
    }
}

TEST(BoltCircleCli, HoleZeroIsAUsageErrorWhateverTheCount) {
    CliRun r = cli({"Edit_drc_=13", "--holes=0"});
    EXPECT_EQ(r.status, kExitUsage);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.firstErrLine(), "qorix-wizards-cli: nincs 0. furat: a furatok száma 13");
}

TEST(BoltCircleCli, TheCountIsTheOneTypedBeforeThePress) {
    CliRun r = cli({"--holes=13", "Edit_drc_=13", "CheckBox_msg_=0"});
    EXPECT_EQ(r.status, kExitOk) << r.err;
    EXPECT_NE(r.out.find("G83 X10,0000 Y0,0000 Z-10,0000 Q2 R1 F100\nG0 Z5"), std::string::npos)
        << r.out;
}

TEST(BoltCircleCli, AListThatIsNotNumbersIsAUsageError) {
    for (const char* bad : {"--holes=1,,3", "--holes=a", "--holes=1;2", "--holes=2,"}) {
        CliRun r = cli({bad});
        EXPECT_EQ(r.status, kExitUsage) << bad;
        EXPECT_EQ(
            r.firstErrLine(),
            std::string("qorix-wizards-cli: furatszámok vesszővel elválasztva kellenek: ") + bad);
    }
}

TEST(BoltCircleCli, OtherWizardsHaveNoHolesOption) {
    std::ostringstream out, err;
    int status = runCli({"generate", "cut-circle", "--holes=1"}, out, err, ',');
    EXPECT_EQ(status, kExitUsage);
    EXPECT_EQ(err.str().substr(0, err.str().find('\n')),
              "qorix-wizards-cli: ismeretlen kapcsoló: --holes=1");
}

TEST(BoltCircleCli, AFailedCheckOfTheSelectionIsReportedNotAUsageError) {
    // the choice and the press each read the field and say what is wrong with it
    CliRun r = cli({"Edit_g1_=", "--holes=3"});
    EXPECT_EQ(r.status, kExitRefused);
    EXPECT_EQ(r.out, "");
    const std::string g1 =
        "Figyelmeztetés rossz paraméterezésről: G1 előtolási értékét nem adtad meg.\n";
    EXPECT_EQ(r.err, g1 + g1);
}

TEST(BoltCircleStore, TheListingShowsTheChosenHoles) {
    RecordingSleeper noWait;
    NumberText num(',');
    ui::RecordingDialogs dialogs;
    AboutBox store(num, noWait);
    Services services{dialogs, num, &store, &store};
    BoltCirclePage page(services);
    HoleSelectorDialog selector(services, page.holeChoice());
    page.setHoleSelector(&selector);
    store.showDrilling(&page.values());
    page.startup();
    page.RadioGroup1.setItemIndex(1);
    selector.holeBox(2)->setChecked(false);
    selector.Button2.click();
    page.Button1.click();
    store.Button2Click();
    const auto& log = store.Memo2.lines();
    auto has = [&](const std::string& line) {
        return std::find(log.begin(), log.end(), line) != log.end();
    };
    EXPECT_TRUE(has("Furatok száma számláló   u8_anc= 5"));  // the selection stays in force
    EXPECT_TRUE(has("Utolsó furatok száma adat   u8_ancl= 5"));
    EXPECT_TRUE(has("_an[1,1..5]= 72°   X(_r_)3,0902   Y(_r_)9,5106   X0,3090   Y0,9511"));
    EXPECT_TRUE(has("1. furat u8_an[1](X3,0902 Y9,5106)ki lesz fúrva"));
    EXPECT_TRUE(has("2. furat u8_an[2](X-8,0902 Y5,8779) kimarad"));
    EXPECT_TRUE(has("5. furat u8_an[5](X10,0000 Y0,0000)ki lesz fúrva"));
}

}  // namespace
}  // namespace qorix
