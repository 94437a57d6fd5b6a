#include "desktop/toolpathview.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <cmath>
#include <stdexcept>

#include "program/drawstyle.h"

namespace ui::qt {

namespace {
constexpr int kBusyShownAfterMs = 150;  // a moment: quicker work shows no progress
constexpr double kClickReach = 6;       // pixels
constexpr double kKeyPan = 40;          // pixels an arrow key moves the view
constexpr double kKeyZoom = 1.25;
}  // namespace

ToolpathView::ToolpathView(QWidget* parent) : QWidget(parent) {
    setObjectName("toolpathView");
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(320, 260);
    setCursor(Qt::CrossCursor);
    pool_.setMaxThreadCount(1);
    busyTick_.setInterval(100);
    QObject::connect(&busyTick_, &QTimer::timeout, this, [this] {
        if (idle()) busyTick_.stop();
        update();
    });
}

ToolpathView::~ToolpathView() {
    ++readGeneration_;
    ++renderGeneration_;
    pool_.clear();
    pool_.waitForDone();
}

bool ToolpathView::idle() const {
    return !fileOpening_ && !reading_ && !drawing_ && !renderAgain_ && !renderWhenShown_;
}

void ToolpathView::setFileOpening(bool on) {
    fileOpening_ = on;
    if (on) {
        busySince_.start();
        busyTick_.start();
    }
    update();
}

void ToolpathView::setProgram(std::shared_ptr<const program::LineText> lines,
                              qorix::PreviewFacts facts, bool refit) {
    startRead(std::move(lines), std::move(facts), refit);
}

void ToolpathView::clear() {
    ++readGeneration_;
    ++renderGeneration_;
    scene_.reset();
    image_ = QImage();
    reading_ = drawing_ = renderAgain_ = false;
    update();
}

// The lines are the reader's alone: they go when it is done with them.
void ToolpathView::startRead(std::shared_ptr<const program::LineText> lines,
                             qorix::PreviewFacts facts, bool refit) {
    const int generation = ++readGeneration_;
    ++renderGeneration_;  // a drawing of the old program is not wanted any more
    reading_ = true;
    drawing_ = renderAgain_ = false;
    progressDone_ = 0;
    progressTotal_ = lines->size();
    busySince_.start();
    busyTick_.start();
    pool_.start([this, lines = std::move(lines), facts = std::move(facts), generation, refit] {
        program::ReadOptions options = facts.read;
        options.separatorFromFile = true;  // a file opened may be written with either
        options.progress = [this, generation](std::size_t done, std::size_t total) {
            progressDone_ = done;
            progressTotal_ = total;
            return readGeneration_.load() == generation;
        };
        auto scene = std::make_shared<Scene>();
        // whatever the reading meets (memory that runs out, too) is the preview's warning,
        // never the end of the program with every page's unsaved work
        try {
            scene->result = program::readProgram(*lines, options);
        } catch (const std::exception& e) {
            scene->result = program::failedRead(e);
        } catch (...) {
            scene->result = program::failedRead(std::runtime_error("ismeretlen hiba"));
        }
        scene->facts = facts;
        if (scene->result.cancelled || readGeneration_.load() != generation) return;
        QMetaObject::invokeMethod(
            this, [this, generation, scene, refit] { readDone(generation, scene, refit); },
            Qt::QueuedConnection);
    });
}

void ToolpathView::readDone(int generation, std::shared_ptr<const Scene> scene, bool refit) {
    if (generation != readGeneration_.load()) return;
    reading_ = false;
    scene_ = std::move(scene);
    // an edit that reaches beyond the drawing is shown too, as long as the user has not
    // zoomed or moved the view
    if (refit || fitted_ || image_.isNull()) fitCamera();
    startRender();
    if (onRead) onRead();
}

void ToolpathView::startRender() {
    if (!scene_) return;
    if (!isVisible()) {  // a page not shown is drawn when it shows, at its size then
        renderWhenShown_ = true;
        return;
    }
    if (drawing_) {  // one drawing at a time: the newest view follows when it is done
        renderAgain_ = true;
        ++renderGeneration_;
        return;
    }
    drawing_ = true;
    renderAgain_ = false;
    const int generation = ++renderGeneration_;
    if (!busyTick_.isActive()) {
        busySince_.start();
        busyTick_.start();
    }
    pool_.start([this, scene = scene_, camera = camera_, size = size(), hl = highlight_, generation,
                 band = toolWidth_] {
        QImage image = renderScene(*scene, camera, size, hl, &renderGeneration_, generation, band);
        QMetaObject::invokeMethod(
            this, [this, generation, image, camera] { renderDone(generation, image, camera); },
            Qt::QueuedConnection);
    });
}

void ToolpathView::renderDone(int generation, QImage image, Camera camera) {
    drawing_ = false;
    if (generation == renderGeneration_.load() && !image.isNull()) {
        image_ = std::move(image);
        imageCamera_ = camera;
    }
    if (renderAgain_ || generation != renderGeneration_.load()) startRender();
    update();
}

void ToolpathView::setToolWidth(bool on) {
    if (on == toolWidth_) return;
    toolWidth_ = on;
    startRender();
    update();
}

void ToolpathView::setProjection(Projection projection) {
    camera_.projection = projection;
    fitAll();
    if (onProjectionChanged) onProjectionChanged();
}

void ToolpathView::fitAll() {
    fitCamera();
    startRender();
    update();
}

// The whole drawing in view, and kept so when the view changes its size, until zoomed or moved.
void ToolpathView::fitCamera() {
    if (scene_) camera_ = ui::qt::fitAll(*scene_, camera_.projection, size());
    fitted_ = true;
}

void ToolpathView::zoomAt(QPointF at, double factor) {
    // the projected point under `at` stays under it
    const QPointF before((at.x() - width() / 2.0) / camera_.scale + camera_.centre.x(),
                         (height() / 2.0 - at.y()) / camera_.scale + camera_.centre.y());
    camera_.scale = std::clamp(camera_.scale * factor, 1e-4, 1e5);
    fitted_ = false;
    camera_.centre = QPointF(before.x() - (at.x() - width() / 2.0) / camera_.scale,
                             before.y() - (height() / 2.0 - at.y()) / camera_.scale);
    startRender();
    update();
}

void ToolpathView::panBy(QPointF d) {
    camera_.centre -= QPointF(d.x() / camera_.scale, -d.y() / camera_.scale);
    fitted_ = false;
    startRender();
    update();
}

void ToolpathView::setHighlight(Highlight highlight) {
    if (highlight.first == highlight_.first && highlight.last == highlight_.last) return;
    highlight_ = highlight;
    startRender();
}

void ToolpathView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), QColor(program::kDrawStyle.background));
    if (!image_.isNull()) paintCached(p);
    if (!scene_ && !reading_) {
        p.setPen(QColor("#868e96"));
        p.drawText(rect(), Qt::AlignCenter, "A program előnézete a „Létrehozás” után látszik.");
    }
    if (!idle() && busySince_.elapsed() > kBusyShownAfterMs) paintBusy(p);
    if (hasFocus()) {
        p.setPen(QPen(palette().highlight().color(), 1));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

// The last image, moved and scaled to the camera shown now.
void ToolpathView::paintCached(QPainter& p) {
    if (imageCamera_.projection != camera_.projection) return;
    const double k = camera_.scale / imageCamera_.scale;
    const QPointF shift((imageCamera_.centre.x() - camera_.centre.x()) * camera_.scale,
                        -(imageCamera_.centre.y() - camera_.centre.y()) * camera_.scale);
    const QPointF mid(width() / 2.0, height() / 2.0);
    const QPointF imageMid(image_.width() / 2.0, image_.height() / 2.0);
    p.save();
    p.translate(mid + shift);
    p.scale(k, k);
    p.translate(-imageMid);
    p.setRenderHint(QPainter::SmoothPixmapTransform, k != 1);
    p.drawImage(0, 0, image_);
    p.restore();
}

void ToolpathView::paintBusy(QPainter& p) {
    QString text = "Rajzolás…";
    if (fileOpening_) {
        text = "Megnyitás…";
    } else if (reading_) {
        const double total = std::max<std::size_t>(progressTotal_.load(), 1);
        const int percent = static_cast<int>(std::min(100.0, 100 * progressDone_.load() / total));
        text = QString("Olvasás… %1%").arg(percent);
    }
    const QRect box(width() - 150, height() - 30, 140, 22);
    p.fillRect(box, QColor(255, 255, 255, 220));
    p.setPen(QColor("#212529"));
    p.drawText(box, Qt::AlignCenter, text);
}

void ToolpathView::showEvent(QShowEvent*) {
    if (std::exchange(renderWhenShown_, false)) startRender();
}

void ToolpathView::resizeEvent(QResizeEvent*) {
    if (!scene_) return;
    if (fitted_) fitCamera();
    startRender();
}

void ToolpathView::wheelEvent(QWheelEvent* e) {
    const double steps = e->angleDelta().y() / 120.0;
    if (steps != 0) zoomAt(e->position(), std::pow(1.25, steps));
    e->accept();
}

void ToolpathView::mousePressEvent(QMouseEvent* e) {
    pressed_ = true;
    dragging_ = false;
    pressedAt_ = lastDrag_ = e->position().toPoint();
    setFocus(Qt::MouseFocusReason);
}

void ToolpathView::mouseMoveEvent(QMouseEvent* e) {
    if (!pressed_) return;
    const QPoint at = e->position().toPoint();
    if (!dragging_ && (at - pressedAt_).manhattanLength() < 4) return;
    dragging_ = true;
    panBy(at - lastDrag_);
    lastDrag_ = at;
}

void ToolpathView::mouseReleaseEvent(QMouseEvent* e) {
    if (pressed_ && !dragging_ && e->button() == Qt::LeftButton) click(e->position());
    pressed_ = dragging_ = false;
}

void ToolpathView::click(QPointF at) {
    if (!scene_) return;
    const int move = moveAt(*scene_, camera_, size(), at, kClickReach);
    if (move < 0) return;
    const std::uint32_t line = scene_->result.path.moves[static_cast<std::size_t>(move)].line;
    setHighlight({line, line});
    if (onMoveClicked) onMoveClicked(line);
}

void ToolpathView::keyPressEvent(QKeyEvent* e) {
    if (moveByKey(e->key()) || projectionByKey(e->key()))
        e->accept();
    else
        QWidget::keyPressEvent(e);
}

bool ToolpathView::moveByKey(int key) {
    const QPointF mid(width() / 2.0, height() / 2.0);
    switch (key) {
        case Qt::Key_Plus:
        case Qt::Key_Equal:
            zoomAt(mid, kKeyZoom);
            return true;
        case Qt::Key_Minus:
            zoomAt(mid, 1 / kKeyZoom);
            return true;
        case Qt::Key_Left:
            panBy({kKeyPan, 0});
            return true;
        case Qt::Key_Right:
            panBy({-kKeyPan, 0});
            return true;
        case Qt::Key_Up:
            panBy({0, kKeyPan});
            return true;
        case Qt::Key_Down:
            panBy({0, -kKeyPan});
            return true;
        case Qt::Key_Home:
        case Qt::Key_0:
            fitAll();
            return true;
        default:
            return false;
    }
}

bool ToolpathView::projectionByKey(int key) {
    switch (key) {
        case Qt::Key_1:
            setProjection(Projection::Top);
            return true;
        case Qt::Key_2:
            setProjection(Projection::Front);
            return true;
        case Qt::Key_3:
            setProjection(Projection::Side);
            return true;
        case Qt::Key_4:
            setProjection(Projection::Iso);
            return true;
        default:
            return false;
    }
}

}  // namespace ui::qt
