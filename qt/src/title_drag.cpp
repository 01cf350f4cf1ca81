#include "title_drag.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>

namespace kiv::qt::detail {

// Paints the outline and the landing line over the whole dock; it takes no input.
class DragOverlay : public QWidget {
 public:
  DragOverlay(QWidget& surface, TitleDrag& drag) : QWidget(&surface), drag_(drag) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setGeometry(surface.rect());
    // Escape, wherever the focus is, ends the drag without a drop.
    qApp->installEventFilter(this);
  }
  void show(QRect outline, QLine landing) {
    outline_ = outline;
    landing_ = landing;
    setGeometry(parentWidget()->rect());
    raise();
    QWidget::show();
    update();
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::KeyPress && isVisible() &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
      drag_.stop();
      return true;
    }
    return QWidget::eventFilter(watched, event);
  }
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    const QColor highlight = palette().color(QPalette::Highlight);
    QColor fill = highlight;
    fill.setAlpha(48);
    p.fillRect(outline_, fill);
    p.setPen(QPen(highlight, 1, Qt::DashLine));
    p.drawRect(outline_.adjusted(0, 0, -1, -1));
    if (!landing_.isNull()) {
      p.setPen(QPen(highlight, 3));
      p.drawLine(landing_);
    }
  }

 private:
  TitleDrag& drag_;
  QRect outline_;
  QLine landing_;
};

TitleDrag::~TitleDrag() { delete overlay_.data(); }

void TitleDrag::start(std::int16_t index, Qt::MouseButton button, QRect bar, QPoint pointer) {
  index_ = index;
  button_ = button;
  bar_ = bar;
  grab_ = pointer;
  move(pointer, QLine());
}

void TitleDrag::move(QPoint pointer, QLine landing) {
  if (!index_) return;
  if (!overlay_) overlay_ = new DragOverlay(surface_, *this);
  overlay_->show(bar_.translated(pointer - grab_), landing);
}

void TitleDrag::stop() {
  index_.reset();
  button_ = Qt::NoButton;
  if (overlay_) overlay_->hide();
}

}  // namespace kiv::qt::detail
