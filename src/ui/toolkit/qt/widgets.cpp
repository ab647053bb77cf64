#include "ui/toolkit/qt/widgets.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QPainter>

#include "ui/toolkit/owner_draw_context.h"
#include "ui/toolkit/qt/native.h"
#include "ui/toolkit/qt/qt_types.h"

namespace ui::toolkit {

FormWindow::FormWindow(uint64_t serial) : QWidget(nullptr), serial_(serial) {}

void FormWindow::closeEvent(QCloseEvent* event) {
  FormRecord* form = findForm(serial_);
  if (form == nullptr || form->unloading) {
    event->accept();
    return;
  }
  const Toolkit& state = toolkit();
  if (!state.eventForms.empty() || state.starting || state.designing != nullptr) {
    form->closePending = true;
    event->ignore();
    return;
  }
  if (raiseEvent(*form, 0, kEventClosing, 0) != 0) {
    event->ignore();
    return;
  }
  event->accept();
  unloadForm(*form, false);
}

OwnerDrawnButton::OwnerDrawnButton(uint64_t serial, int32_t id, QWidget* parent)
    : QPushButton(parent), serial_(serial), id_(id) {}

void OwnerDrawnButton::paintEvent(QPaintEvent* event) {
  bool drawn = false;
  {
    QPainter painter(this);
    DrawSurface surface{&painter, this};
    DrawContext context;
    context.surface = &surface;
    context.rect = rectOf(rect());
    context.selected = isDown();
    context.disabled = !isEnabled();
    context.focus = hasFocus();
    drawn = raiseOwnerEvent(serial_, id_, kEventOwnerDraw, context);
  }
  if (!drawn) QPushButton::paintEvent(event);
}

OwnerDrawDelegate::OwnerDrawDelegate(uint64_t serial, int32_t id, QObject* parent)
    : QStyledItemDelegate(parent), serial_(serial), id_(id) {}

void OwnerDrawDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const {
  DrawSurface surface{painter, const_cast<QWidget*>(option.widget)};
  DrawContext context;
  context.surface = &surface;
  context.rect = rectOf(option.rect);
  context.index = index.row();
  context.selected = option.state.testFlag(QStyle::State_Selected);
  context.disabled = !option.state.testFlag(QStyle::State_Enabled);
  context.focus = option.state.testFlag(QStyle::State_HasFocus);
  painter->save();
  const bool drawn = raiseOwnerEvent(serial_, id_, kEventOwnerDraw, context);
  painter->restore();
  if (!drawn) QStyledItemDelegate::paint(painter, option, index);
}

QSize OwnerDrawDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
  const QSize proposed = QStyledItemDelegate::sizeHint(option, index);
  ControlRecord* control = nullptr;
  if (FormRecord* form = findForm(serial_)) control = form->control(id_);
  if (control == nullptr) return proposed;
  if (control->ownerItemHeight < 0) {
    DrawContext context;
    context.sizing = true;
    context.index = index.row();
    context.width = option.rect.width() > 0 ? option.rect.width() : proposed.width();
    context.height = proposed.height();
    raiseOwnerEvent(serial_, id_, kEventOwnerSize, context);
    // Asked once: every item of the list has the height of the answer (or the proposal).
    control->ownerItemHeight = context.height > 0 ? context.height : proposed.height();
  }
  return QSize(proposed.width(), control->ownerItemHeight);
}

ListBoxWidget::ListBoxWidget(uint64_t serial, int32_t id, QWidget* parent)
    : QListWidget(parent), serial_(serial), id_(id) {}

void ListBoxWidget::mouseDoubleClickEvent(QMouseEvent* event) {
  QListWidget::mouseDoubleClickEvent(event);
  const QModelIndex index = indexAt(event->position().toPoint());
  raiseEvent(serial_, id_, kEventDoubleClick, index.isValid() ? index.row() : -1);
}

ListViewWidget::ListViewWidget(uint64_t serial, int32_t id, QWidget* parent)
    : QTreeWidget(parent), serial_(serial), id_(id) {}

void ListViewWidget::mouseDoubleClickEvent(QMouseEvent* event) {
  QTreeWidget::mouseDoubleClickEvent(event);
  const QModelIndex index = indexAt(event->position().toPoint());
  raiseEvent(serial_, id_, kEventDoubleClick, index.isValid() ? index.row() : -1);
}

}  // namespace ui::toolkit
