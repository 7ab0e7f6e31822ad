#include "editing/ui/tree_images.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace lrv {
namespace {

// Drawing happens in a 16 by 16 unit square; half-unit coordinates put a
// one-unit outline exactly on a pixel row at ratio 1.

QLinearGradient Vertical(qreal top, qreal bottom, const QColor& from, const QColor& to) {
  QLinearGradient g(0, top, 0, bottom);
  g.setColorAt(0, from);
  g.setColorAt(1, to);
  return g;
}

QPen Outline(const QColor& colour, qreal width = 1.0) {
  QPen pen(colour, width);
  pen.setJoinStyle(Qt::RoundJoin);
  pen.setCapStyle(Qt::RoundCap);
  return pen;
}

// The back of a folder with its tab on the left.
QPainterPath FolderBack() {
  QPainterPath p;
  p.moveTo(1.5, 13.5);
  p.lineTo(1.5, 3.5);
  p.quadTo(1.5, 2.5, 2.5, 2.5);
  p.lineTo(5.5, 2.5);
  p.lineTo(7.0, 4.0);
  p.lineTo(13.5, 4.0);
  p.quadTo(14.5, 4.0, 14.5, 5.0);
  p.lineTo(14.5, 13.5);
  p.closeSubpath();
  return p;
}

const QColor kFolderLine(0xA8, 0x74, 0x12);

void DrawClosedFolder(QPainter& p) {
  p.setPen(Outline(kFolderLine));
  p.setBrush(Vertical(2.5, 13.5, QColor(0xF2, 0xC9, 0x5C), QColor(0xD9, 0x9A, 0x22)));
  p.drawPath(FolderBack());
  // The front cover, a shade lighter, with a glint along its top edge.
  QPainterPath front;
  front.addRoundedRect(QRectF(1.5, 5.5, 13.0, 8.0), 1.0, 1.0);
  p.setBrush(Vertical(5.5, 13.5, QColor(0xFF, 0xE3, 0x8E), QColor(0xF0, 0xB6, 0x3C)));
  p.drawPath(front);
  p.setPen(Outline(QColor(255, 247, 214, 220)));
  p.drawLine(QPointF(2.8, 6.7), QPointF(13.2, 6.7));
}

void DrawOpenFolder(QPainter& p) {
  p.setPen(Outline(kFolderLine));
  p.setBrush(Vertical(2.5, 13.5, QColor(0xE0, 0xAE, 0x45), QColor(0xC7, 0x88, 0x1A)));
  p.drawPath(FolderBack());
  // A sheet of paper inside.
  p.setPen(Outline(QColor(0x9A, 0xA4, 0xB0)));
  p.setBrush(QColor(0xFB, 0xFC, 0xFE));
  p.drawRect(QRectF(3.5, 3.5, 9.0, 6.0));
  // The front cover folded down towards the viewer.
  QPainterPath front;
  front.moveTo(3.5, 7.5);
  front.lineTo(15.5, 7.5);
  front.lineTo(13.0, 13.5);
  front.lineTo(1.0, 13.5);
  front.closeSubpath();
  p.setPen(Outline(kFolderLine));
  p.setBrush(Vertical(7.5, 13.5, QColor(0xFF, 0xE6, 0x96), QColor(0xF2, 0xB9, 0x42)));
  p.drawPath(front);
  p.setPen(Outline(QColor(255, 248, 220, 220)));
  p.drawLine(QPointF(4.4, 8.7), QPointF(14.0, 8.7));
}

// A sheet with its top right corner folded; `fold` colours the fold.
void DrawPage(QPainter& p, const QColor& fold = QColor(0xD8, 0xDF, 0xE8)) {
  QPainterPath sheet;
  sheet.moveTo(2.5, 1.5);
  sheet.lineTo(9.5, 1.5);
  sheet.lineTo(13.5, 5.5);
  sheet.lineTo(13.5, 14.5);
  sheet.lineTo(2.5, 14.5);
  sheet.closeSubpath();
  p.setPen(Outline(QColor(0x6E, 0x7C, 0x8E)));
  p.setBrush(Vertical(1.5, 14.5, QColor(0xFF, 0xFF, 0xFF), QColor(0xE6, 0xEC, 0xF3)));
  p.drawPath(sheet);

  QPainterPath corner;
  corner.moveTo(9.5, 1.5);
  corner.lineTo(9.5, 5.5);
  corner.lineTo(13.5, 5.5);
  corner.closeSubpath();
  p.setBrush(fold);
  p.drawPath(corner);

  // Lines of text.
  p.setPen(QPen(QColor(0x8F, 0xA7, 0xC6), 1.0, Qt::SolidLine, Qt::FlatCap));
  p.drawLine(QPointF(4.0, 4.5), QPointF(8.0, 4.5));
  for (qreal y : {7.5, 9.5, 11.5}) p.drawLine(QPointF(4.0, y), QPointF(12.0, y));
  p.drawLine(QPointF(4.0, 13.0), QPointF(9.0, 13.0));
}

void DrawNewPage(QPainter& p) {
  DrawPage(p, QColor(0xFF, 0xD5, 0x3A));
  // A yellow corner ribbon across the bottom right.
  QPainterPath mark;
  mark.moveTo(7.5, 14.5);
  mark.lineTo(13.5, 14.5);
  mark.lineTo(13.5, 8.5);
  mark.closeSubpath();
  p.setPen(Outline(QColor(0xC8, 0x8A, 0x00)));
  p.setBrush(Vertical(8.5, 14.5, QColor(0xFF, 0xE8, 0x60), QColor(0xF5, 0xB4, 0x00)));
  p.drawPath(mark);
}

void DrawFavouritePage(QPainter& p) {
  DrawPage(p);
  QPainterPath triangle;
  triangle.moveTo(11.0, 6.5);
  triangle.lineTo(15.5, 14.5);
  triangle.lineTo(6.5, 14.5);
  triangle.closeSubpath();
  p.setPen(Outline(QColor(0x9E, 0x12, 0x12)));
  p.setBrush(Vertical(6.5, 14.5, QColor(0xFF, 0x6B, 0x5E), QColor(0xD3, 0x23, 0x1C)));
  p.drawPath(triangle);
  p.setPen(QPen(Qt::white, 1.4, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(11.0, 9.2), QPointF(11.0, 11.4));
  p.drawPoint(QPointF(11.0, 13.2));
}

void DrawReadPage(QPainter& p) {
  DrawPage(p);
  QPainterPath tick;
  tick.moveTo(7.0, 10.0);
  tick.lineTo(9.8, 12.8);
  tick.lineTo(14.6, 6.4);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(0x1B, 0x6E, 0x20), 3.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(tick);
  p.setPen(QPen(QColor(0x4C, 0xC2, 0x45), 1.9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(tick);
}

// The highlighted variant: every colour brighter, its hue and (almost) its
// saturation kept so it stays vivid; transparency untouched.
void Brighten(QImage& image) {
  for (int y = 0; y < image.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      const int alpha = qAlpha(line[x]);
      if (alpha == 0) continue;
      QColor c = QColor::fromRgb(line[x]);
      float h, s, v, a;
      c.getHsvF(&h, &s, &v, &a);
      v = v + (1.0f - v) * 0.3f;
      s = std::min(1.0f, s * 1.04f);
      c.setHsvF(h < 0 ? 0 : h, s, v);
      line[x] = qRgba(c.red(), c.green(), c.blue(), alpha);
    }
  }
}

}  // namespace

QImage DrawTreeImage(int index, qreal devicePixelRatio) {
  const int pixels = qRound(TreeImages::kSize * devicePixelRatio);
  QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  if (index < 0 || index >= TreeImages::kCount) return image;
  {
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(devicePixelRatio, devicePixelRatio);
    switch (index / 2) {
      case 0: DrawClosedFolder(p); break;
      case 1: DrawOpenFolder(p); break;
      case 2: DrawPage(p); break;
      case 3: DrawNewPage(p); break;
      case 4: DrawFavouritePage(p); break;
      default: DrawReadPage(p); break;
    }
  }
  if (index % 2 == 1) {
    image = image.convertToFormat(QImage::Format_ARGB32);
    Brighten(image);
    image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  }
  image.setDevicePixelRatio(devicePixelRatio);
  return image;
}

TreeImages::TreeImages(qreal devicePixelRatio) {
  for (int i = 0; i < kCount; ++i) pixmaps_[static_cast<std::size_t>(i)] = QPixmap::fromImage(DrawTreeImage(i, devicePixelRatio));
}

const QPixmap& TreeImages::Pixmap(int index) const {
  static const QPixmap kNone;
  if (index < 0 || index >= kCount) return kNone;
  return pixmaps_[static_cast<std::size_t>(index)];
}

}  // namespace lrv
