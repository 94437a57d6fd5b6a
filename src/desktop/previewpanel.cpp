#include "desktop/previewpanel.h"

#include <QButtonGroup>
#include <QDoubleSpinBox>
#include <QHBoxLayout>
#include <QPointer>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>
#include <cmath>

#include "app/previewfacts.h"

namespace ui::qt {

namespace {

// The pause after a key in the output box before the program is read again: a reading per key
// of a long program would only be cancelled by the next.
constexpr int kTypingPauseMs = 300;
constexpr int kMeasureRows = 5;  // the rows of measuresText
// Lines copied for the reader between two events of the window (some milliseconds).
constexpr std::size_t kCopySlice = 50000;
const char* const kRapidKey = "preview/rapidRate";
const char* const kToolChangeKey = "preview/toolChangeSeconds";

QString timeText(double seconds) {
    const long total = std::lround(seconds);
    if (total < 60) return QString("%1 mp").arg(total);
    if (total < 3600) return QString("%1 perc %2 mp").arg(total / 60).arg(total % 60);
    return QString("%1 óra %2 perc").arg(total / 3600).arg(total % 3600 / 60);
}

QString measuresText(const program::Measures& m, const qorix::NumberText& num) {
    auto mm = [&num](double v) { return QString::fromStdString(num.fixed(v, 3)); };
    auto span = [&](int axis) {
        return m.bounds.empty(axis) ? QString("?") : mm(m.bounds.max[axis] - m.bounds.min[axis]);
    };
    QStringList rows;
    rows << QString("Méret: X %1 × Y %2 × Z %3 mm").arg(span(0), span(1), span(2));
    rows
        << QString("Legmélyebb Z: %1 mm").arg(std::isnan(m.lowestZ) ? QString("?") : mm(m.lowestZ));
    rows
        << QString("Forgácsolás: %1 mm, gyorsjárat: %2 mm").arg(mm(m.cutLength), mm(m.rapidLength));
    rows << QString("Becsült idő: %1").arg(timeText(m.timeSeconds));
    rows << QString("Mozgások: %1, furatok: %2, fogások: %3, szerszámcserék: %4")
                .arg(m.moves)
                .arg(m.holes)
                .arg(m.passes)
                .arg(m.toolChanges);
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

}  // namespace

PreviewPanel::PreviewPanel(qorix::WizardPage& page, LineBox* box, QWidget* parent)
    : QWidget(parent), page_(page), box_(box), view_(new ToolpathView) {
    setObjectName("preview");
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(makeViewButtons());
    view_->setMinimumSize(560, 420);
    column->addWidget(view_, 1);
    // The measures and the warnings keep their room when empty: a new program must not change
    // the view's size, which would draw it once more.
    measures_ = new QLabel;
    measures_->setObjectName("previewMeasures");
    measures_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    measures_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    measures_->setMinimumHeight(measures_->fontMetrics().lineSpacing() * kMeasureRows + 4);
    column->addWidget(measures_);
    warnings_ = new QListWidget;
    warnings_->setObjectName("previewWarnings");
    warnings_->setFixedHeight(90);
    QSizePolicy keep = warnings_->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    warnings_->setSizePolicy(keep);
    warnings_->hide();
    column->addWidget(warnings_);
    column->addWidget(makeSettings());

    typingPause_.setSingleShot(true);
    typingPause_.setInterval(kTypingPauseMs);
    QObject::connect(&typingPause_, &QTimer::timeout, this, [this] { refresh(false); });
    QPointer<PreviewPanel> guard(this);
    page.Memo1.addListener([guard] {
        if (guard) guard->modelChanged();
    });
    view_->onRead = [this] { showResult(); };
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
    if (!page.Memo1.lines().empty()) refresh(true);
}

QWidget* PreviewPanel::makeViewButtons() {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* group = new QButtonGroup(row);
    const std::pair<const char*, Projection> views[] = {{"Felül", Projection::Top},
                                                        {"Elöl", Projection::Front},
                                                        {"Oldal", Projection::Side},
                                                        {"Izometrikus", Projection::Iso}};
    for (const auto& [text, projection] : views) {
        auto* b = new QPushButton(text);
        b->setObjectName(QString("view.") + text);
        b->setCheckable(true);
        b->setChecked(projection == Projection::Top);
        group->addButton(b, static_cast<int>(projection));
        layout->addWidget(b);
        QObject::connect(b, &QPushButton::clicked, this,
                         [this, p = projection] { view_->setProjection(p); });
    }
    // a key in the view switches it too: its button follows
    view_->onProjectionChanged = [this, group] {
        if (QAbstractButton* b = group->button(static_cast<int>(view_->projection())))
            b->setChecked(true);
    };
    auto* fit = new QPushButton("Teljes nézet");
    fit->setObjectName("view.fit");
    QObject::connect(fit, &QPushButton::clicked, this, [this] { view_->fitAll(); });
    layout->addWidget(fit);
    layout->addStretch(1);
    auto* open = new QPushButton("Megnyitás");
    open->setObjectName("openProgram");
    QObject::connect(open, &QPushButton::clicked, this, [this] {
        if (onOpen) onOpen();
    });
    layout->addWidget(open);
    return row;
}

QWidget* PreviewPanel::makeSettings() {
    QSettings settings;
    rapidRate_ = spin(1, 100000, settings.value(kRapidKey, 5000).toDouble(), " mm/perc");
    rapidRate_->setObjectName("previewRapidRate");
    toolChange_ = spin(0, 3600, settings.value(kToolChangeKey, 10).toDouble(), " mp");
    toolChange_->setObjectName("previewToolChange");
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel("Gyorsjárat:"));
    layout->addWidget(rapidRate_);
    layout->addWidget(new QLabel("Szerszámcsere:"));
    layout->addWidget(toolChange_);
    layout->addStretch(1);
    for (QDoubleSpinBox* s : {rapidRate_, toolChange_})
        QObject::connect(s, &QDoubleSpinBox::valueChanged, this, [this] { settingsChanged(); });
    return row;
}

void PreviewPanel::settingsChanged() {
    QSettings settings;
    settings.setValue(kRapidKey, rapidRate_->value());
    settings.setValue(kToolChangeKey, toolChange_->value());
    refresh(false);
}

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
        return;
    }
    auto copy = std::make_shared<std::vector<std::string>>();
    copy->reserve(page_.Memo1.lines().size());
    copyMore(std::move(copy), page_.Memo1.revision(), copyGeneration_, refit);
}

// The reader gets a copy of the box's lines, which the box may change meanwhile. A million
// lines take longer to copy than the window may wait, so they are copied a slice at a time
// between its events; a change of the box meanwhile has its own refresh on the way.
void PreviewPanel::copyMore(std::shared_ptr<std::vector<std::string>> copy, std::uint64_t revision,
                            int generation, bool refit) {
    const std::vector<std::string>& lines = page_.Memo1.lines();
    if (generation != copyGeneration_ || revision != page_.Memo1.revision()) return;
    const std::size_t end = std::min(lines.size(), copy->size() + kCopySlice);
    copy->insert(copy->end(), lines.begin() + static_cast<std::ptrdiff_t>(copy->size()),
                 lines.begin() + static_cast<std::ptrdiff_t>(end));
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
    measures_->setText(measuresText(scene->result.measures, page_.services().num));
    warnings_->clear();
    for (const auto& w : scene->result.warnings) {
        const QString where = w.line ? QString("%1. sor: ").arg(w.line) : QString();
        auto* item = new QListWidgetItem(where + QString::fromStdString(w.text), warnings_);
        item->setForeground(QColor("#c92a2a"));
        item->setData(Qt::UserRole, w.line);
    }
    warnings_->setVisible(warnings_->count() > 0);
}

void PreviewPanel::selectLine(std::uint32_t line) {
    if (box_ && line > 0) box_->selectLines(static_cast<int>(line) - 1, static_cast<int>(line) - 1);
}

}  // namespace ui::qt
