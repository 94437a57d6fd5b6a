// The circular pocket, rectangle pocket and cut rectangle pages as real widgets on the
// offscreen platform: reached from the wizard list, a click on their own "Létrehozás" fills
// the output box with the worked example, and the pockets' step-width labels follow the bar.
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>

#include "app/mainwindowlogic.h"
#include "desktop/linebox.h"
#include "desktop/mainwindow.h"
#include "desktop/qtdialogs.h"
#include "link/session.h"
#include "modaldriver.h"
#include "wizards/common/numbertext.h"

namespace {

QStringList goldenLines(const char* slug) {
    QFile f(QString(QORIX_GOLDEN_DIR "/") + slug + "/worked-example.tap");
    if (!f.open(QIODevice::ReadOnly)) return {"<missing>"};
    QStringList lines = QString::fromUtf8(f.readAll()).split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    return lines;
}

struct Program {
    Program() { dialogs.setParentWindow(&window); }
    bool start() {
        window.show();
        window.activateWindow();
        if (!QTest::qWaitForWindowActive(&window)) return false;
        return QTest::qWaitFor([this] { return !driver.messages().empty(); }, 10000);
    }
    // Down the list with the keyboard to the wizard with this number.
    ui::qt::FormView* choose(int wizardNumber) {
        auto* list = window.findChild<QComboBox*>("ComboBox1");
        list->setFocus();
        for (int i = 0; i < wizardNumber; ++i) QTest::keyClick(list, Qt::Key_Down);
        return window.pageView(wizardNumber);
    }
    static QStringList output(ui::qt::FormView* page) {
        QString text = page->widget<ui::qt::LineBox>("Memo1")->toPlainText();
        return text.isEmpty() ? QStringList() : text.split('\n');
    }

    QTemporaryDir install;
    qorix::test::ModalDriver driver;
    ui::qt::QtDialogs dialogs;
    qorix::NumberText num{','};
    qorix::Session shared;
    qorix::Services services{dialogs, num, nullptr, &shared};
    qorix::MainWindowLogic form{services, install.path().toStdString()};
    ui::qt::MainWindow window{form, dialogs};
};

}  // namespace

class ContourPagesTest : public QObject {
    Q_OBJECT

private slots:
    void eachPageIsReachedAndWritesItsWorkedExample_data() {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("slug");
        QTest::newRow("circular pocket") << 2 << "Körzseb (circular pocket)"
                                         << "circular-pocket";
        QTest::newRow("rectangle pocket") << 3 << "Téglalapzseb (rectangle pocket)"
                                          << "rectangle-pocket";
        QTest::newRow("cut rectangle") << 5 << "Téglalap kivágás (cut rectangle)"
                                       << "cut-rectangle";
    }
    void eachPageIsReachedAndWritesItsWorkedExample() {
        QFETCH(int, number);
        QFETCH(QString, title);
        QFETCH(QString, slug);
        Program p;
        QVERIFY(p.start());
        ui::qt::FormView* page = p.choose(number);
        QVERIFY(page->isVisible());
        QCOMPARE(page->widget<QLabel>("Title")->text(), title);
        QVERIFY(page->widget<QLabel>("Image1") != nullptr);
        QTest::mouseClick(page->widget<QPushButton>("Button1"), Qt::LeftButton);
        QCOMPARE(Program::output(page), goldenLines(slug.toUtf8().constData()));
        QCOMPARE(p.driver.messages().size(), std::size_t(1));  // the start-up warning only
    }

    void pocketLabelsFollowTheChoiceAndTheBar() {
        Program p;
        QVERIFY(p.start());
        ui::qt::FormView* page = p.choose(2);
        QCOMPARE(page->widget<QLabel>("Label4")->text(), QString("50 %"));
        QCOMPARE(page->widget<QLabel>("Label5")->text(), QString("2,5000 mm"));
        page->widget<QScrollBar>("ScrollBar1")->setValue(30);
        QCOMPARE(page->widget<QLabel>("Label4")->text(), QString("30 %"));
        QCOMPARE(page->widget<QLabel>("Label5")->text(), QString("1,5000 mm"));
        QTest::mouseClick(page->widget<QPushButton>("Button1"), Qt::LeftButton);
        QVERIFY(Program::output(page).contains("(oldalirányú fogás 30%)"));
    }

    void holdingTheStepBarWithABadToolFieldGivesOneMessage() {
        Program p;
        QVERIFY(p.start());
        ui::qt::FormView* page = p.choose(2);
        auto* tool = page->widget<QLineEdit>("Edit3");
        tool->setFocus();
        tool->selectAll();
        QTest::keyClicks(tool, "x");
        const std::size_t before = p.driver.messages().size();
        auto* bar = page->widget<QScrollBar>("ScrollBar1");
        const int start = bar->value();
        const QPoint rightArrow(bar->width() - 4, bar->height() / 2);
        QTest::mousePress(bar, Qt::LeftButton, {}, rightArrow);
        QTest::qWait(800);  // long enough for a held arrow to repeat its step
        QTest::mouseRelease(bar, Qt::LeftButton, {}, rightArrow);
        QTest::qWait(100);
        // the box of the first step ended the press: one box, and the bar back where the
        // labels say it is
        QCOMPARE(p.driver.messages().size(), before + 1);
        QCOMPARE(p.driver.messages().back().text,
                 std::string("„x” nem érvényes szám. (mező: Szerszám átmérő)"));
        auto* model = p.form.page(2).findAs<ui::ScrollBar>("ScrollBar1");
        QCOMPARE(bar->value(), start);
        QCOMPARE(model->position(), start);
        QCOMPARE(page->widget<QLabel>("Label4")->text(), QString("%1 %").arg(start));
    }

    void theStepLabelsFollowTheBarWhileItIsHeld() {
        Program p;
        QVERIFY(p.start());
        ui::qt::FormView* page = p.choose(2);
        auto* bar = page->widget<QScrollBar>("ScrollBar1");
        auto* percent = page->widget<QLabel>("Label4");
        QCOMPARE(percent->text(), QString("50 %"));
        const QPoint rightArrow(bar->width() - 4, bar->height() / 2);
        QTest::mousePress(bar, Qt::LeftButton, {}, rightArrow);
        QCOMPARE(percent->text(), QString("51 %"));  // before the release
        QTest::qWait(800);
        const int held = bar->value();
        QVERIFY(held > 51);  // the held arrow repeats, and the page follows
        QCOMPARE(percent->text(), QString("%1 %").arg(held));
        QTest::mouseRelease(bar, Qt::LeftButton, {}, rightArrow);
        QVERIFY(p.driver.messages().size() == 1);  // the start-up warning only
    }
};

QTEST_MAIN(ContourPagesTest)
#include "contourpages_test.moc"
