#include "app/wizardtable.h"

#include "app/holeselectorwizard.h"
#include "app/threadrepairwizard.h"
#include "link/aboutbox.h"
#include "link/positioncapture.h"
#include "link/session.h"
#include "wizards/contour/circularpocket.h"
#include "wizards/contour/cutcircle.h"
#include "wizards/contour/cutrectangle.h"
#include "wizards/contour/rectanglepocket.h"
#include "wizards/drilling/boltcircle.h"
#include "wizards/drilling/holeselector.h"
#include "wizards/drilling/rectangleholes.h"
#include "wizards/milling/facemilling.h"
#include "wizards/milling/slot.h"
#include "wizards/spiral/fibonacci.h"
#include "wizards/thread/threadcheck.h"
#include "wizards/thread/threadrepair.h"

namespace qorix {

namespace {

using Dialogs = std::vector<std::unique_ptr<ui::Form>>;

template <class Page>
PageMaker page() {
    return [](Services& s) { return std::make_unique<Page>(s); };
}

template <class Driver>
CliMaker driver() {
    return [](const Wizard& w, Services& s) { return std::make_unique<Driver>(w, s); };
}

// Everywhere the thread page's direction group reads "Menet irány".
std::unique_ptr<WizardPage> threadRepairPage(Services& s) {
    auto page = std::make_unique<ThreadRepairPage>(s);
    page->RadioGroup_cw_.setCaption("Menet irány");
    return page;
}

// " Furat kiválasztó " chooses the holes in a dialog of its own.
template <class Page>
Dialogs holeSelector(WizardPage& page, Services& s) {
    Dialogs made;
    auto& drilling = madeAs<Page>(page);
    made.push_back(std::make_unique<HoleSelectorDialog>(s, drilling.holeChoice()));
    drilling.setHoleSelector(&madeAs<HoleSelectorDialog>(*made[0]));
    return made;
}

// The About window's listing shows the drilling page's values and hole table.
void listDrilling(WizardPage& page, AboutBox& about) {
    about.showDrilling(&madeAs<BoltCirclePage>(page).values());
}

// "Bemérés" and "Ellenőrzés", in this order.
Dialogs captureAndCheck(WizardPage& page, Services& s) {
    Dialogs made;
    made.push_back(std::make_unique<PositionCaptureDialog>(s));
    made.push_back(std::make_unique<ThreadCheckDialog>(s));
    madeAs<ThreadRepairPage>(page).connectDialogs(madeAs<PositionCaptureDialog>(*made[0]),
                                                  madeAs<ThreadCheckDialog>(*made[1]));
    return made;
}

// "Bemérés" asks QORIX for the position: in host mode it is switched off here; the selection
// does not touch it in standalone mode.
void measureOnlyStandalone(WizardPage& page, const Session& session) {
    if (!session.standalone) madeAs<ThreadRepairPage>(page).Button3.setEnabled(false);
}

}  // namespace

const std::vector<Wizard>& wizardTable() {
    static const std::vector<Wizard> table = {
        // the spiral page only reads its fields at start-up
        {.text = "Fibonacci spirál",
         .slug = "fibonacci",
         .page = page<FibonacciSpiralPage>(),
         .startup = callOn<WizardPage>(&WizardPage::ReadParameters)},
        // a selection refreshes the step-width labels ("%" and "mm")
        {.text = "Körzseb (circular pocket)",
         .slug = "circular-pocket",
         .page = page<CircularPocketPage>(),
         .onSelect = callOn<CircularPocketPage>(&CircularPocketPage::ScrollBar1Change)},
        {.text = "Téglalapzseb (rectangle pocket)",
         .slug = "rectangle-pocket",
         .page = page<RectanglePocketPage>(),
         .onSelect = callOn<RectanglePocketPage>(&RectanglePocketPage::ScrollBar1Change)},
        {.text = "Kör kivágás (cut circle)", .slug = "cut-circle", .page = page<CutCirclePage>()},
        {.text = "Téglalap kivágás (cut rectangle)",
         .slug = "cut-rectangle",
         .page = page<CutRectanglePage>()},
        // a selection disables the third choice ("Újra választ") of " Furat kiválasztó "
        {.text = "Fúrás kör mentén (drill circular bolt pattern)",
         .slug = "bolt-circle",
         .page = page<BoltCirclePage>(),
         .dialogs = holeSelector<BoltCirclePage>,
         .onSelect = callOn<BoltCirclePage>(&BoltCirclePage::selectedInList),
         .cli = driver<HoleSelectorWizard>(),
         .showInAbout = listDrilling},
        // as on the bolt circle: a selection disables "Újra választ"
        {.text = "Fúrás Téglalap mentén (drill rectangle bolt pattern)",
         .slug = "rectangle-holes",
         .page = page<RectangleHolesPage>(),
         .dialogs = holeSelector<RectangleHolesPage>,
         .onSelect = callOn<RectangleHolesPage>(&RectangleHolesPage::selectedInList),
         .cli = driver<HoleSelectorWizard>()},
        // in host mode both the start-up and a selection disable the page's "Bemérés"
        {.text = "Menet javítás",
         .slug = "thread-repair",
         .page = threadRepairPage,
         .dialogs = captureAndCheck,
         .onSelect = measureOnlyStandalone,
         .afterStartup = measureOnlyStandalone,
         .cli = driver<ThreadRepairWizard>()},
        // a selection refreshes the step-width labels ("%" and "mm")
        {.text = "Síkmarás (face milling)",
         .slug = "face-milling",
         .page = page<FaceMillingPage>(),
         .onSelect = callOn<FaceMillingPage>(&FaceMillingPage::ScrollBar1Change)},
        {.text = "Horony (slot)", .slug = "slot", .page = page<SlotPage>()},
    };
    return table;
}

}  // namespace qorix
