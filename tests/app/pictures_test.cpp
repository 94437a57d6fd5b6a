// Every picture that a page or the About window names is drawn and committed under assets/,
// so that the package carries it and the installed program can show it.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/wizardregistry.h"
#include "link/aboutbox.h"
#include "ui/controls.h"
#include "ui/dialogs.h"

namespace qorix {
namespace {

void expectPicturesOf(const ui::Form& form) {
    for (const ui::Control* c : form.controls()) {
        if (c->kind() != ui::Kind::Image) continue;
        const auto& picture = static_cast<const ui::Image*>(c)->picture();
        EXPECT_FALSE(picture.empty()) << form.formName() << "." << c->name();
        EXPECT_TRUE(
            std::filesystem::is_regular_file(std::filesystem::path(QORIX_ASSETS_DIR) / picture))
            << form.formName() << "." << c->name() << " names " << picture;
    }
}

TEST(Pictures, EveryPictureNamedByAPageOrTheAboutWindowIsInAssets) {
    NumberText num(',');
    ui::RecordingDialogs dialogs;
    AboutBox store(num);
    Services services{dialogs, num, &store, &store};
    expectPicturesOf(store);
    int pictures = 0;
    for (const auto& entry : wizardRegistry()) {
        auto wizard = entry.make(services);
        for (ui::Form* form : wizard->forms()) {
            expectPicturesOf(*form);
            for (const ui::Control* c : form->controls()) pictures += c->kind() == ui::Kind::Image;
        }
    }
    EXPECT_GE(pictures, 7);
}

}  // namespace
}  // namespace qorix
