#include "desktop/previewpanel.h"

#include <QButtonGroup>
#include <QDoubleSpinBox>
#include <QHBoxLayout>
#include <QPointer>
#include <QPushButton>
#include <QSettings>
#include <QTextBlock>
#include <QVBoxLayout>
#include <cmath>

#include "app/previewfacts.h"

namespace ui::qt {

namespace {

// The pause after typing before the program is read again, as the output box's own.
constexpr int kTypingPauseMs = 300;
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

PreviewPanel::PreviewPanel(qorix::WizardPage& page, QPlainTextEdit* box, QWidget* parent)
    : QWidget(parent), page_(page), box_(box), view_(new ToolpathView) {
    setObjectName("preview");
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(makeViewButtons());
    view_->setMinimumSize(560, 420);
    column->addWidget(view_, 1);
    measures_ = new QLabel;
    measures_->setObjectName("previewMeasures");
    measures_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    column->addWidget(measures_);
    warnings_ = new QListWidget;
    warnings_->setObjectName("previewWarnings");
    warnings_->setMaximumHeight(90);
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
        QObject::connect(box_, &QPlainTextEdit::cursorPositionChanged, this,
                         [this] { boxCursorMoved(); });
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
        group->addButton(b);
        layout->addWidget(b);
        QObject::connect(b, &QPushButton::clicked, this,
                         [this, p = projection] { view_->setProjection(p); });
    }
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
    view_->setFacts(facts());
}

void PreviewPanel::showFile() {
    fromFile_ = true;
    refitNext_ = true;
}

// Typing waits for its pause; a press of "Létrehozás" or an opened file shows at once.
void PreviewPanel::modelChanged() {
    if (box_ && box_->hasFocus()) {
        typingPause_.start();
        return;
    }
    typingPause_.stop();
    if (!fromFile_) refitNext_ = true;
    QTimer::singleShot(0, this, [guard = QPointer<PreviewPanel>(this)] {
        if (guard) guard->refresh(std::exchange(guard->refitNext_, false));
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
    if (page_.Memo1.lines().empty()) {
        view_->clear();
        measures_->clear();
        warnings_->clear();
        warnings_->hide();
        fromFile_ = false;
        return;
    }
    auto lines = std::make_shared<const std::vector<std::string>>(page_.Memo1.lines());
    view_->setProgram(std::move(lines), facts(), refit);
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

void PreviewPanel::boxCursorMoved() {
    if (selecting_ || !box_) return;
    const QTextCursor c = box_->textCursor();
    const QTextDocument* doc = box_->document();
    const auto first = doc->findBlock(c.selectionStart()).blockNumber() + 1;
    const auto last = doc->findBlock(c.selectionEnd()).blockNumber() + 1;
    view_->setHighlight({static_cast<std::uint32_t>(first), static_cast<std::uint32_t>(last)});
}

void PreviewPanel::selectLine(std::uint32_t line) {
    if (!box_ || line == 0) return;
    const QTextBlock block = box_->document()->findBlockByNumber(static_cast<int>(line) - 1);
    if (!block.isValid()) return;
    QTextCursor c(block);
    c.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    selecting_ = true;
    box_->setTextCursor(c);
    box_->centerCursor();
    selecting_ = false;
}

}  // namespace ui::qt
