// The check of a circle that the tool goes round, shared by the cut circle, the bolt circle
// and the thread repair page.
#include "wizards/common/frame.h"

#include <gtest/gtest.h>

#include "support/pagetest.h"
#include "ui/form.h"
#include "wizards/common/errors.h"

namespace qorix {
namespace {

class CircleAroundTool : public ::testing::Test, protected test::PlainServices {
protected:
    ui::Form form{"TTest"};
    ui::Edit circle{&form, "Edit_r_", "Kör átmérője:", ""};
    bool error = false;
    FieldReader read{services, error};
    int toolAsked = 0;

    std::optional<long double> check(const std::string& text, long double tool) {
        circle.setText(text);
        return readCircleAroundTool(
            circle,
            [&] {
                ++toolAsked;
                return tool;
            },
            read);
    }
    std::string onlyMessage() const {
        return dialogs.messages().size() == 1 ? dialogs.messages()[0].text : "<none or more>";
    }
};

TEST_F(CircleAroundTool, EmptyOrZeroIsRefusedWithoutAskingForTheTool) {
    for (const char* text : {"", "0", "0,0"}) {
        dialogs.clearMessages();
        error = 0;
        EXPECT_EQ(check(text, 6), std::nullopt) << text;
        EXPECT_EQ(onlyMessage(), msg::kCircleZero) << text;
        EXPECT_EQ(error, 1) << text;
    }
    EXPECT_EQ(toolAsked, 0);
}

TEST_F(CircleAroundTool, ACircleSmallerThanTheToolIsRefusedOneAsWideIsCut) {
    EXPECT_EQ(check("5,999", 6), std::nullopt);
    EXPECT_EQ(onlyMessage(), msg::kCircleBelowTool);
    EXPECT_EQ(error, 1);
    dialogs.clearMessages();
    error = 0;
    EXPECT_EQ(check("6", 6), 6.0L);
    EXPECT_EQ(check("20,5", 6), 20.5L);
    EXPECT_TRUE(dialogs.messages().empty());
    EXPECT_EQ(error, 0);
    EXPECT_EQ(toolAsked, 3);
}

TEST_F(CircleAroundTool, ACircleThatIsNoNumberThrowsBeforeTheToolIsAsked) {
    EXPECT_THROW(check("húsz", 6), ConversionError);
    EXPECT_EQ(toolAsked, 0);
}

}  // namespace
}  // namespace qorix
