#pragma once

#include <QImage>
#include <QWidget>

// The ticket preview: a white surface that keeps its drawing between repaints.
class PreviewSurface : public QWidget {
    Q_OBJECT

public:
    explicit PreviewSurface(QWidget* parent);
    // Back to plain white.
    void Cls();
    QImage& image() { return image_; }

signals:
    void rightButtonPressed(const QPoint& globalPos);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QImage image_;
};
