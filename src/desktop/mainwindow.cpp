#include "desktop/mainwindow.h"

#include <QCloseEvent>
#include <QEvent>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QMenu>
#include <QPointer>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <climits>
#include <exception>
#include <memory>

#include "app/programfile.h"
#include "desktop/jobmenu.h"
#include "desktop/tooltablewindow.h"
#include "platform/files.h"

namespace ui::qt {

MainWindow::MainWindow(qorix::MainWindowLogic& form, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent), form_(form), binder_(dialogs) {
    setObjectName("MainWindowLogic");
    setWindowTitle(QString::fromStdString(form.caption()));
    auto* column = new QVBoxLayout(this);
    column->addLayout(buildTopBar());
    column->addWidget(buildPagesArea(), 1);
    column->addWidget(buildStatusLine());
    watchPages();
}

QHBoxLayout* MainWindow::buildTopBar() {
    auto* bar = topBar_ = new QHBoxLayout;
    QComboBox* list = binder_.comboBox(form_.ComboBox1);
    list->setMinimumWidth(list->fontMetrics().horizontalAdvance(
                              "Fúrás Téglalap mentén (drill rectangle bolt pattern)") +
                          50);
    list->setMaxVisibleItems(8);
    // the style's own focus frame is too faint to see where the keys go
    list->setStyleSheet("QComboBox:focus { border: 2px solid palette(highlight); }");
    bar->addWidget(list);
    QPushButton* send = binder_.button(form_.Button3);
    send->setMinimumWidth(send->fontMetrics().horizontalAdvance(qorix::mainwindow::kBack) + 24);
    bar->addWidget(send);
    bar->addWidget(binder_.button(form_.Button1));
    bar->addWidget(binder_.button(form_.Button4));
    bar->addWidget(binder_.checkBox(form_.CheckBox1));
    bar->addStretch(1);
    // the path buffer lies under the list, covered; its model keeps it hidden
    LineBox* buffer = binder_.memo(form_.Memo1);
    buffer->setParent(this);
    buffer->hide();
    return bar;
}

QScrollArea* MainWindow::buildPagesArea() {
    area_ = new QWidget;
    area_->setObjectName("pages");
    stack_ = new QGridLayout(area_);
    stack_->setContentsMargins(0, 0, 0, 0);
    // On a screen smaller than the largest page the pages scroll, so that the window and its
    // top bar stay on the screen.
    scroll_ = new PagesScroll;
    scroll_->setObjectName("pagesScroll");
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setFocusPolicy(Qt::NoFocus);  // Shift+Tab from the list stopped on it, unseen
    scroll_->setWidgetResizable(true);
    scroll_->setWidget(area_);
    return scroll_;
}

QLabel* MainWindow::buildStatusLine() {
    QLabel* status = binder_.label(form_.StatusLine);
    status->setTextInteractionFlags(Qt::TextSelectableByMouse);
    status->setMinimumHeight(status->fontMetrics().height() + 4);  // no jump at its first text
    return status;
}

// A page's widgets are made the first time it shows, or in the idle time after the window
// first shows; a fast start does not wait for eight pages nobody has chosen yet.
void MainWindow::watchPages() {
    pages_.assign(form_.pages().size(), nullptr);
    previews_.assign(form_.pages().size(), nullptr);
    QPointer<MainWindow> guard(this);
    for (std::size_t i = 0; i < form_.pages().size(); ++i) {
        form_.pages()[i]->addVisibilityListener([guard, i] {
            if (guard && guard->form_.pages()[i]->visible()) guard->buildPage(i);
        });
        if (form_.pages()[i]->visible()) buildPage(i);
    }
}

FormView* MainWindow::pageView(int wizardNumber) const {
    return const_cast<MainWindow*>(this)->buildPage(static_cast<std::size_t>(wizardNumber - 1));
}

FormView* MainWindow::buildPage(std::size_t index) {
    FormView*& view = pages_.at(index);
    if (view) return view;
    const auto& page = form_.pages()[index];
    view = new FormView(*page, binder_.dialogs());
    // the preview beside the page, with the page's picture in its first tab; it takes twice
    // the box's share of the width gained. A page whose output box is disabled writes
    // nothing to preview.
    if (page->Memo1.enabled()) {
        auto* panel = new PreviewPanel(*page, view->widget<LineBox>("Memo1"), view->takePicture());
        panel->onOpen = [this] { chooseProgramFile(); };
        view->addBeside(panel, 2, panel->focusOrder());
        previews_[index] = panel;
    }
    stack_->addWidget(view, 0, 0);
    view->setVisible(page->visible());
    // the pages share one place, which asks for the size of the largest made so far
    const QSize before = scroll_->sizeHint();
    fitPagesToScreen();
    if (scroll_->sizeHint() != before && centred_) recentre_ = true;
    chainFocus();
    return view;
}

void MainWindow::chainFocus() {
    QList<QWidget*> order{findChild<QWidget*>("ComboBox1")};
    for (FormView* page : pages_)
        if (page) order += page->focusOrder();
    for (const char* name : {"Button3", "jobMenu", "Button1", "Button4", "CheckBox1"})
        if (auto* w = findChild<QWidget*>(name)) order.push_back(w);
    ui::qt::chainFocus(order);
}

void MainWindow::addJobMenu(qorix::PageJobs& jobs) {
    topBar_->insertWidget(2, new JobMenuButton(jobs, binder_, this));
    chainFocus();
}

void MainWindow::addToolTable(qorix::ToolBook& book, char separator) {
    auto* menu = findChild<JobMenuButton*>("jobMenu")->menu();
    menu->addSeparator();
    QAction* open = menu->addAction(qorix::toolchoice::kEditor, this, [this, &book, separator] {
        ToolTableWindow editor(book, separator, binder_.dialogs(), this);
        if (editor.exec() == QDialog::Accepted)
            form_.StatusLine.setCaption(qorix::savedNotice(book));
    });
    open->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_T));
    open->setShortcutContext(Qt::WindowShortcut);
    addAction(open);  // the key works while the menu is closed
}

void MainWindow::closeForGood() {
    closing_ = true;
    close();
}

void MainWindow::closeEvent(QCloseEvent* e) {
    if (closing_) {
        QWidget::closeEvent(e);
        return;
    }
    e->ignore();
    // after the close request is through, as a press of "Exit" would come
    QTimer::singleShot(0, this, [this] { binder_.run([this] { form_.Button4Click(); }); });
}

PreviewPanel* MainWindow::preview(int wizardNumber) const {
    pageView(wizardNumber);
    return previews_.at(static_cast<std::size_t>(wizardNumber - 1));
}

// Qt's own dialog, as the save dialog is, so that it speaks Hungarian on every system.
void MainWindow::chooseProgramFile() {
    bool mayOpen = true;
    for (int n = 1; n <= static_cast<int>(form_.pages().size()); ++n)
        if (form_.page(n).visible()) binder_.run([&] { mayOpen = form_.mayOpenOver(n); });
    if (!mayOpen) return;
    QFileDialog dialog(this, "Megnyitás", QString(), "G-kód (*.tap);;Minden fájl (*)");
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        openProgram(dialog.selectedFiles().constFirst());
}

// A file of a million lines takes a while to read and decode: that is done beside the window,
// and the lines go into the page that was shown when the file was chosen.
void MainWindow::openProgram(const QString& path) {
    std::size_t shown = 0;
    while (shown < form_.pages().size() && !form_.pages()[shown]->visible()) ++shown;
    if (shown == form_.pages().size() || !preview(static_cast<int>(shown + 1))) return;
    previews_[shown]->fileOpening(true);
    reader_.start([this, shown, path = qorix::platform::nativePath(path.toStdString())] {
        auto lines = std::make_shared<std::vector<std::string>>();
        std::exception_ptr failure;
        try {
            *lines = qorix::readProgramFile(path);
        } catch (...) {
            failure = std::current_exception();
        }
        QMetaObject::invokeMethod(
            this,
            [this, shown, lines, failure] {
                previews_[shown]->fileOpening(false);
                binder_.run([&] {
                    if (failure) std::rethrow_exception(failure);
                    previews_[shown]->showFile();
                    form_.programOpened(static_cast<int>(shown + 1), std::move(*lines));
                });
            },
            Qt::QueuedConnection);
    });
}

// The widest page with what stands beside it decides whether the previews fold under the
// output boxes: a page wider than the screen hid its preview and "Megnyitás" off its edge.
void MainWindow::foldPages(int roomWidth) {
    int widest = 0;
    for (FormView* v : pages_)
        if (v)
            widest = std::max(widest,
                              v->minimumSizeHint().width() + (v->folded() ? v->widthBeside() : 0));
    for (FormView* v : pages_)
        if (v) v->setFolded(fitToScreen_ && widest > roomWidth);
}

QSize MainWindow::largestPage(bool minimum) const {
    QSize largest;
    for (FormView* v : pages_)
        if (v) largest = largest.expandedTo(minimum ? v->minimumSizeHint() : v->sizeHint());
    return largest;
}

void MainWindow::fitPagesToScreen() {
    QScreen* s = screen();
    if (!fitToScreen_ || !s) {
        foldPages(INT_MAX);
        area_->setMinimumSize(largestPage(false));
        scroll_->setWanted(largestPage(false));
        return;
    }
    // what the screen leaves for the pages: its free area less the window's frame (as
    // the window system draws it, or a usual title bar before the first show), the
    // margins and the top bar
    const QSize chrome = isVisible() ? frameGeometry().size() - geometry().size() : QSize(8, 38);
    const QMargins m = layout()->contentsMargins();
    // the top bar above the pages and the status line below them
    const int bar = layout()->itemAt(0)->sizeHint().height() +
                    layout()->itemAt(2)->sizeHint().height() + 2 * layout()->spacing();
    const QSize room = s->availableGeometry().size() - chrome -
                       QSize(m.left() + m.right(), m.top() + m.bottom() + bar);
    foldPages(room.width());
    // a page gets no smaller than its least (its fields scrolled), asks for its whole size,
    // and the pages scroll only when even the least does not fit
    const QSize least = largestPage(true);
    area_->setMinimumSize(least);
    QSize wanted = largestPage(false).expandedTo(least);
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    // a scroll bar along one side takes room from the other
    if (least.height() > room.height()) wanted.rwidth() += scrollBar;
    if (least.width() > room.width()) wanted.rheight() += scrollBar;
    scroll_->setWanted(wanted.boundedTo(room.expandedTo(QSize(200, 150))));
}

void MainWindow::setFitToScreen(bool on) {
    fitToScreen_ = on;
    fitPagesToScreen();
    centre();
}

void MainWindow::buildNextPageLater() {
    QTimer::singleShot(0, this, [this] {
        auto next = std::find(pages_.begin(), pages_.end(), nullptr);
        if (next == pages_.end()) {
            if (recentre_) centre();
            if (activationWaits_) {
                activationWaits_ = false;
                activateLater();
            }
            return;
        }
        buildPage(static_cast<std::size_t>(next - pages_.begin()));
        buildNextPageLater();
    });
}

void MainWindow::centre() {
    recentre_ = false;
    layout()->activate();  // the size the pages made so far ask for, now
    // the whole size they ask for (adjustSize would stop at two thirds of the screen); the
    // pages' place is already bounded by the screen
    resize(sizeHint());
    if (QScreen* s = screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(s->availableGeometry().center());
        moveOnScreen(this, frame);
    }
}

bool MainWindow::event(QEvent* e) {
    if (e->type() == QEvent::Paint && !paintedOnce_) {
        // the pages nobody has chosen yet are made once the window has its first pixels
        paintedOnce_ = true;
        buildNextPageLater();
    }
    if (e->type() == QEvent::WindowActivate) {
        if (pagesMade() < static_cast<int>(pages_.size())) {
            // the first activation's warning box waits until the window has its full size and
            // place, so that it opens over the middle of it
            activationWaits_ = true;
            if (!paintedOnce_) {
                paintedOnce_ = true;
                buildNextPageLater();
            }
        } else {
            activateLater();
        }
    }
    return QWidget::event(e);
}

void MainWindow::activateLater() {
    // after the activation is delivered, so that the warning's box is not opened from inside it
    QTimer::singleShot(0, this, [this] { binder_.run([this] { form_.FormActivate(); }); });
}

void MainWindow::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    if (centred_) return;
    centred_ = true;
    centre();
}

}  // namespace ui::qt
