#include "panel/PreviewSurface.h"

#include <QMouseEvent>
#include <QPainter>

PreviewSurface::PreviewSurface(QWidget* parent) : QWidget(parent) {}

void PreviewSurface::Cls() { image_.fill(Qt::white); }

void PreviewSurface::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, image_);
}

void PreviewSurface::resizeEvent(QResizeEvent*) {
    QImage kept(size(), QImage::Format_RGB32);
    kept.fill(Qt::white);
    QPainter painter(&kept);
    painter.drawImage(0, 0, image_);
    painter.end();
    image_ = kept;
}

void PreviewSurface::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) emit rightButtonPressed(event->globalPosition().toPoint());
}
