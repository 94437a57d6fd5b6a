#include "desktop/qtdialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QSpacerItem>
#include <QTranslator>
#include <algorithm>
#include <iterator>

#include "app/mainwindowlogic.h"

namespace ui::qt {

bool installHungarianQtTexts(QCoreApplication& app) {
    static QTranslator translator;
    if (!translator.isEmpty()) return true;
    // beside the program first, where the Windows package puts them; then Qt's own folder
    const QString folders[] = {QCoreApplication::applicationDirPath() + "/translations",
                               QLibraryInfo::path(QLibraryInfo::TranslationsPath)};
    const QLocale hungarian(QLocale::Hungarian);
    if (std::none_of(std::begin(folders), std::end(folders), [&](const QString& folder) {
            return translator.load(hungarian, "qtbase", "_", folder);
        }))
        return false;
    return app.installTranslator(&translator);
}

void fitCaption(QMessageBox& box) {
    // the title font is the window system's; a bold application font with room for the
    // title bar's icon and buttons is a safe guess
    QFont title = box.font();
    title.setBold(true);
    const int wanted = QFontMetrics(title).horizontalAdvance(box.windowTitle()) + 160;
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (!grid) return;
    grid->addItem(new QSpacerItem(wanted, 0, QSizePolicy::Minimum, QSizePolicy::Expanding),
                  grid->rowCount(), 0, 1, grid->columnCount());
}

QWidget* QtDialogs::owner() const {
    // the window the user works in: the box stays over it and brings no other one forward
    QWidget* active = QApplication::activeWindow();
    return active && active->isVisible() ? active : parent_.data();
}

void QtDialogs::message(const std::string& caption, const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(caption),
                    QString::fromStdString(text), QMessageBox::Ok, owner());
    box.setWindowModality(Qt::ApplicationModal);
    fitCaption(box);
    box.exec();
}

bool QtDialogs::ask(const std::string& caption, const std::string& text) {
    QMessageBox box(QMessageBox::Question, QString::fromStdString(caption),
                    QString::fromStdString(text), QMessageBox::Yes | QMessageBox::No, owner());
    box.setDefaultButton(QMessageBox::No);
    box.setWindowModality(Qt::ApplicationModal);
    fitCaption(box);
    return box.exec() == QMessageBox::Yes;
}

namespace {

// The same question the dialog asks of a name it sees, asked of the file that will be written.
bool mayReplace(QWidget* parent, const QString& title, const QString& target) {
    if (!QFileInfo::exists(target)) return true;
    QMessageBox box(QMessageBox::Warning, title,
                    QFileDialog::tr("%1 already exists.\nDo you want to replace it?")
                        .arg(QFileInfo(target).fileName()),
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::No);
    box.setWindowModality(Qt::ApplicationModal);
    fitCaption(box);
    return box.exec() == QMessageBox::Yes;
}

}  // namespace

std::string QtDialogs::saveFileName() {
    QFileDialog dialog(owner());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // The widget dialog on every platform: the filter reads "*.tap" and no suffix is added.
    // The overwrite question is ours: the file written is the name with ".tap" added.
    dialog.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::HideNameFilterDetails |
                      QFileDialog::DontConfirmOverwrite);
    dialog.setNameFilter(kSaveFilter);
    dialog.setWindowModality(Qt::ApplicationModal);
    if (!held_.empty()) {
        QFileInfo previous(QString::fromStdString(held_));
        dialog.setDirectory(previous.absolutePath());
        dialog.selectFile(previous.fileName());
    }
    for (;;) {
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
        const QString chosen = dialog.selectedFiles().constFirst();
        const QString target = QString::fromStdString(qorix::targetPath(chosen.toStdString()));
        if (!mayReplace(owner(), dialog.windowTitle(), target)) {
            dialog.selectFile(QFileInfo(chosen).fileName());
            continue;  // the dialog again, as Qt's own question does
        }
        held_ = chosen.toStdString();
        return held_;
    }
}

}  // namespace ui::qt
