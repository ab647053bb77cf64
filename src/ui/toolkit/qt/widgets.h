// The Qt widgets behind the toolkit's forms and controls. Each knows its form by serial number and
// its control id, so that an event of a form that has been unloaded reaches nobody.
#pragma once

#include <QListWidget>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTreeWidget>
#include <QWidget>
#include <cstdint>

namespace ui::toolkit {

class FormWindow : public QWidget {
 public:
  explicit FormWindow(uint64_t serial);
  uint64_t serial() const { return serial_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  uint64_t serial_;
};

// A push button that the program draws itself on the owner-draw event; it stays an ordinary button
// for the keyboard (mnemonics, focus, space) and for assistive technologies.
class OwnerDrawnButton : public QPushButton {
 public:
  OwnerDrawnButton(uint64_t serial, int32_t id, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  uint64_t serial_;
  int32_t id_;
};

// Items of an owner-drawn list: their height is asked once with the owner-size event, each item is
// drawn by the program on the owner-draw event. Unanswered requests fall back to the plain look.
class OwnerDrawDelegate : public QStyledItemDelegate {
 public:
  OwnerDrawDelegate(uint64_t serial, int32_t id, QObject* parent);
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

 private:
  uint64_t serial_;
  int32_t id_;
};

// A list box; a double-click reports the row under the mouse.
class ListBoxWidget : public QListWidget {
 public:
  ListBoxWidget(uint64_t serial, int32_t id, QWidget* parent);
  // Lays the items out now instead of at the next event, so that scroll positions are current.
  void layOutNow() { executeDelayedItemsLayout(); }

 protected:
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  uint64_t serial_;
  int32_t id_;
};

// A list view with headed columns; a double-click reports the row under the mouse, or -1 when it
// hit no row.
class ListViewWidget : public QTreeWidget {
 public:
  ListViewWidget(uint64_t serial, int32_t id, QWidget* parent);
  void layOutNow() { executeDelayedItemsLayout(); }

 protected:
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  uint64_t serial_;
  int32_t id_;
};

}  // namespace ui::toolkit
