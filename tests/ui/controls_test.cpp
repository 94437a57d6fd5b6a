// Control models: handlers run as a user's action would, views hear of every change, and the
// recording dialogs keep the save dialog's name as a real one does.
#include "ui/controls.h"

#include <gtest/gtest.h>

#include "ui/dialogs.h"
#include "ui/event.h"
#include "ui/form.h"
#include "wizards/common/errors.h"

namespace ui {
namespace {

TEST(Controls, HandlersRunOnlyWhenTheValueChanges) {
    Form form("F");
    CheckBox box(&form, "CheckBox1", "nincs", false);
    RadioGroup group(&form, "RadioGroup1", " Hűtés ", {"nincs", "M7", "M8"}, 0);
    ScrollBar bar(&form, "ScrollBar1", "", 0, 100, 50);
    int clicks = 0, picks = 0, moves = 0;
    box.onClick = [&] { ++clicks; };
    group.onClick = [&] { ++picks; };
    bar.onChange = [&] { ++moves; };
    box.setChecked(false);
    group.setItemIndex(0);
    bar.setPosition(50);
    EXPECT_EQ(clicks + picks + moves, 0);
    box.setChecked(true);
    group.setItemIndex(2);
    group.setItemIndex(7);  // no such item
    bar.setPosition(150);   // kept within the range
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(picks, 1);
    EXPECT_EQ(group.itemIndex(), 2);
    EXPECT_EQ(moves, 1);
    EXPECT_EQ(bar.position(), 100);
}

TEST(Controls, AFieldIsNamedByItsCaptionOrByTheNameItIsGiven) {
    Form form("TFormX");
    Edit safe(&form, "Edit_zsb_", "biztonsági Z: +");
    Edit tool(&form, "Edit_sz_", "Szerszám átmérő:");
    Edit bare(&form, "Edit9", "");
    Edit y(&form, "Edit_Ypos_", "Y:");
    EXPECT_EQ(safe.fieldName(), "biztonsági Z");
    EXPECT_EQ(tool.fieldName(), "Szerszám átmérő");
    EXPECT_EQ(bare.fieldName(), "Edit9");
    y.setFieldName("Bemért pozíció Y");
    EXPECT_EQ(y.fieldName(), "Bemért pozíció Y");
    EXPECT_EQ(y.caption(), "Y:");  // the label beside the field is unchanged
}

TEST(Controls, ADisabledButtonDoesNothing) {
    Form form("F");
    Button button(&form, "Button3", "Válassz varázslót először!!");
    int presses = 0;
    button.onClick = [&] { ++presses; };
    button.setEnabled(false);
    EXPECT_FALSE(button.click());
    button.setEnabled(true);
    EXPECT_TRUE(button.click());
    EXPECT_EQ(presses, 1);
}

TEST(Controls, FormsFindTheirControlsByNameInOrder) {
    Form form("F");
    Edit a(&form, "Edit_x_", "X");
    Label b(&form, "Label1", "mm");
    EXPECT_EQ(form.find("Label1"), &b);
    EXPECT_EQ(form.findAs<Edit>("Edit_x_"), &a);
    EXPECT_EQ(form.findAs<Edit>("Label1"), nullptr);
    EXPECT_EQ(form.find("Edit_y_"), nullptr);
    ASSERT_EQ(form.controls().size(), 2u);
    EXPECT_EQ(form.controls()[0], &a);
}

TEST(Controls, AControlTablePlacesEachControlInTheListingAndTheLayout) {
    // a block of shared controls is declared before the page's own ones
    Form form("TFrameX");
    Edit x, tool, feed, r;
    CheckBox none;
    using Row = Form::Row;
    form.declare({
        Row(x, "Edit_x_", {"X", "0"}),
        Row(tool, "Edit_szsz_", {"Szerszám száma:", "1"}),
        Row(feed, "Edit_ff_", {"Fordulat:", "1000"}),
        Row(none, "CheckBox_szsz_", {"nincs", true}).shownAfter(tool),
    });
    form.declare({Row(r, "Edit_r_", {"Kör átmérője:", "20"}).listedAfter(x)});
    EXPECT_EQ(form.controls(), (std::vector<Control*>{&x, &r, &tool, &feed, &none}));
    EXPECT_EQ(form.laidOut(), (std::vector<Control*>{&x, &r, &tool, &none, &feed}));
    EXPECT_EQ(form.findAs<Edit>("Edit_r_"), &r);
    EXPECT_EQ(r.text(), "20");
    EXPECT_TRUE(none.checked());
    // a row without a key moves a control declared before
    form.declare({Row(feed).listedAfter(x)});
    EXPECT_EQ(form.controls(), (std::vector<Control*>{&x, &feed, &r, &tool, &none}));
    {
        Label later(&form, "Label1", "mm");  // one made later follows; destroyed, it drops out
        EXPECT_EQ(form.laidOut().back(), &later);
    }
    EXPECT_EQ(form.laidOut().size(), 5u);

    auto refusal = [&](Row row) -> std::string {
        try {
            form.declare({std::move(row)});
        } catch (const std::logic_error& e) {
            return e.what();
        }
        return "accepted";
    };
    Edit other, stray;
    Form elsewhere("TFrameY");
    Edit foreign(&elsewhere, "Edit_y_", "Y");
    EXPECT_EQ(refusal(Row(x, "Edit_x_", {"X", "0"})),
              "TFrameX: control table: Edit_x_ declared twice");
    EXPECT_EQ(refusal(Row(other, "Edit_r_", {"Y", "0"})),
              "TFrameX: control table: Edit_r_ names two controls");
    EXPECT_EQ(refusal(Row(stray)),
              "TFrameX: control table: a control placed before it was declared");
    EXPECT_EQ(refusal(Row(feed).shownAfter(foreign)),
              "TFrameX: control table: Edit_ff_ placed after a control that is not the form's");
    EXPECT_EQ(form.controls(), (std::vector<Control*>{&x, &feed, &r, &tool, &none}));
}

TEST(Controls, AMemoBatchIsAnnouncedOnce) {
    Form form("F");
    Memo memo(&form, "Memo1");
    int notices = 0;
    memo.addListener([&] { ++notices; });
    memo.add("G21 G90");
    EXPECT_EQ(notices, 1);
    {
        Memo::Batch batch(memo);
        for (int i = 0; i < 1000; ++i) memo.add("G0 Z5,0000");
        EXPECT_EQ(notices, 1);
    }
    EXPECT_EQ(notices, 2);
    EXPECT_EQ(memo.lines().size(), 1001u);
}

// A view's edit changes the lines in place and hands back the ones it took out, so that
// putting those back undoes it exactly.
TEST(Controls, AMemoEditReplacesLinesInPlace) {
    Form form("F");
    Memo memo(&form, "Memo1");
    memo.setLines({"a", "b", "c", "d"});
    int notices = 0;
    memo.addListener([&] { ++notices; });
    const auto revision = memo.revision();
    using Lines = std::vector<std::string>;
    EXPECT_EQ(memo.replaceLines(1, 1, {"B"}), Lines{"b"});
    EXPECT_EQ(memo.lines(), (Lines{"a", "B", "c", "d"}));
    EXPECT_EQ(memo.replaceLines(1, 2, {"x", "y", "z"}), (Lines{"B", "c"}));
    EXPECT_EQ(memo.lines(), (Lines{"a", "x", "y", "z", "d"}));
    EXPECT_EQ(memo.replaceLines(0, 4, {"e"}), (Lines{"a", "x", "y", "z"}));
    EXPECT_EQ(memo.lines(), (Lines{"e", "d"}));
    EXPECT_EQ(memo.replaceLines(2, 0, {"f", "g"}), Lines{});  // appended at the end
    EXPECT_EQ(memo.lines(), (Lines{"e", "d", "f", "g"}));
    // a range past the end is cut to the lines there are
    EXPECT_EQ(memo.replaceLines(3, 5, {}), Lines{"g"});
    EXPECT_EQ(memo.lines(), (Lines{"e", "d", "f"}));
    EXPECT_EQ(notices, 5);
    EXPECT_EQ(memo.revision(), revision + 5);
}

TEST(Controls, ATimerTicksOnlyWhileStarted) {
    Form form("F");
    Timer timer(&form, "Timer1", 100);
    int ticks = 0;
    timer.onTimer = [&] { ++ticks; };
    timer.fire();
    timer.start();
    timer.fire();
    timer.stop();
    timer.fire();
    EXPECT_EQ(ticks, 1);
    EXPECT_EQ(timer.interval(), 100);
}

TEST(RecordingDialogs, ACancelledSaveGivesNoNameButTheNextDialogOffersTheLastOne) {
    RecordingDialogs dialogs;
    dialogs.cancelSave();
    EXPECT_EQ(dialogs.saveFileName(), "");
    dialogs.chooseFile("/tmp/prog");
    EXPECT_EQ(dialogs.saveFileName(), "/tmp/prog");
    dialogs.cancelSave();
    EXPECT_EQ(dialogs.saveFileName(), "");
    EXPECT_EQ(dialogs.offeredName(), "/tmp/prog");
    EXPECT_EQ(dialogs.saveDialogsShown(), 3);
}

TEST(EventWrapper, AFailureIsShownAndTheProgramGoesOn) {
    RecordingDialogs dialogs;
    EXPECT_FALSE(runEvent(dialogs, [] { throw qorix::ConversionError("„x” nem érvényes szám."); }));
    EXPECT_TRUE(runEvent(dialogs, [] {}));
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0], (Message{kFailureCaption, "„x” nem érvényes szám."}));
}

}  // namespace
}  // namespace ui
