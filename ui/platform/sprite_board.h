// The sprite board "棋盘": the board picture with piece and marker sprites on it, which can slide
// a sprite along a straight path by itself and tells when it has arrived.
#pragma once

#include <QGraphicsView>
#include <QHash>
#include <QPixmap>
#include <QString>

#include <map>

class QGraphicsPixmapItem;
class QGraphicsScene;
class QVariantAnimation;

namespace xq {

class SpriteBoard : public QGraphicsView {
    Q_OBJECT

  public:
    explicit SpriteBoard(QWidget* parent = nullptr);
    ~SpriteBoard() override;

    void setBoardPicture(const QPixmap& picture);
    // A template holds one picture; sprites made from it start on its layer.
    void registerTemplate(const QString& name, const QPixmap& picture, int layer = 0);
    bool hasTemplate(const QString& name) const { return templates_.contains(name); }

    // Returns a new positive handle, or 0 for an unknown template.
    int createSprite(const QString& templateName, int x, int y);
    void destroySprite(int handle);
    void destroyAllSprites();  // raises no autoMoveStopped for sprites that were sliding
    // Draws the sprite over every other sprite of that layer; higher layers cover lower ones.
    void setSpriteLayer(int handle, int layer);
    void setSpritePosition(int handle, int x, int y);
    int spriteLeft(int handle) const;
    int spriteTop(int handle) const;

    // Slides the sprite along path = {0, dx, dy} (one straight segment from where it stands),
    // `step` pixels for every `intervalMs` milliseconds that pass, timed by the clock and drawn
    // at the display's pace. Returns at once; autoMoveStopped follows, once, on arrival.
    void startAutoMove(int handle, int step, int intervalMs, const int path[3]);

    // What tests and tools look at.
    int spriteCount() const { return static_cast<int>(sprites_.size()); }
    QString spriteTemplate(int handle) const;
    int spriteLayer(int handle) const;
    bool isSliding(int handle) const;
    QList<int> spriteHandles() const;
    // Lets tests skip the wait: every running slide ends now (its event still follows).
    void finishRunningMoves();

  signals:
    void autoMoveStopped(int handle);
    // A press of the left or right button, in board pixels.
    void pressed(int x, int y);

  protected:
    void drawBackground(QPainter* painter, const QRectF& rect) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    struct Template {
        QPixmap picture;
        int layer = 0;
    };
    struct Sprite {
        QGraphicsPixmapItem* item = nullptr;
        QString templateName;
        int layer = 0;
        QVariantAnimation* slide = nullptr;
    };

    Sprite* find(int handle);
    const Sprite* find(int handle) const;
    void stopSlide(Sprite& sprite);
    void arrive(int handle);

    QGraphicsScene* scene_;
    QPixmap boardPicture_;
    QHash<QString, Template> templates_;
    std::map<int, Sprite> sprites_;
    int lastHandle_ = 0;
    qreal stackOrder_ = 0;  // later raises draw over earlier ones within a layer
};

}  // namespace xq
