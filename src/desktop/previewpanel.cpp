#include "desktop/previewpanel.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QTabBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "app/previewfacts.h"

namespace ui::qt {

namespace {

// The pause after a key in the output box before the program is read again: a reading per key
// of a long program would only be cancelled by the next.
constexpr int kTypingPauseMs = 300;
constexpr int kMeasureRows = 7;  // the rows of measuresText
// Lines copied for the reader between two events of the window (some milliseconds).
constexpr std::size_t kCopySlice = 50000;
// A list of many thousand rows would hold the window; the rest are counted.
constexpr std::size_t kWarningsListed = 1000;
const char* const kWarningColour = "#c92a2a";
const char* const kRapidKey = "preview/rapidRate";
const char* const kToolChangeKey = "preview/toolChangeSeconds";
const char* const kBackOffKey = "preview/peckBackOff";

QString timeText(double seconds) {
    if (!(seconds < 1e12)) return "becsülhetetlenül hosszú";  // a feed of almost nothing
    const long long total = std::llround(seconds);
    if (total < 60) return QString("%1 mp").arg(total);
    if (total < 3600) return QString("%1 perc %2 mp").arg(total / 60).arg(total % 60);
    return QString("%1 óra %2 perc").arg(total / 3600).arg(total % 3600 / 60);
}

QString measuresText(const program::ReadResult& r, const qorix::NumberText& num) {
    const program::Measures& m = r.measures;
    auto mm = [&num](double v) { return QString::fromStdString(num.fixed(v, 3)); };
    auto span = [&](int axis) {
        return m.bounds.empty(axis) ? QString("?") : mm(m.bounds.max[axis] - m.bounds.min[axis]);
    };
    QStringList rows;
    rows << QString("Méret: %1 × %2 × %3 mm").arg(span(0), span(1), span(2));
    rows
        << QString("Legmélyebb Z: %1 mm").arg(std::isnan(m.lowestZ) ? QString("?") : mm(m.lowestZ));
    rows << QString("Forgácsolás: %1 mm").arg(mm(m.cutLength));
    rows << QString("Gyorsjárat: %1 mm").arg(mm(m.rapidLength));
    rows << QString("Becsült idő: %1").arg(timeText(m.timeSeconds));
    QString holes = QString("Mozgások: %1, furatok: %2").arg(m.moves).arg(m.holes);
    // the holes' pecks are drawn with the control's back-off, which the program does not say
    if (m.holes > 0)
        holes +=
            QString(" (visszahúzás %1 mm)").arg(QString::fromStdString(num.general(r.peckBackOff)));
    rows << holes;
    rows << QString("Fogások: %1, szerszámcserék: %2").arg(m.passes).arg(m.toolChanges);
    return rows.join('\n');
}

QDoubleSpinBox* spin(double lowest, double highest, double value, const QString& suffix) {
    auto* s = new QDoubleSpinBox;
    s->setRange(lowest, highest);
    s->setDecimals(0);
    s->setValue(value);
    s->setSuffix(suffix);
    return s;
}

QPushButton* button(const char* text, const char* name) {
    auto* b = new QPushButton(text);
    b->setObjectName(name);
    return b;
}

// The page's picture, as it stood beside the fields.
QWidget* pictureTab(QWidget* picture) {
    auto* tab = new QWidget;
    auto* column = new QVBoxLayout(tab);
    column->addWidget(picture, 0, Qt::AlignHCenter | Qt::AlignTop);
    column->addStretch(1);
    return tab;
}

}  // namespace

PreviewPanel::PreviewPanel(qorix::WizardPage& page, LineBox* box, QWidget* picture, QWidget* parent)
    : QWidget(parent), page_(page), box_(box), view_(new ToolpathView) {
    setObjectName("preview");
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    tabs_ = new QTabWidget;
    tabs_->setObjectName("previewTabs");
    if (picture) tabs_->addTab(pictureTab(picture), "Kép");
    tabs_->addTab(makePreviewTab(), "Előnézet");
    column->addWidget(tabs_);
    addOpenButton();
    followPage();
    linkLines();
    if (!page.Memo1.lines().empty()) {
        showOnRead_ = true;
        refresh(true);
    }
}

// "Megnyitás" beside the tabs, in reach whichever is in front
void PreviewPanel::addOpenButton() {
    auto* open = new QToolButton;
    open->setText("Megnyitás");
    open->setObjectName("openProgram");
    open->setFocusPolicy(Qt::StrongFocus);
    QObject::connect(open, &QToolButton::clicked, this, [this] {
        if (onOpen) onOpen();
    });
    tabs_->setCornerWidget(open, Qt::TopRightCorner);
    focus_.prepend(open);
    focus_.prepend(tabs_->tabBar());
}

void PreviewPanel::followPage() {
    typingPause_.setSingleShot(true);
    typingPause_.setInterval(kTypingPauseMs);
    QObject::connect(&typingPause_, &QTimer::timeout, this, [this] { refresh(false); });
    QPointer<PreviewPanel> guard(this);
    page_.Memo1.addListener([guard] {
        if (guard) guard->modelChanged();
    });
    view_->onRead = [this] { showResult(); };
}

void PreviewPanel::linkLines() {
    view_->onMoveClicked = [this](std::uint32_t line) { selectLine(line); };
    if (box_)
        QObject::connect(box_, &LineBox::currentLineChanged, this, [this](int line) {
            const auto number = static_cast<std::uint32_t>(line + 1);  // the reader counts from 1
            view_->setHighlight({number, number});
        });
    QObject::connect(warnings_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        const auto line = item->data(Qt::UserRole).toUInt();
        if (line == 0) return;
        view_->setHighlight({line, line});
        selectLine(line);
    });
}

// The views above the drawing; the warnings (first: they matter most on a small screen), the
// measures, the estimate's settings and the buttons under it. The measures and the warnings keep
// their room when empty: a new program must not change the drawing's size, which would draw it once
// more.
QWidget* PreviewPanel::makePreviewTab() {
    auto* tab = new QWidget;
    auto* column = new QVBoxLayout(tab);
    column->addWidget(makeViewButtons());
    view_->setMinimumSize(260, 160);
    column->addWidget(view_, 1);
    focus_ << view_;
    warnings_ = new QListWidget;
    warnings_->setObjectName("previewWarnings");
    warnings_->setFixedHeight(3 * warnings_->fontMetrics().lineSpacing() + 8);
    // a long warning wraps within the panel's width rather than needing a sideways scroll
    warnings_->setWordWrap(true);
    warnings_->setResizeMode(QListView::Adjust);
    warnings_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QSizePolicy keep = warnings_->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    warnings_->setSizePolicy(keep);
    warnings_->hide();
    column->addWidget(warnings_);
    focus_ << warnings_;
    measures_ = new QLabel;
    measures_->setObjectName("previewMeasures");
    measures_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    measures_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    measures_->setMinimumHeight(measures_->fontMetrics().lineSpacing() * kMeasureRows + 4);
    column->addWidget(measures_);
    column->addWidget(makeSettings());
    return tab;
}

QWidget* PreviewPanel::makeViewButtons() {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    auto* group = new QButtonGroup(row);
    const std::pair<const char*, Projection> views[] = {{"Felül", Projection::Top},
                                                        {"Elöl", Projection::Front},
                                                        {"Oldal", Projection::Side},
                                                        {"Izometrikus", Projection::Iso}};
    for (const auto& [text, projection] : views) {
        auto* b = new QToolButton;  // narrow: the four stand above a narrow drawing
        b->setText(text);
        b->setObjectName(QString("view.") + text);
        b->setCheckable(true);
        b->setChecked(projection == Projection::Top);
        b->setFocusPolicy(Qt::StrongFocus);
        group->addButton(b, static_cast<int>(projection));
        layout->addWidget(b);
        focus_ << b;
        QObject::connect(b, &QToolButton::clicked, this,
                         [this, p = projection] { view_->setProjection(p); });
    }
    layout->addStretch(1);
    // a key in the view switches it too: its button follows
    view_->onProjectionChanged = [this, group] {
        if (QAbstractButton* b = group->button(static_cast<int>(view_->projection())))
            b->setChecked(true);
    };
    return row;
}

QWidget* PreviewPanel::makeSettings() {
    QSettings settings;
    rapidRate_ = spin(1, 100000, settings.value(kRapidKey, 5000).toDouble(), " mm/perc");
    rapidRate_->setObjectName("previewRapidRate");
    toolChange_ = spin(0, 3600, settings.value(kToolChangeKey, 10).toDouble(), " mp");
    toolChange_->setObjectName("previewToolChange");
    auto* box = new QWidget;
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(new QLabel("Gyorsjárat:"), 0, 0);
    grid->addWidget(rapidRate_, 0, 1);
    grid->addWidget(new QLabel("Szerszámcsere:"), 1, 0);
    grid->addWidget(toolChange_, 1, 1);
    QToolButton* more = makeMoreSettings();
    grid->addWidget(more, 1, 2, Qt::AlignLeft);
    grid->setColumnStretch(2, 1);
    for (QDoubleSpinBox* s : {rapidRate_, toolChange_})
        QObject::connect(s, &QDoubleSpinBox::valueChanged, this, [this] { settingsChanged(); });
    QPushButton* fit = button("Teljes nézet", "view.fit");
    QObject::connect(fit, &QPushButton::clicked, this, [this] { view_->fitAll(); });
    grid->addWidget(fit, 2, 0);
    // what the cut takes away, not only where the tool's centre goes; down here and not
    // beside the views, whose row would make the whole page wider than a workshop screen
    auto* width = new QCheckBox("Szerszám szélessége");
    width->setObjectName("view.toolWidth");
    width->setChecked(qorix::previewFacts(page_).toolWidthAtFirst);
    view_->setToolWidth(width->isChecked());
    QObject::connect(width, &QCheckBox::toggled, this,
                     [this](bool on) { view_->setToolWidth(on); });
    grid->addWidget(width, 2, 1);
    focus_ << rapidRate_ << toolChange_ << more << fit << width;
    return box;
}

// The drilling cycles' back-off is the control's setting and seldom changed: it waits in a
// small popup, where a row of its own would push the preview off a 1366 x 768 screen.
QToolButton* PreviewPanel::makeMoreSettings() {
    backOff_ = spin(0, 10, 0, " mm");
    backOff_->setDecimals(3);  // before the value, which whole numbers would round
    backOff_->setValue(QSettings().value(kBackOffKey, 0.5).toDouble());
    backOff_->setSingleStep(0.1);
    backOff_->setObjectName("previewPeckBackOff");
    auto* popup = new QFrame(this, Qt::Popup);
    popup->setObjectName("previewMoreSettingsPopup");
    popup->setFrameShape(QFrame::StyledPanel);
    auto* row = new QHBoxLayout(popup);
    auto* label = new QLabel("Fúróciklus &visszahúzása a fogás fölé:");
    label->setBuddy(backOff_);
    row->addWidget(label);
    row->addWidget(backOff_);
    QObject::connect(backOff_, &QDoubleSpinBox::valueChanged, this, [this] { settingsChanged(); });
    auto* more = new QToolButton;
    more->setText("Továbbiak…");
    more->setObjectName("previewMoreSettings");
    more->setFocusPolicy(Qt::StrongFocus);
    QObject::connect(more, &QToolButton::clicked, this, [more, popup] {
        popup->adjustSize();
        QPoint at = more->mapToGlobal(QPoint(0, more->height()));
        // kept on the screen: the button sits low on the window
        if (QScreen* screen = more->screen()) {
            const QRect free = screen->availableGeometry();
            if (at.y() + popup->height() > free.bottom())
                at.setY(more->mapToGlobal(QPoint(0, 0)).y() - popup->height());
            at.setX(std::clamp(at.x(), free.left(), free.right() - popup->width()));
        }
        popup->move(at);
        popup->show();
        popup->findChild<QDoubleSpinBox*>()->setFocus();
    });
    return more;
}

void PreviewPanel::settingsChanged() {
    QSettings settings;
    settings.setValue(kRapidKey, rapidRate_->value());
    settings.setValue(kToolChangeKey, toolChange_->value());
    settings.setValue(kBackOffKey, backOff_->value());
    refresh(false);
}

void PreviewPanel::fileOpening(bool on) { view_->setFileOpening(on); }

void PreviewPanel::showFile() { opening_ = true; }

// Typing waits for its pause and keeps the view where it is. Any other change is a new
// program, shown at once and whole: a press of "Létrehozás" or "Törlés", the thread page's
// listing, an opened file (for which the page's facts do not hold).
void PreviewPanel::modelChanged() {
    if (box_ && box_->hasFocus()) {
        typingPause_.start();
        return;
    }
    fromFile_ = std::exchange(opening_, false);
    showOnRead_ = true;
    typingPause_.stop();
    if (refreshQueued_) return;  // the clearing and the lines of one press are read once
    refreshQueued_ = true;
    QTimer::singleShot(0, this, [guard = QPointer<PreviewPanel>(this)] {
        if (!guard) return;
        guard->refreshQueued_ = false;
        guard->refresh(true);
    });
}

qorix::PreviewFacts PreviewPanel::facts() const {
    qorix::PreviewFacts f;
    if (fromFile_) {
        f.read.decimalSeparator = page_.services().num.separator();
    } else {
        f = qorix::previewFacts(page_);
    }
    f.read.measure.rapidRate = rapidRate_->value();
    f.read.measure.toolChangeSeconds = toolChange_->value();
    f.read.peckBackOff = backOff_->value();
    return f;
}

void PreviewPanel::refresh(bool refit) {
    ++copyGeneration_;
    if (page_.Memo1.lines().empty()) {
        view_->clear();
        measures_->clear();
        warnings_->clear();
        warnings_->hide();
        fromFile_ = false;
        tabs_->setCurrentIndex(0);  // the page's picture, when it has one
        return;
    }
    auto copy = std::make_shared<program::LineText>();
    std::size_t bytes = 0;  // a pass over the sizes only: some milliseconds for a million lines
    for (const std::string& line : page_.Memo1.lines()) bytes += line.size();
    copy->reserve(page_.Memo1.lines().size(), bytes);
    copyMore(std::move(copy), page_.Memo1.revision(), copyGeneration_, refit);
}

// The reader gets a copy of the box's lines, which the box may change meanwhile: one text, not
// a string per line. A million lines take longer to copy than the window may wait, so they are
// copied a slice at a time between its events; a change of the box meanwhile has its own
// refresh on the way.
void PreviewPanel::copyMore(std::shared_ptr<program::LineText> copy, std::uint64_t revision,
                            int generation, bool refit) {
    const std::vector<std::string>& lines = page_.Memo1.lines();
    if (generation != copyGeneration_ || revision != page_.Memo1.revision()) return;
    const std::size_t end = std::min(lines.size(), copy->size() + kCopySlice);
    for (std::size_t i = copy->size(); i < end; ++i) copy->push_back(lines[i]);
    if (end == lines.size()) {
        view_->setProgram(std::move(copy), facts(), refit);
        return;
    }
    QTimer::singleShot(0, this,
                       [guard = QPointer<PreviewPanel>(this), copy = std::move(copy), revision,
                        generation, refit]() mutable {
                           if (guard) guard->copyMore(std::move(copy), revision, generation, refit);
                       });
}

void PreviewPanel::showResult() {
    const Scene* scene = view_->scene();
    if (!scene) return;
    measures_->setText(measuresText(scene->result, page_.services().num));
    warnings_->clear();
    const auto& all = scene->result.warnings;
    for (std::size_t i = 0; i < all.size() && i < kWarningsListed; ++i) {
        const QString where = all[i].line ? QString("%1. sor: ").arg(all[i].line) : QString();
        auto* item = new QListWidgetItem(where + QString::fromStdString(all[i].text), warnings_);
        item->setForeground(QColor(kWarningColour));
        item->setData(Qt::UserRole, all[i].line);
    }
    if (all.size() > kWarningsListed)
        new QListWidgetItem(QString("… és még %1 figyelmeztetés").arg(all.size() - kWarningsListed),
                            warnings_);
    warnings_->setVisible(warnings_->count() > 0);
    // a new program that moves is shown drawn; one that does not (the thread page's
    // listing) leaves the page's picture in front, but an opened file is no page's listing:
    // its warnings say why nothing is drawn
    if (std::exchange(showOnRead_, false))
        tabs_->setCurrentIndex(scene->result.measures.moves > 0 || fromFile_ ? tabs_->count() - 1
                                                                             : 0);
}

void PreviewPanel::selectLine(std::uint32_t line) {
    if (box_ && line > 0) box_->selectLines(static_cast<int>(line) - 1, static_cast<int>(line) - 1);
}

}  // namespace ui::qt
