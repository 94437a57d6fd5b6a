// The toolpath preview as real widgets on the offscreen platform, judged by its pixels and
// its state: the cut circle lies on its radius, a rapid is dashed and a cut is not, a hole
// left out is grey, the text and the moves choose each other, every view and fit-all keep
// the path inside the image, and the measures, warnings and settings beside it.
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>
#include <cmath>
#include <numbers>
#include <optional>

#include "app/mainwindowlogic.h"
#include "desktop/linebox.h"
#include "desktop/mainwindow.h"
#include "desktop/qtdialogs.h"
#include "desktop/toolpathbatch.h"
#include "desktop/toolpathlegend.h"
#include "desktopprogram.h"
#include "link/session.h"
#include "program/drawstyle.h"
#include "wizards/common/numbertext.h"
#include "wizards/drilling/boltcircle.h"

namespace {

using ui::qt::Projection;
using ui::qt::Scene;
using ui::qt::ToolpathView;

constexpr int kCutCircle = 4, kBoltCircle = 6;

// The desktop program of the other Qt tests, with the ways to a drawn preview.
struct Program : qorix::test::Program {
    // From the list's first state, before any page was chosen.
    ui::qt::FormView* choose(int wizardNumber) {
        auto* list = window.findChild<QComboBox*>("ComboBox1");
        list->setFocus();
        for (int i = 0; i < wizardNumber; ++i) QTest::keyClick(list, Qt::Key_Down);
        return window.pageView(wizardNumber);
    }
    // Chooses the wizard, presses its "Létrehozás" and waits for the drawn preview.
    ToolpathView* pressed(int wizardNumber) {
        ui::qt::FormView* page = window.pageView(wizardNumber);
        if (!page->isVisible()) choose(wizardNumber);
        QTest::mouseClick(page->widget<QPushButton>("Button1"), Qt::LeftButton);
        ToolpathView* view = window.preview(wizardNumber)->view();
        return settled(view) ? view : nullptr;
    }
    static bool settled(ToolpathView* view) {
        return QTest::qWaitFor([view] { return view->scene() && view->idle(); }, 10000);
    }
    // A program file in the temporary folder, opened into the shown page.
    void open(const char* name, const QByteArray& bytes) {
        const QString file = saves.path() + "/" + name;
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        f.close();
        window.openProgram(file);
    }
};

const QColor kBackground(qorix::program::kDrawStyle.background);

// Whether the image has a pixel of other than the background within one pixel of p.
bool inkNear(const QImage& image, QPointF p) {
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy) {
            const QPoint q(std::lround(p.x()) + dx, std::lround(p.y()) + dy);
            if (image.rect().contains(q) && image.pixelColor(q) != kBackground) return true;
        }
    return false;
}

bool close(QColor a, QColor b, int tolerance = 40) {
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
               std::abs(a.blue() - b.blue()) <=
           tolerance;
}

// Pixels of about this colour within two pixels of p.
int colourNear(const QImage& image, QPointF p, QColor colour, int tolerance = 40) {
    int n = 0;
    for (int dx = -2; dx <= 2; ++dx)
        for (int dy = -2; dy <= 2; ++dy) {
            const QPoint q(std::lround(p.x()) + dx, std::lround(p.y()) + dy);
            if (image.rect().contains(q) && close(image.pixelColor(q), colour, tolerance)) ++n;
        }
    return n;
}

// The runs of ink along a row of the image from x0 to x1.
int inkRuns(const QImage& image, int y, int x0, int x1) {
    int runs = 0;
    bool inside = false;
    for (int x = x0; x <= x1; ++x) {
        const bool ink = image.pixelColor(x, y) != kBackground;
        if (ink && !inside) ++runs;
        inside = ink;
    }
    return runs;
}

// QORIX_PREVIEW_IMAGES=DIR keeps the images the tests look at, to see them.
void keep(const QImage& image, const char* name) {
    const QByteArray dir = qgetenv("QORIX_PREVIEW_IMAGES");
    if (!dir.isEmpty()) image.save(QString::fromUtf8(dir) + "/" + name + ".png");
}

QPointF at(ToolpathView* v, double x, double y, double z) {
    return ui::qt::toImage(v->camera(), v->image().size(), x, y, z);
}

// The tool's centre line alone, without the band of the tool's width under it.
void centreLineOnly(Program& p) {
    p.window.preview(kCutCircle)->findChild<QCheckBox*>("view.toolWidth")->setChecked(false);
}

std::shared_ptr<const qorix::program::LineText> linesOf(const std::vector<std::string>& lines) {
    auto text = std::make_shared<qorix::program::LineText>();
    for (const std::string& line : lines) text->push_back(line);
    return text;
}

// The program line (from 1) that reads so; 0 when none does.
int lineOf(const ui::qt::LineBox* box, const QString& text) {
    for (int i = 0; i < box->lineCount(); ++i)
        if (box->lineText(i) == text) return i + 1;
    return 0;
}

}  // namespace

class PreviewTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        // a scope of the tests' own, cleared before each test: in the test folder on Linux,
        // in the registry on Windows, which stores nothing for a program without organisation
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setOrganizationName("QORIX tests");
    }
    void init() { QSettings().clear(); }

    void theCutCircleLiesOnItsRadius() {
        Program p;
        QVERIFY(p.start());
        p.window.setFitToScreen(false);  // beside the box and at full size, whatever the screen
        centreLineOnly(p);
        ToolpathView* v = p.pressed(kCutCircle);
        QVERIFY(v);
        const QImage& image = v->image();
        QCOMPARE(image.size(), v->size());
        // the worked example: a 20 mm circle with a 5 mm tool, its path 7.5 mm round 0,0
        int onPath = 0, inside = 0;
        for (int deg = 0; deg < 360; deg += 5) {
            const double a = deg * std::numbers::pi / 180;
            onPath += inkNear(image, at(v, 7.5 * std::cos(a), 7.5 * std::sin(a), -2)) ? 1 : 0;
            if (deg > 200 || deg < 160)  // away from the lead-in along the X axis
                inside += inkNear(image, at(v, 4 * std::cos(a), 4 * std::sin(a), -2)) &&
                                  std::abs(4 * std::sin(a)) > 1.2
                              ? 1
                              : 0;
        }
        QCOMPARE(onPath, 72);
        QCOMPARE(inside, 0);
        // and the cut is the deep colour of the cuts, not a rapid's (a line of 1,4 pixels that
        // falls between two rows is smoothed with up to a tenth of the background)
        QVERIFY(colourNear(image, at(v, 0, -7.5, -2), QColor(qorix::program::kDrawStyle.cutDeep),
                           60) > 0);
        QVERIFY(v->scene()->result.warnings.empty());
    }

    void aRapidIsDashedAndACutIsSolid() {
        ToolpathView v;
        v.resize(600, 400);
        v.show();
        qorix::PreviewFacts facts;
        facts.read.decimalSeparator = '.';
        facts.read.startAt = {0, 0, 5};
        facts.read.startKnown = qorix::program::kAxesAll;
        v.setProgram(linesOf({"G21 G90", "G0 X0 Y0 Z5", "G0 X100 Y0", "G1 Z-1 F100", "G1 X100 Y40",
                              "G1 X0 Y40", "M30"}),
                     facts, true);
        QVERIFY(Program::settled(&v));
        const QImage& image = v.image();
        keep(image, "rapid");
        const int rapidY = std::lround(at(&v, 0, 0, 0).y());
        const int cutY = std::lround(at(&v, 0, 40, 0).y());
        const int x0 = std::lround(at(&v, 20, 0, 0).x()), x1 = std::lround(at(&v, 80, 0, 0).x());
        QVERIFY(x1 - x0 > 200);
        QVERIFY2(inkRuns(image, rapidY, x0, x1) >= 10, "the rapid is not dashed");
        QCOMPARE(inkRuns(image, cutY, x0, x1), 1);
        // its ink is the rapids' orange, however faint the edge
        int orange = 0;
        for (int x = x0; x <= x1; ++x)
            for (int y = rapidY - 1; y <= rapidY + 1; ++y) {
                const QColor c = image.pixelColor(x, y);
                orange += c != kBackground && c.red() > c.green() + 25 && c.green() > c.blue();
            }
        QVERIFY(orange > 50);
    }

    // The drawing showed only where the tool's centre goes; a slot one tool wide on the cut
    // rectangle's outline showed as a line.
    void aCutIsDrawnAsWideAsTheToolUnlessSwitchedOff() {
        Program p;
        QVERIFY(p.start());
        ToolpathView* v = p.pressed(5);
        QVERIFY(v);
        auto* width = p.window.preview(5)->findChild<QCheckBox*>("view.toolWidth");
        QVERIFY(width && width->isChecked());
        QCOMPARE(width->text(), QString("Szerszám szélessége"));
        const auto& path = v->scene()->result.path;
        const double r = v->scene()->facts.toolDiameter / 2;
        QVERIFY(r > 0);
        std::optional<std::array<double, 3>> beside;  // 0,6 r to the side of a long cut
        for (std::size_t i = 0; i < path.moves.size() && !beside; ++i) {
            const auto& a = path.startOf(i);
            const auto& b = path.moves[i];
            const double length = std::hypot(b.x - a.x, b.y - a.y);
            if (b.kind == qorix::program::MoveKind::Feed && a.z == b.z && length > 6 * r)
                beside = {(a.x + b.x) / 2 - (b.y - a.y) / length * 0.6 * r,
                          (a.y + b.y) / 2 + (b.x - a.x) / length * 0.6 * r, b.z};
        }
        QVERIFY(beside);
        const QColor band(qorix::program::kDrawStyle.toolWidth);
        auto bandNear = [&] {
            return colourNear(v->image(), at(v, (*beside)[0], (*beside)[1], (*beside)[2]), band);
        };
        QVERIFY(bandNear() >= 10);
        width->click();
        QTRY_COMPARE(bandNear(), 0);
        // not for a page whose tool makes holes
        QVERIFY(
            !p.window.preview(kBoltCircle)->findChild<QCheckBox*>("view.toolWidth")->isChecked());
    }

    void aHoleLeftOutIsGrey() {
        Program p;
        QVERIFY(p.start());
        p.choose(kBoltCircle);
        auto& page = dynamic_cast<qorix::BoltCirclePage&>(p.form.page(kBoltCircle));
        // what the hole selector does: the table prepared, the second hole left out
        page.RadioGroup1.setItemIndex(1);
        page.values().drillFlags[2] = false;
        QTest::mouseClick(p.window.pageView(kBoltCircle)->widget<QPushButton>("Button1"),
                          Qt::LeftButton);
        ToolpathView* v = p.window.preview(kBoltCircle)->view();
        QVERIFY(Program::settled(v));
        const auto& facts = v->scene()->facts;
        keep(v->image(), "leftout");
        QCOMPARE(facts.leftOut.size(), std::size_t(1));
        const int count = page.values().writtenCount;
        QCOMPARE(v->scene()->result.path.holes.size(), std::size_t(count - 1));
        const double r = facts.toolDiameter / 2;
        QVERIFY(r > 0);
        auto ringColour = [&](double x, double y, QColor colour) {
            int n = 0;
            for (int deg = 0; deg < 360; deg += 15)
                n += colourNear(v->image(),
                                at(v, x + r * std::cos(deg * std::numbers::pi / 180),
                                   y + r * std::sin(deg * std::numbers::pi / 180), facts.holeTop),
                                colour) > 0;
            return n;
        };
        const QColor grey(qorix::program::kDrawStyle.leftOut.colour);
        const QColor green(qorix::program::kDrawStyle.hole.colour);
        const auto& ghost = facts.leftOut[0];
        QVERIFY(ringColour(ghost.x, ghost.y, grey) >= 8);
        QCOMPARE(ringColour(ghost.x, ghost.y, green), 0);
        const auto& drilled = v->scene()->result.path.holes[0];
        QVERIFY(ringColour(drilled.x, drilled.y, green) >= 20);
        // a drilled hole is filled, one left out is not
        const QPointF inDrilled = at(v, drilled.x + r / 2, drilled.y - r / 2, facts.holeTop);
        const QPointF inGhost = at(v, ghost.x + r / 2, ghost.y - r / 2, facts.holeTop);
        QCOMPARE(v->image().pixelColor(inDrilled.toPoint()),
                 QColor(qorix::program::kDrawStyle.holeFill));
        QCOMPARE(v->image().pixelColor(inGhost.toPoint()), kBackground);
    }

    void aLineAndItsMovesChooseEachOther() {
        Program p;
        QVERIFY(p.start());
        ToolpathView* v = p.pressed(kCutCircle);
        QVERIFY(v);
        auto* box = p.window.pageView(kCutCircle)->widget<ui::qt::LineBox>("Memo1");
        // the first half circle, over the top from the left to the right, clicked in the box
        const int line = lineOf(box, "G2 X7,5000 Y0,0000 Z-1,0000 R7,5000 F300");
        QVERIFY(line > 0);
        box->scrollToLine(line - 1);
        const int row = line - 1 - box->firstVisibleLine();
        const int rowHeight = box->fontMetrics().lineSpacing();
        QTest::mouseClick(box->viewport(), Qt::LeftButton, {},
                          QPoint(40, row * rowHeight + rowHeight / 2));
        QCOMPARE(box->cursorPosition().line, line - 1);
        QCOMPARE(v->highlight().first, std::uint32_t(line));
        QCOMPARE(v->highlight().last, std::uint32_t(line));
        QVERIFY(Program::settled(v));
        keep(v->image(), "lit");
        const QColor lit(qorix::program::kDrawStyle.highlight.colour);
        QVERIFY(colourNear(v->image(), at(v, 0, 7.5, -1), lit) > 0);
        QCOMPARE(colourNear(v->image(), at(v, 0, -7.5, -1), lit), 0);
        // a click on the lower half chooses a line that cuts it
        QTest::mouseClick(v, Qt::LeftButton, {}, at(v, 0, -7.5, -2).toPoint());
        const QString chosen = box->selectedText();
        QVERIFY2(chosen.startsWith("G2 X-7,5000 Y0,0000"), qPrintable(chosen));
        const int clicked = box->cursorPosition().line + 1;
        QCOMPARE(v->highlight().first, std::uint32_t(clicked));
    }

    void everyViewAndFitAllKeepThePathInside() {
        Program p;
        QVERIFY(p.start());
        ToolpathView* v = p.pressed(kCutCircle);
        QVERIFY(v);
        const auto& path = v->scene()->result.path;
        for (Projection pr :
             {Projection::Top, Projection::Front, Projection::Side, Projection::Iso}) {
            v->zoomAt(QPointF(10, 10), 7);
            v->panBy(QPointF(300, -200));
            v->setProjection(pr);
            QVERIFY(Program::settled(v));
            QCOMPARE(v->projection(), pr);
            for (std::size_t i = 0; i < path.moves.size(); ++i) {
                if (!path.isMotion(path.moves[i])) continue;
                const auto& m = path.moves[i];
                const QPointF q = at(v, m.x, m.y, m.z);
                QVERIFY2(QRectF(v->rect()).contains(q), qPrintable(QString::number(i)));
            }
            // the image's edge is left blank round the drawing
            QCOMPARE(inkRuns(v->image(), 2, 170, v->width() - 3), 0);
        }
        // by keyboard: the front view, zoom in, fit all again
        v->setFocus();
        QTest::keyClick(v, Qt::Key_2);
        QCOMPARE(v->projection(), Projection::Front);
        const double fitted = v->camera().scale;
        QTest::keyClick(v, Qt::Key_Plus);
        QVERIFY(v->camera().scale > fitted);
        QTest::keyClick(v, Qt::Key_Home);
        QCOMPARE(v->camera().scale, fitted);
    }

    // Tab goes from the output box into the preview and on to the send button; in the view the
    // keys switch, zoom, move and fit it, and the view's buttons follow.
    void thePreviewIsInTheTabOrderAndTakesKeys() {
        Program p;
        QVERIFY(p.start());
        ToolpathView* v = p.pressed(kCutCircle);
        QVERIFY(v);
        p.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&p.window));
        auto* box = p.window.pageView(kCutCircle)->widget<ui::qt::LineBox>("Memo1");
        box->setFocus();
        QStringList way;
        for (int i = 0; i < 20 && QApplication::focusWidget()->objectName() != "Button3"; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            way << QApplication::focusWidget()->objectName();
        }
        // the tabs and "Megnyitás" beside them, the views, the drawing, the settings
        ui::qt::PreviewPanel* panel = p.window.preview(kCutCircle);
        QCOMPARE(way.value(0), panel->tabs()->tabBar()->objectName());
        QCOMPARE(way.value(1), QString("openProgram"));
        QCOMPARE(way.value(2), QString("view.Felül"));
        QVERIFY2(way.indexOf("toolpathView") > way.indexOf("view.Izometrikus"),
                 qPrintable(way.join(' ')));
        QVERIFY(way.indexOf("previewRapidRate") > way.indexOf("toolpathView"));
        QVERIFY(way.indexOf("view.fit") > way.indexOf("previewRapidRate"));
        QCOMPARE(way.last(), QString("Button3"));
        v->setFocus();
        QTest::keyClick(v, Qt::Key_4);
        QCOMPARE(v->projection(), Projection::Iso);
        QVERIFY(p.window.preview(kCutCircle)
                    ->findChild<QAbstractButton*>("view.Izometrikus")
                    ->isChecked());
        const ui::qt::Camera fitted = v->camera();
        QTest::keyClick(v, Qt::Key_Minus);
        QVERIFY(v->camera().scale < fitted.scale);
        QTest::keyClick(v, Qt::Key_Right);
        QVERIFY(v->camera().centre.x() > fitted.centre.x());
        QTest::keyClick(v, Qt::Key_0);
        QCOMPARE(v->camera().scale, fitted.scale);
        QCOMPARE(v->camera().centre, fitted.centre);
        QVERIFY(Program::settled(v));
        QVERIFY(v->hasFocus());
    }

    // The page's picture is the first tab, in front until a program moves the tool; "Törlés"
    // brings it back.
    void thePictureStaysReachableInTheFirstTab() {
        Program p;
        QVERIFY(p.start());
        ui::qt::FormView* page = p.choose(kCutCircle);
        ui::qt::PreviewPanel* panel = p.window.preview(kCutCircle);
        QTabWidget* tabs = panel->tabs();
        QCOMPARE(tabs->count(), 2);
        QCOMPARE(tabs->tabText(0), QString("Kép"));
        QCOMPARE(tabs->tabText(1), QString("Előnézet"));
        auto* picture = page->widget<QLabel>("Image1");
        QVERIFY(picture && tabs->widget(0)->isAncestorOf(picture));
        QVERIFY(picture->isVisible());
        QVERIFY(!panel->view()->isVisible());
        ToolpathView* v = p.pressed(kCutCircle);
        QVERIFY(v);
        QCOMPARE(tabs->currentIndex(), 1);
        QVERIFY(v->isVisible() && !picture->isVisible());
        QTest::mouseClick(page->widget<QPushButton>("Button2"), Qt::LeftButton);  // "Törlés"
        QTRY_COMPARE(tabs->currentIndex(), 0);
        QVERIFY(!v->scene());
    }

    void zoomKeepsThePointUnderTheMouse() {
        Program p;
        QVERIFY(p.start());
        ToolpathView* v = p.pressed(kCutCircle);
        QVERIFY(v);
        const QPointF mouse(300, 120);
        const ui::qt::Camera before = v->camera();
        const QPointF world((mouse.x() - v->width() / 2.0) / before.scale + before.centre.x(),
                            (v->height() / 2.0 - mouse.y()) / before.scale + before.centre.y());
        QWheelEvent wheel(mouse, v->mapToGlobal(mouse), QPoint(), QPoint(0, 240), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(v, &wheel);
        QVERIFY(std::abs(v->camera().scale / before.scale - 1.5625) < 1e-9);
        const QPointF now = ui::qt::toImage(v->camera(), v->size(), world);
        QVERIFY(std::abs(now.x() - mouse.x()) < 1e-6 && std::abs(now.y() - mouse.y()) < 1e-6);
    }

    void theProgramStartsWhereThePageSaysTheToolStands() {
        Program p;
        QVERIFY(p.start());
        ui::qt::FormView* page = p.choose(kCutCircle);
        centreLineOnly(p);
        for (auto [name, text] : {std::pair{"Edit_x_", "10"}, {"Edit_y_", "5"}, {"Edit_z_", "3"}}) {
            auto* field = page->widget<QLineEdit>(name);
            field->selectAll();
            QTest::keyClicks(field, text);
        }
        ToolpathView* v = p.pressed(kCutCircle);
        QVERIFY(v);
        const auto& start = v->scene()->result.path.start;
        QCOMPARE(start.known, std::uint8_t(qorix::program::kAxesAll));
        QCOMPARE(start.x, 10.0);
        QCOMPARE(start.y, 5.0);
        QCOMPARE(start.z, 3.0);
        // the circle is drawn round the start point, and nothing runs from 0,0
        QVERIFY(inkNear(v->image(), at(v, 17.5, 5, 1)));
        QVERIFY(!inkNear(v->image(), at(v, 5, 2.5, 0)));
    }

    void measuresWarningsAndAnOpenedFile() {
        Program p;
        QVERIFY(p.start());
        p.choose(kCutCircle);
        // a file that is not there: its message, and the view waits no longer
        const std::size_t before = p.driver.messages().size();
        p.window.openProgram(p.saves.path() + "/nincs.tap");
        QTRY_COMPARE(p.driver.messages().size(), before + 1);
        QVERIFY2(p.driver.messages().back().text.find("nincs.tap") != std::string::npos,
                 p.driver.messages().back().text.c_str());
        QVERIFY(p.window.preview(kCutCircle)->view()->idle());
        QVERIFY(p.form.page(kCutCircle).Memo1.lines().empty());
        p.open("bad.tap", "G21 G90\r\nG0 X0 Y0 Z5\r\nG1 Z-3 F100\r\nG0 X20\r\nM30\r\n");
        ui::qt::PreviewPanel* panel = p.window.preview(kCutCircle);
        QVERIFY(Program::settled(panel->view()));
        auto* box = p.window.pageView(kCutCircle)->widget<ui::qt::LineBox>("Memo1");
        QCOMPARE(box->toPlainText(), QString("G21 G90\nG0 X0 Y0 Z5\nG1 Z-3 F100\nG0 X20\nM30"));
        QVERIFY2(panel->measures()->text().contains("Legmélyebb Z: -3,000 mm"),
                 qPrintable(panel->measures()->text()));
        // the rapid at Z -3 runs through the part: its warning names line 4, in red
        QListWidget* warnings = panel->warnings();
        QVERIFY(warnings->isVisible());
        QListWidgetItem* item = nullptr;
        for (int i = 0; i < warnings->count(); ++i)
            if (warnings->item(i)->text().startsWith("4. sor: ")) item = warnings->item(i);
        QVERIFY(item);
        QCOMPARE(item->foreground().color(), QColor("#c92a2a"));
        warnings->setCurrentItem(item);
        emit warnings->itemClicked(item);
        QCOMPARE(box->selectedText(), QString("G0 X20"));
        QCOMPARE(panel->view()->highlight().first, 4u);
        // a picture is refused with its reason and leaves the box as it was
        const std::size_t shown = p.driver.messages().size();
        p.open("kep.tap", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
        QTRY_COMPARE_WITH_TIMEOUT(p.driver.messages().size(), shown + 1, 20000);
        QVERIFY(p.driver.messages().back().text.find("NUL") != std::string::npos);
        QCOMPARE(box->toPlainText(), QString("G21 G90\nG0 X0 Y0 Z5\nG1 Z-3 F100\nG0 X20\nM30"));
        // a file without a move shows the drawing's tab, where its warnings say so
        p.click(p.window.pageView(kCutCircle)->widget<QPushButton>("Button2"));
        auto* tabs = panel->findChild<QTabWidget*>("previewTabs");
        QTRY_COMPARE(tabs->currentIndex(), 0);
        p.open("semmi.tap", "(csak egy megjegyz\xE9s)\r\n");
        QTRY_COMPARE(box->lineCount(), 1);
        QVERIFY(Program::settled(panel->view()));
        QTRY_COMPARE(tabs->currentIndex(), tabs->count() - 1);
    }

    // Keys typed into the box are read once after the pause, with the view kept; a press of
    // "Létrehozás" after an opened file shows the page's program with the page's facts again.
    void typingIsReadAfterItsPauseAndAPressEndsAnOpenedFile() {
        Program p;
        QVERIFY(p.start());
        p.choose(kCutCircle);
        p.open("open.tap", "G21 G90\r\nG0 X0 Y0 Z5\r\nG1 Z-1 F100\r\nG1 X20\r\nM30\r\n");
        ToolpathView* v = p.window.preview(kCutCircle)->view();
        QVERIFY(Program::settled(v));
        QVERIFY(v->scene()->facts.outlines.empty());  // a file: not the page's circle
        const std::size_t moves = v->scene()->result.path.moves.size();
        auto* box = p.window.pageView(kCutCircle)->widget<ui::qt::LineBox>("Memo1");
        p.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&p.window));
        box->setFocus();
        QVERIFY(box->hasFocus());
        box->setCursorPosition({3, static_cast<int>(box->lineText(3).size())});
        v->zoomAt(QPointF(50, 50), 3);
        const double zoomed = v->camera().scale;
        const Scene* before = v->scene();
        QTest::keyClick(box, Qt::Key_Return);
        QTest::keyClicks(box, "G1 Y15");
        QCOMPARE(p.form.page(kCutCircle).Memo1.lines().at(4), std::string("G1 Y15"));
        QCOMPARE(v->scene(), before);  // nothing read while the keys come
        QTRY_VERIFY_WITH_TIMEOUT(v->scene() != before, 2000);
        QVERIFY(Program::settled(v));
        QCOMPARE(v->scene()->result.path.moves.size(), moves + 1);
        QCOMPARE(v->camera().scale, zoomed);  // the view stays where it was
        QVERIFY(v->scene()->facts.outlines.empty());
        QTest::mouseClick(p.window.pageView(kCutCircle)->widget<QPushButton>("Button1"),
                          Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(Program::settled(v) && !v->scene()->facts.outlines.empty(), 5000);
        QCOMPARE(v->scene()->result.path.start.known, std::uint8_t(qorix::program::kAxesAll));
        QVERIFY(v->camera().scale != zoomed);  // a new program is shown whole
    }

    // A typed move that left the drawn area was shown only after Home.
    void anEditBeyondTheDrawingIsShownWhileTheViewIsNotMoved() {
        Program p;
        QVERIFY(p.start());
        p.choose(kCutCircle);
        p.open("edit.tap", "G21 G90\r\nG0 X0 Y0 Z5\r\nG1 Z-1 F100\r\nG1 X20\r\nM30\r\n");
        ToolpathView* v = p.window.preview(kCutCircle)->view();
        QVERIFY(Program::settled(v));
        const std::size_t moves = v->scene()->result.path.moves.size();
        auto* box = p.window.pageView(kCutCircle)->widget<ui::qt::LineBox>("Memo1");
        box->setCursorPosition({3, static_cast<int>(box->lineText(3).size())});
        QTest::keyClick(box, Qt::Key_Return);
        QTest::keyClicks(box, "G1 X300 Y200");
        QTRY_VERIFY_WITH_TIMEOUT(v->scene()->result.path.moves.size() == moves + 1, 3000);
        QVERIFY(Program::settled(v));
        QVERIFY(QRectF(v->image().rect()).contains(at(v, 300, 200, -1)));
        QVERIFY(QRectF(v->image().rect()).contains(at(v, 0, 0, -1)));
    }

    void theEstimatesSettingsAreRemembered() {
        {
            Program p;
            QVERIFY(p.start());
            ToolpathView* v = p.pressed(kCutCircle);
            QVERIFY(v);
            const double before = v->scene()->result.measures.timeSeconds;
            ui::qt::PreviewPanel* panel = p.window.preview(kCutCircle);
            panel->toolChangeTime()->setValue(100);
            QVERIFY(Program::settled(v));
            QVERIFY(std::abs(v->scene()->result.measures.timeSeconds - (before + 90)) < 1e-6);
            panel->rapidRate()->setValue(1234);
        }
        Program again;
        ui::qt::PreviewPanel* panel = again.window.preview(kCutCircle);
        QCOMPARE(panel->toolChangeTime()->value(), 100.0);
        QCOMPARE(panel->rapidRate()->value(), 1234.0);
        QCOMPARE(panel->peckBackOff()->value(), 0.5);
    }

    // The drilling cycles' back-off waits in the popup of "Továbbiak…", set by keyboard: the
    // pecks are drawn with it, the measures say it, and it is remembered.
    void theBackOffIsSetInItsPopup() {
        {
            Program p;
            QVERIFY(p.start());
            ToolpathView* v = p.pressed(kBoltCircle);
            QVERIFY(v);
            const double rapids = v->scene()->result.measures.rapidLength;
            ui::qt::PreviewPanel* panel = p.window.preview(kBoltCircle);
            QVERIFY2(panel->measures()->text().contains("(visszahúzás 0,5 mm)"),
                     qPrintable(panel->measures()->text()));
            p.window.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&p.window));
            auto* more = panel->findChild<QToolButton*>("previewMoreSettings");
            QVERIFY(more);
            QCOMPARE(more->text(), QString("Továbbiak…"));
            more->setFocus();
            QTest::keyClick(more, Qt::Key_Space);
            auto* popup = panel->findChild<QFrame*>("previewMoreSettingsPopup");
            QTRY_VERIFY(popup->isVisible());
            QCOMPARE(QApplication::focusWidget(), panel->peckBackOff());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(QApplication::focusWidget(), "2");
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
            QTRY_VERIFY(!popup->isVisible());
            QCOMPARE(panel->peckBackOff()->value(), 2.0);
            QVERIFY(Program::settled(v));
            QCOMPARE(v->scene()->result.peckBackOff, 2.0);
            // each peck's rapid back down stops 1,5 mm higher
            QVERIFY(v->scene()->result.measures.rapidLength < rapids);
            QVERIFY2(panel->measures()->text().contains("(visszahúzás 2 mm)"),
                     qPrintable(panel->measures()->text()));
        }
        Program again;
        QCOMPARE(again.window.preview(kBoltCircle)->peckBackOff()->value(), 2.0);
    }

    // A large program draws each place once: the passes that lie on each other from above
    // cost one drawing, and the one pass that goes elsewhere is drawn all the same.
    void aLargeProgramDrawsEachPlaceOnceAndLeavesNoneOut() {
        std::vector<std::string> lines{"G21 G90", "G0 X0 Y0 Z5", "G1 Z-1 F100"};
        for (int pass = 0; pass < 2000; ++pass)
            for (const char* corner : {"G1 X100 Y0", "G1 X100 Y60", "G1 X0 Y60", "G1 X0 Y0"})
                lines.emplace_back(corner);
        lines.insert(lines.end(), {"G1 X50 Y30", "G0 Z5", "M30"});
        ToolpathView v;
        v.resize(500, 400);
        v.show();
        qorix::PreviewFacts facts;
        facts.read.decimalSeparator = '.';
        v.setProgram(linesOf(lines), facts, true);
        QVERIFY(Program::settled(&v));
        QCOMPARE(v.scene()->result.path.moves.size(), std::size_t(8004));
        keep(v.image(), "large");
        for (double t = 0.1; t < 1; t += 0.1) {
            QVERIFY(inkNear(v.image(), at(&v, 100 * t, 0, -1)));  // the square's edges
            QVERIFY(inkNear(v.image(), at(&v, 100, 60 * t, -1)));
            QVERIFY(inkNear(v.image(), at(&v, 50 * t, 30 * t, -1)));  // the last cut inwards
        }
        QVERIFY(!inkNear(v.image(), at(&v, 50, 45, -1)));

        ui::qt::SeenMoves seen;
        QVERIFY(!seen.seen(2, {10.2, 10}, {50, 10}, {90, 10}));
        QVERIFY(seen.seen(2, {90.1, 10}, {49.9, 10.3}, {10, 9.8}));  // the same pixels, back
        QVERIFY(!seen.seen(3, {10, 10}, {50, 10}, {90, 10}));        // another pen
        QVERIFY(!seen.seen(2, {10, 10}, {50, 11}, {90, 10}));        // another arc between
        QVERIFY(!seen.seen(2, {1e6, 10}, {50, 10}, {90, 10}));       // beyond the key: drawn
        QVERIFY(!seen.seen(2, {1e6, 10}, {50, 10}, {90, 10}));
        ui::qt::PenLines pen;
        pen.add({0.2, 0, 100, 0}, true);
        pen.add({100.3, 0.1, 0, 0}, true);
        pen.add({0, 5, 100, 5}, true);
        pen.add({0, 5, 1e6, 5}, true);
        QCOMPARE(pen.lines().size(), std::size_t(3));
    }

    void theScaleBarIsARoundLength() {
        QCOMPARE(ui::qt::scaleBarLength(20), 5.0);  // 100 px
        QCOMPARE(ui::qt::scaleBarLength(3), 20.0);  // 60 px
        QCOMPARE(ui::qt::scaleBarLength(0.5), 200.0);
    }
};

QTEST_MAIN(PreviewTest)
#include "preview_test.moc"
