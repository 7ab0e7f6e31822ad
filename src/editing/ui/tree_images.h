#pragma once
// ilTree: the twelve 16 by 16 node pictures of the catalogue tree and the
// result list, drawn at run time. Even indexes are the normal pictures, the
// odd index after each the same picture lighter and brighter (the node under
// the mouse, selected or focused).
//
//   0, 1  closed folder                 6, 7  page with a yellow corner mark
//   2, 3  open folder                   8, 9  page with a red exclamation triangle
//   4, 5  plain page                   10, 11 page with a green tick

#include <QPixmap>
#include <array>

namespace lrv {

class TreeImages {
 public:
  static constexpr int kCount = 12;
  static constexpr int kSize = 16;

  // Draws the pictures for screens of the given pixel ratio (the pixmaps
  // stay 16 by 16 device-independent pixels). Needs a QGuiApplication.
  explicit TreeImages(qreal devicePixelRatio = 1.0);

  // A null pixmap for an index out of range.
  const QPixmap& Pixmap(int index) const;
  int Count() const { return kCount; }

 private:
  std::array<QPixmap, kCount> pixmaps_;
};

// One picture, drawn anew (the index rules as above).
QImage DrawTreeImage(int index, qreal devicePixelRatio = 1.0);

}  // namespace lrv
