#include "ui/toolkit/test_hooks.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QTreeWidget>
#include <QUrl>

#include "ui/toolkit/back_end.h"
#include "ui/toolkit/contents.h"
#include "ui/toolkit/qt/native.h"
#include "ui/toolkit/qt/qt_text.h"
#include "ui/toolkit/qt/qt_types.h"
#include "ui/toolkit/text.h"
#include "ui/toolkit/units.h"

namespace ui::toolkit {

namespace {

void readColours(const QWidget& widget, ControlKind kind, ControlState& state) {
  const QPalette palette = widget.palette();
  switch (kind) {
    case ControlKind::Label:
      state.textColour = rgbOf(palette.color(QPalette::WindowText));
      state.backColour = rgbOf(palette.color(QPalette::Window));
      break;
    case ControlKind::ComboBox:
    case ControlKind::Button:
      state.textColour = rgbOf(palette.color(QPalette::ButtonText));
      state.backColour = rgbOf(palette.color(QPalette::Button));
      break;
    default:
      state.textColour = rgbOf(palette.color(QPalette::Text));
      state.backColour = rgbOf(palette.color(QPalette::Base));
      break;
  }
}

}  // namespace

ControlState controlState(std::string_view form, int32_t id) {
  ControlState state;
  FormRecord* record = findForm(form);
  ControlRecord* control = record != nullptr ? record->control(id) : nullptr;
  QWidget* widget = control != nullptr ? widgetOf(*control) : nullptr;
  FormWindow* window = record != nullptr ? windowOf(*record) : nullptr;
  if (widget == nullptr || window == nullptr) return state;
  state.exists = true;
  state.kind = control->kind;
  state.layer = control->layer;
  state.text = EZ_GETTEXT(form, id);
  state.enabled = widget->isEnabled();
  const QRect area = widget->geometry();
  state.visible = widget->isVisibleTo(window) && window->rect().intersects(area);
  state.focused = window->focusWidget() == widget;
  state.focusable = widget->focusPolicy() != Qt::NoFocus;
  state.tabStop = (widget->focusPolicy() & Qt::TabFocus) != 0;
  if (auto* box = dynamic_cast<QPlainTextEdit*>(widget)) {
    state.multiLine = true;
    state.readOnly = box->isReadOnly();
  } else if (auto* line = dynamic_cast<QLineEdit*>(widget)) {
    state.readOnly = line->isReadOnly();
  }
  state.column = columnsFromPixels(area.x());
  state.row = rowsFromPixels(area.y());
  state.width = columnsFromPixels(area.width());
  state.height = rowsFromPixels(area.height());
  state.accessibleName = fromQt(widget->accessibleName());
  readColours(*widget, control->kind, state);
  const QFontInfo font(widget->font());
  state.fontFamily = fromQt(font.family());
  state.fontPoints = widget->font().pointSizeF();
  state.fontBold = widget->font().bold();
  state.lastDrawn = control->lastDrawn;

  if (auto* list = dynamic_cast<QListWidget*>(widget)) {
    for (int i = 0; i < list->count(); ++i) {
      state.items.push_back(fromQt(list->item(i)->text()));
      if (list->item(i)->isSelected()) state.selected.push_back(i);
    }
    state.current = list->currentRow();
  } else if (auto* combo = dynamic_cast<QComboBox*>(widget)) {
    for (int i = 0; i < combo->count(); ++i) state.items.push_back(fromQt(combo->itemText(i)));
    state.current = combo->currentIndex();
  } else if (auto* view = dynamic_cast<QTreeWidget*>(widget)) {
    for (int i = 0; i < view->topLevelItemCount(); ++i) {
      QTreeWidgetItem* item = view->topLevelItem(i);
      std::vector<std::string> columns;
      for (int c = 0; c < view->columnCount(); ++c) columns.push_back(fromQt(item->text(c)));
      state.items.push_back(columns.empty() ? std::string() : columns.front());
      state.rows.push_back(columns);
      if (item->isSelected()) state.selected.push_back(i);
    }
    state.current = view->currentItem() != nullptr ? view->indexOfTopLevelItem(view->currentItem()) : -1;
  } else if (auto* bar = dynamic_cast<QProgressBar*>(widget)) {
    state.progress = bar->value();
    state.progressLow = bar->minimum();
    state.progressHigh = bar->maximum();
  }
  return state;
}

void clickButton(std::string_view form, int32_t id) {
  if (auto* button = dynamic_cast<QAbstractButton*>(controlWidget(form, id))) button->click();
}

void doubleClickItem(std::string_view form, int32_t id, int32_t index) {
  auto* view = dynamic_cast<QAbstractItemView*>(controlWidget(form, id));
  if (view == nullptr) return;
  const QModelIndex item = view->model()->index(index, 0);
  if (!item.isValid()) return;
  QWidget* viewport = view->viewport();
  const QPoint point = view->visualRect(item).center();
  const QPoint global = viewport->mapToGlobal(point);
  QMouseEvent press(QEvent::MouseButtonPress, point, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(viewport, &press);
  QMouseEvent release(QEvent::MouseButtonRelease, point, global, Qt::LeftButton, Qt::NoButton,
                      Qt::NoModifier);
  QApplication::sendEvent(viewport, &release);
  QMouseEvent twice(QEvent::MouseButtonDblClick, point, global, Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QApplication::sendEvent(viewport, &twice);
  QMouseEvent done(QEvent::MouseButtonRelease, point, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(viewport, &done);
}

bool dropFiles(std::string_view form, const std::vector<std::string>& paths, int32_t id) {
  FormRecord* record = findForm(form);
  QWidget* window = record != nullptr ? windowOf(*record) : nullptr;
  if (window == nullptr) return false;
  QPoint at(1, 1);
  if (QWidget* control = id == 0 ? nullptr : controlWidget(form, id)) {
    at = control->mapTo(window, control->rect().center());
  }
  QMimeData data;
  QList<QUrl> urls;
  for (const std::string& path : paths) urls.push_back(QUrl::fromLocalFile(QFile::decodeName(path.c_str())));
  data.setUrls(urls);
  QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(window, &enter);
  if (!enter.isAccepted()) return false;
  QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(window, &drop);
  return drop.isAccepted();
}

void pressKey(std::string_view form, Key key, KeyModifiers modifiers) {
  FormRecord* record = findForm(form);
  QWidget* window = record != nullptr ? windowOf(*record) : nullptr;
  if (window == nullptr) return;
  QWidget* target = window->focusWidget();
  if (target == nullptr) target = window;
  QKeyEvent press(QEvent::KeyPress, qtKey(key), qtModifiers(modifiers));
  QApplication::sendEvent(target, &press);
  QKeyEvent release(QEvent::KeyRelease, qtKey(key), qtModifiers(modifiers));
  QApplication::sendEvent(target, &release);
}

void paintForm(std::string_view form) {
  if (QWidget* window = controlWidget(form, 0)) (void)window->grab();
}

std::vector<int32_t> tabRound(std::string_view form, int32_t id) {
  std::vector<int32_t> ids;
  FormRecord* record = findForm(form);
  QWidget* first = controlWidget(form, id);
  if (record == nullptr || first == nullptr) return ids;
  QWidget* widget = first;
  do {
    for (const auto& control : record->controls) {
      if (widgetOf(*control) != widget) continue;
      if (widget->isVisible() && (widget->focusPolicy() & Qt::TabFocus) != 0) ids.push_back(control->id);
      break;
    }
    widget = widget->nextInFocusChain();
  } while (widget != nullptr && widget != first);
  return ids;
}

void focusControl(std::string_view form, int32_t id) {
  if (QWidget* widget = controlWidget(form, id)) widget->setFocus(Qt::OtherFocusReason);
}

void closeWindow(std::string_view form) {
  if (QWidget* window = controlWidget(form, 0)) window->close();
}

void handlePendingEvents() {
  QApplication::processEvents();
}

void destroyWindowNow(FormRecord& form) {
  if (FormWindow* window = windowOf(form)) {
    window->hide();
    delete window;
  }
}

void dropPendingEvents() {
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace ui::toolkit
