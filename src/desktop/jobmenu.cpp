#include "desktop/jobmenu.h"

#include <QFileDialog>
#include <QMenu>

namespace ui::qt {

namespace {

// Qt's own dialog, as the program's other file dialogs are, so that it speaks Hungarian.
QString chooseFile(QWidget* parent, const char* title, bool saving) {
    QFileDialog dialog(parent, title, QString(), qorix::jobs::kFilter);
    dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setDefaultSuffix("qjob");
    dialog.setWindowModality(Qt::ApplicationModal);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

}  // namespace

JobMenuButton::JobMenuButton(qorix::PageJobs& jobs, const Binder& binder, QWidget* window)
    : QPushButton(qorix::jobs::kMenu), jobs_(jobs), binder_(binder), window_(window) {
    setObjectName("jobMenu");
    auto* menu = new QMenu(this);
    save_ = menu->addAction(qorix::jobs::kSaveAs, this, [this] { chooseSave(); });
    open_ = menu->addAction(qorix::jobs::kOpen, this, [this] { chooseOpen(); });
    defaults_ = menu->addAction(qorix::jobs::kDefaults, this,
                                [this] { binder_.run([this] { jobs_.defaultsShown(); }); });
    menu->addSeparator();
    keepLast_ = menu->addAction(qorix::jobs::kKeepLast);
    keepLast_->setCheckable(true);
    keepLast_->setChecked(jobs_.keepLast());
    connect(keepLast_, &QAction::triggered, this, [this](bool on) {
        binder_.run([&] { jobs_.setKeepLast(on); });
        keepLast_->setChecked(jobs_.keepLast());  // a failed write keeps the setting
    });
    save_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    open_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O));
    for (QAction* a : {save_, open_}) {
        a->setShortcutContext(Qt::WindowShortcut);
        window_->addAction(a);  // the keys work while the menu is closed
    }
    connect(menu, &QMenu::aboutToShow, this, [this] { follow(); });
    // the keys stay on for the next page chosen; without a page they do nothing
    connect(menu, &QMenu::aboutToHide, this, [this] {
        for (QAction* a : {save_, open_, defaults_}) a->setEnabled(true);
    });
    setMenu(menu);
}

void JobMenuButton::follow() {
    for (QAction* a : {save_, open_, defaults_}) a->setEnabled(jobs_.pageShown());
}

void JobMenuButton::chooseSave() {
    if (!jobs_.pageShown()) return;
    const QString path = chooseFile(window_, "Mentés feladatként", true);
    if (!path.isEmpty()) binder_.run([&] { jobs_.saveShown(path.toStdString()); });
}

void JobMenuButton::chooseOpen() {
    if (!jobs_.pageShown()) return;
    const QString path = chooseFile(window_, "Feladat megnyitása", false);
    if (!path.isEmpty()) binder_.run([&] { jobs_.openShown(path.toStdString()); });
}

}  // namespace ui::qt
