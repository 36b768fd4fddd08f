#include "ui/platform/sprite_board.h"

#include <QGraphicsPixmapItem>
#include <QGraphicsScene>
#include <QMouseEvent>
#include <QVariantAnimation>

#include <cmath>

#include "ui/board_geometry.h"

namespace xq {

namespace {

// A sprite's z value: its layer first, then the order in which it was put on that layer.
constexpr qreal LayerSpan = 1e6;

}  // namespace

SpriteBoard::SpriteBoard(QWidget* parent)
    : QGraphicsView(parent), scene_(new QGraphicsScene(this)) {
    scene_->setSceneRect(0, 0, BoardWidth, BoardHeight);
    scene_->setItemIndexMethod(QGraphicsScene::NoIndex);  // a few dozen sprites, often moving
    setScene(scene_);
    setFixedSize(BoardWidth, BoardHeight);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setCacheMode(QGraphicsView::CacheBackground);
    setRenderHint(QPainter::SmoothPixmapTransform);
    setRenderHint(QPainter::Antialiasing);
    setViewportUpdateMode(QGraphicsView::SmartViewportUpdate);
}

SpriteBoard::~SpriteBoard() {
    // The slides are children of this view; stop them before the scene's items go.
    for (auto& [handle, sprite] : sprites_) stopSlide(sprite);
}

void SpriteBoard::setBoardPicture(const QPixmap& picture) {
    boardPicture_ = picture;
    resetCachedContent();
    viewport()->update();
}

void SpriteBoard::registerTemplate(const QString& name, const QPixmap& picture, int layer) {
    templates_.insert(name, Template{picture, layer});
}

int SpriteBoard::createSprite(const QString& templateName, int x, int y) {
    auto found = templates_.constFind(templateName);
    if (found == templates_.constEnd()) return 0;
    auto* item = scene_->addPixmap(found->picture);
    item->setTransformationMode(Qt::SmoothTransformation);
    item->setPos(x, y);
    item->setZValue(found->layer * LayerSpan + ++stackOrder_);
    const int handle = ++lastHandle_;
    sprites_.emplace(handle, Sprite{item, templateName, found->layer, nullptr});
    return handle;
}

void SpriteBoard::destroySprite(int handle) {
    auto it = sprites_.find(handle);
    if (it == sprites_.end()) return;
    stopSlide(it->second);
    delete it->second.item;
    sprites_.erase(it);
}

void SpriteBoard::destroyAllSprites() {
    for (auto& [handle, sprite] : sprites_) {
        stopSlide(sprite);
        delete sprite.item;
    }
    sprites_.clear();
}

void SpriteBoard::setSpriteLayer(int handle, int layer) {
    if (Sprite* sprite = find(handle)) {
        sprite->layer = layer;
        sprite->item->setZValue(layer * LayerSpan + ++stackOrder_);
    }
}

void SpriteBoard::setSpritePosition(int handle, int x, int y) {
    if (Sprite* sprite = find(handle)) {
        stopSlide(*sprite);
        sprite->item->setPos(x, y);
    }
}

int SpriteBoard::spriteLeft(int handle) const {
    const Sprite* sprite = find(handle);
    return sprite ? static_cast<int>(std::lround(sprite->item->x())) : 0;
}

int SpriteBoard::spriteTop(int handle) const {
    const Sprite* sprite = find(handle);
    return sprite ? static_cast<int>(std::lround(sprite->item->y())) : 0;
}

void SpriteBoard::startAutoMove(int handle, int step, int intervalMs, const int path[3]) {
    Sprite* sprite = find(handle);
    if (!sprite) {
        // Nothing can slide, but whoever waits for the arrival must still hear of it.
        QMetaObject::invokeMethod(
            this, [this, handle] { emit autoMoveStopped(handle); }, Qt::QueuedConnection);
        return;
    }
    stopSlide(*sprite);
    const QPointF start = sprite->item->pos();
    const QPointF end = start + QPointF(path[1], path[2]);
    const double length = std::hypot(path[1], path[2]);
    const double pixelsPerMs = static_cast<double>(step) / (intervalMs > 0 ? intervalMs : 1);
    // At least one millisecond, so that the arrival always comes after this call has returned.
    const int durationMs = std::max(1, static_cast<int>(std::ceil(length / pixelsPerMs)));

    auto* slide = new QVariantAnimation(this);
    slide->setStartValue(start);
    slide->setEndValue(end);
    slide->setDuration(durationMs);
    slide->setEasingCurve(QEasingCurve::Linear);
    QGraphicsPixmapItem* item = sprite->item;
    connect(slide, &QVariantAnimation::valueChanged, this,
            [item](const QVariant& value) { item->setPos(value.toPointF()); });
    connect(slide, &QVariantAnimation::finished, this, [this, handle] { arrive(handle); });
    sprite->slide = slide;
    slide->start();
}

void SpriteBoard::arrive(int handle) {
    Sprite* sprite = find(handle);
    if (!sprite || !sprite->slide) return;
    sprite->item->setPos(sprite->slide->endValue().toPointF());
    sprite->slide->deleteLater();
    sprite->slide = nullptr;
    // Raised from the event loop, never from inside a call into the board; a sprite destroyed
    // in between (a new game) is no longer reported.
    QMetaObject::invokeMethod(
        this,
        [this, handle] {
            if (find(handle)) emit autoMoveStopped(handle);
        },
        Qt::QueuedConnection);
}

void SpriteBoard::finishRunningMoves() {
    QList<QVariantAnimation*> running;
    for (auto& [handle, sprite] : sprites_)
        if (sprite.slide) running.append(sprite.slide);
    for (QVariantAnimation* slide : running) slide->setCurrentTime(slide->duration());
}

QString SpriteBoard::spriteTemplate(int handle) const {
    const Sprite* sprite = find(handle);
    return sprite ? sprite->templateName : QString();
}

int SpriteBoard::spriteLayer(int handle) const {
    const Sprite* sprite = find(handle);
    return sprite ? sprite->layer : 0;
}

bool SpriteBoard::isSliding(int handle) const {
    const Sprite* sprite = find(handle);
    return sprite && sprite->slide;
}

QList<int> SpriteBoard::spriteHandles() const {
    QList<int> handles;
    for (const auto& [handle, sprite] : sprites_) handles.append(handle);
    return handles;
}

void SpriteBoard::drawBackground(QPainter* painter, const QRectF& rect) {
    QGraphicsView::drawBackground(painter, rect);
    // Drawn at its logical size, so a picture made at twice the pixels stays sharp.
    if (!boardPicture_.isNull())
        painter->drawPixmap(QRectF(0, 0, BoardWidth, BoardHeight), boardPicture_,
                            QRectF(boardPicture_.rect()));
}

void SpriteBoard::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton || event->button() == Qt::RightButton) {
        const QPointF p = mapToScene(event->position().toPoint());
        emit pressed(static_cast<int>(std::floor(p.x())), static_cast<int>(std::floor(p.y())));
    }
    event->accept();
}

SpriteBoard::Sprite* SpriteBoard::find(int handle) {
    auto it = sprites_.find(handle);
    return it == sprites_.end() ? nullptr : &it->second;
}

const SpriteBoard::Sprite* SpriteBoard::find(int handle) const {
    auto it = sprites_.find(handle);
    return it == sprites_.end() ? nullptr : &it->second;
}

void SpriteBoard::stopSlide(Sprite& sprite) {
    if (!sprite.slide) return;
    sprite.slide->disconnect(this);
    sprite.slide->stop();
    sprite.slide->deleteLater();
    sprite.slide = nullptr;
}

}  // namespace xq
