// The toolpath view: the program read and drawn off the interface thread into a cached
// image, which the widget shows moved and scaled at once while a sharper one is drawn. A new
// program or view cancels the reading or drawing still under way.
#pragma once

#include <QElapsedTimer>
#include <QImage>
#include <QThreadPool>
#include <QTimer>
#include <QWidget>
#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "desktop/toolpathscene.h"

namespace ui::qt {

class ToolpathView : public QWidget {
public:
    explicit ToolpathView(QWidget* parent = nullptr);
    ~ToolpathView() override;

    // Reads the lines as the page's facts say; refit: show all of it when it is read.
    void setProgram(std::shared_ptr<const program::LineText> lines, qorix::PreviewFacts facts,
                    bool refit);
    void clear();

    // The last program read (null before any), the camera shown and the last drawn image.
    const Scene* scene() const { return scene_.get(); }
    const Camera& camera() const { return camera_; }
    const QImage& image() const { return image_; }
    // Nothing is being read or drawn, and the image is the camera's.
    bool idle() const;
    // A file is being read from disk for the view: its progress tells so.
    void setFileOpening(bool on);

    Projection projection() const { return camera_.projection; }
    void setProjection(Projection projection);  // and fits all
    // Seen from above, each cut on a band as wide as the tool.
    void setToolWidth(bool on);
    bool toolWidth() const { return toolWidth_; }
    void fitAll();
    void zoomAt(QPointF at, double factor);
    void panBy(QPointF pixels);
    void setHighlight(Highlight highlight);
    Highlight highlight() const { return highlight_; }

    // A click on a move: its program line.
    std::function<void(std::uint32_t line)> onMoveClicked;
    // A program has been read (its measures and warnings are new).
    std::function<void()> onRead;
    // The view was switched (by a key too).
    std::function<void()> onProjectionChanged;

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void startRead(std::shared_ptr<const program::LineText> lines, qorix::PreviewFacts facts,
                   bool refit);
    void readDone(int generation, std::shared_ptr<const Scene> scene, bool refit);
    void startRender();
    void fitCamera();
    void renderDone(int generation, QImage image, Camera camera);
    void paintCached(QPainter& p);
    void paintBusy(QPainter& p);
    void click(QPointF at);
    // The keys of the view, each true when it took the key: plus and minus zoom about the
    // middle, the arrows pan, Home and 0 show all; 1 to 4 choose the projection.
    bool moveByKey(int key);
    bool projectionByKey(int key);

    QThreadPool pool_;
    std::atomic<int> readGeneration_{0}, renderGeneration_{0};
    std::atomic<std::size_t> progressDone_{0}, progressTotal_{0};
    std::shared_ptr<const Scene> scene_;
    Camera camera_;
    QImage image_;
    Camera imageCamera_;
    Highlight highlight_;
    bool reading_ = false, drawing_ = false, renderAgain_ = false;
    bool renderWhenShown_ = false;
    bool fileOpening_ = false;
    bool toolWidth_ = false;
    bool fitted_ = true;  // the camera shows all: a new size fits it again
    QElapsedTimer busySince_;
    QTimer busyTick_;  // repaints the progress while busy
    QPoint pressedAt_, lastDrag_;
    bool pressed_ = false, dragging_ = false;
};

}  // namespace ui::qt
