#include "ui/toolkit/contents.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <algorithm>

#include "ui/toolkit/qt/native.h"
#include "ui/toolkit/qt/qt_text.h"
#include "ui/toolkit/state.h"
#include "ui/toolkit/text.h"

namespace ui::toolkit {

namespace {

constexpr int kRowNumberRole = Qt::UserRole + 1;

template <class Widget>
Widget* controlAs(std::string_view form, int32_t id) {
  ControlRecord* control = findControl(form, id);
  return control != nullptr ? dynamic_cast<Widget*>(widgetOf(*control)) : nullptr;
}

// The place of a new item in a sorted list: after every item that does not sort after it.
int sortedPosition(const QListWidget& list, const QString& text) {
  int low = 0;
  int high = list.count();
  while (low < high) {
    const int middle = (low + high) / 2;
    if (list.item(middle)->text().compare(text, Qt::CaseInsensitive) <= 0) {
      low = middle + 1;
    } else {
      high = middle;
    }
  }
  return low;
}

QTreeWidgetItem* rowOf(QTreeWidget* view, int32_t row) {
  return view != nullptr && row >= 0 && row < view->topLevelItemCount() ? view->topLevelItem(row) : nullptr;
}

QListWidgetItem* itemOf(QListWidget* list, int32_t index) {
  return list != nullptr && index >= 0 && index < list->count() ? list->item(index) : nullptr;
}

void layOutNow(QWidget* widget) {
  if (auto* list = dynamic_cast<ListBoxWidget*>(widget)) list->layOutNow();
  if (auto* view = dynamic_cast<ListViewWidget*>(widget)) view->layOutNow();
}

void updateWidget(QWidget* widget) {
  if (widget == nullptr) return;
  widget->update();
  if (auto* area = dynamic_cast<QAbstractScrollArea*>(widget)) area->viewport()->update();
}

}  // namespace

void EZ_SETTEXT(std::string_view form, int32_t id, std::string_view text) {
  if (id == 0) {
    if (FormRecord* record = findForm(form); record != nullptr && windowOf(*record)) {
      windowOf(*record)->setWindowTitle(toQt(text));
      windowOf(*record)->setAccessibleName(toQt(text));
    }
    return;
  }
  ControlRecord* control = findControl(form, id);
  if (control == nullptr || widgetOf(*control) == nullptr) return;
  QWidget* widget = widgetOf(*control);
  if (auto* label = dynamic_cast<QLabel*>(widget)) {
    label->setText(toQt(text));
  } else if (auto* line = dynamic_cast<QLineEdit*>(widget)) {
    const QSignalBlocker quiet(line);
    line->setText(toQt(text));
  } else if (auto* box = dynamic_cast<QPlainTextEdit*>(widget)) {
    const QSignalBlocker quiet(box);
    box->setPlainText(toQtLines(text));
  } else if (auto* button = dynamic_cast<QAbstractButton*>(widget)) {
    button->setText(toQt(text));
    button->setAccessibleName(toQt(withoutMnemonic(text)));
  } else if (auto* combo = dynamic_cast<QComboBox*>(widget)) {
    const QSignalBlocker quiet(combo);
    combo->setCurrentIndex(combo->findText(toQt(text), Qt::MatchExactly));
  }
}

std::string EZ_GETTEXT(std::string_view form, int32_t id) {
  if (id == 0) {
    FormRecord* record = findForm(form);
    return record != nullptr && windowOf(*record) ? fromQt(windowOf(*record)->windowTitle()) : std::string();
  }
  ControlRecord* control = findControl(form, id);
  if (control == nullptr || widgetOf(*control) == nullptr) return "";
  QWidget* widget = widgetOf(*control);
  if (auto* label = dynamic_cast<QLabel*>(widget)) return fromQt(label->text());
  if (auto* line = dynamic_cast<QLineEdit*>(widget)) return fromQt(line->text());
  if (auto* box = dynamic_cast<QPlainTextEdit*>(widget)) return fromQtLines(box->toPlainText());
  if (auto* button = dynamic_cast<QAbstractButton*>(widget)) return fromQt(button->text());
  if (auto* combo = dynamic_cast<QComboBox*>(widget)) {
    return combo->currentIndex() >= 0 ? fromQt(combo->currentText()) : std::string();
  }
  if (auto* list = dynamic_cast<QListWidget*>(widget)) {
    return list->currentItem() != nullptr ? fromQt(list->currentItem()->text()) : std::string();
  }
  if (auto* view = dynamic_cast<QTreeWidget*>(widget)) {
    return view->currentItem() != nullptr ? fromQt(view->currentItem()->text(0)) : std::string();
  }
  return "";
}

void EZ_CLEAR(std::string_view form, int32_t id) {
  ControlRecord* control = findControl(form, id);
  if (control == nullptr || widgetOf(*control) == nullptr) return;
  QWidget* widget = widgetOf(*control);
  if (auto* list = dynamic_cast<QListWidget*>(widget)) {
    list->clear();
  } else if (auto* view = dynamic_cast<QTreeWidget*>(widget)) {
    view->clear();
  } else if (auto* combo = dynamic_cast<QComboBox*>(widget)) {
    const QSignalBlocker quiet(combo);
    combo->clear();
  } else if (auto* line = dynamic_cast<QLineEdit*>(widget)) {
    const QSignalBlocker quiet(line);
    line->clear();
  } else if (auto* box = dynamic_cast<QPlainTextEdit*>(widget)) {
    const QSignalBlocker quiet(box);
    box->clear();
  }
}

void EZ_ADDITEMS(std::string_view form, int32_t id, std::string_view items) {
  ControlRecord* control = findControl(form, id);
  if (control == nullptr || widgetOf(*control) == nullptr) return;
  const std::vector<std::string_view> parts = splitItems(items);
  QWidget* widget = widgetOf(*control);
  if (auto* list = dynamic_cast<QListWidget*>(widget)) {
    for (std::string_view part : parts) {
      const QString text = toQt(part);
      list->insertItem(control->sorted ? sortedPosition(*list, text) : list->count(), text);
    }
  } else if (auto* combo = dynamic_cast<QComboBox*>(widget)) {
    const QSignalBlocker quiet(combo);
    const int chosen = combo->currentIndex();
    for (std::string_view part : parts) combo->addItem(toQt(part));
    combo->setCurrentIndex(chosen);
  } else if (dynamic_cast<QTreeWidget*>(widget) != nullptr) {
    for (std::string_view part : parts) EZ_ADDLVITEM(form, id, part);
  }
}

void EZ_SELECTITEM(std::string_view form, int32_t id, int32_t index) {
  ControlRecord* control = findControl(form, id);
  if (control == nullptr || widgetOf(*control) == nullptr) return;
  QWidget* widget = widgetOf(*control);
  if (auto* combo = dynamic_cast<QComboBox*>(widget)) {
    const QSignalBlocker quiet(combo);
    combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
  } else if (auto* list = dynamic_cast<QListWidget*>(widget)) {
    if (itemOf(list, index) == nullptr) return;
    list->setCurrentRow(
        index, control->multiSelect ? QItemSelectionModel::Select : QItemSelectionModel::ClearAndSelect);
  } else if (auto* view = dynamic_cast<QTreeWidget*>(widget)) {
    if (QTreeWidgetItem* row = rowOf(view, index)) view->setCurrentItem(row);
  }
}

std::string EZ_GETITEMTEXT(std::string_view form, int32_t id, int32_t index) {
  ControlRecord* control = findControl(form, id);
  if (control == nullptr || widgetOf(*control) == nullptr) return "";
  QWidget* widget = widgetOf(*control);
  if (auto* list = dynamic_cast<QListWidget*>(widget)) {
    QListWidgetItem* item = itemOf(list, index);
    return item != nullptr ? fromQt(item->text()) : std::string();
  }
  if (auto* combo = dynamic_cast<QComboBox*>(widget)) {
    return index >= 0 && index < combo->count() ? fromQt(combo->itemText(index)) : std::string();
  }
  if (auto* view = dynamic_cast<QTreeWidget*>(widget)) {
    QTreeWidgetItem* row = rowOf(view, index);
    return row != nullptr ? fromQt(row->text(0)) : std::string();
  }
  return "";
}

int32_t EZ_GETSELECT(std::string_view form, int32_t id, int32_t index) {
  ControlRecord* control = findControl(form, id);
  if (control == nullptr || widgetOf(*control) == nullptr) return 0;
  QWidget* widget = widgetOf(*control);
  if (auto* list = dynamic_cast<QListWidget*>(widget)) {
    QListWidgetItem* item = itemOf(list, index);
    return item != nullptr && item->isSelected() ? 1 : 0;
  }
  if (auto* view = dynamic_cast<QTreeWidget*>(widget)) {
    QTreeWidgetItem* row = rowOf(view, index);
    return row != nullptr && row->isSelected() ? 1 : 0;
  }
  if (auto* combo = dynamic_cast<QComboBox*>(widget))
    return index >= 0 && combo->currentIndex() == index ? 1 : 0;
  return 0;
}

void EZ_SETSELECT(std::string_view form, int32_t id, int32_t index, int32_t state) {
  ControlRecord* control = findControl(form, id);
  if (control == nullptr || widgetOf(*control) == nullptr) return;
  QWidget* widget = widgetOf(*control);
  if (auto* list = dynamic_cast<QListWidget*>(widget)) {
    if (itemOf(list, index) == nullptr) return;
    const QModelIndex item = list->model()->index(index, 0);
    if (state != 0 && !control->multiSelect) {
      list->selectionModel()->select(item, QItemSelectionModel::ClearAndSelect);
    } else {
      list->selectionModel()->select(
          item, state != 0 ? QItemSelectionModel::Select : QItemSelectionModel::Deselect);
    }
  } else if (auto* view = dynamic_cast<QTreeWidget*>(widget)) {
    if (QTreeWidgetItem* row = rowOf(view, index)) row->setSelected(state != 0);
  } else if (auto* combo = dynamic_cast<QComboBox*>(widget)) {
    const QSignalBlocker quiet(combo);
    if (state != 0 && index >= 0 && index < combo->count()) {
      combo->setCurrentIndex(index);
    } else if (state == 0 && combo->currentIndex() == index) {
      combo->setCurrentIndex(-1);
    }
  }
}

int32_t EZ_GETATTR(std::string_view form, int32_t id, std::string_view attribute) {
  ControlRecord* control = findControl(form, id);
  if (control == nullptr || widgetOf(*control) == nullptr) return 0;
  QWidget* widget = widgetOf(*control);
  layOutNow(widget);
  if (auto* list = dynamic_cast<QListWidget*>(widget)) {
    if (sameName(attribute, "ICount")) return list->count();
    if (sameName(attribute, "IFocus")) return list->currentRow();
    if (sameName(attribute, "TIndex")) return list->count() > 0 ? list->verticalScrollBar()->value() : 0;
  } else if (auto* view = dynamic_cast<QTreeWidget*>(widget)) {
    if (sameName(attribute, "ICount")) return view->topLevelItemCount();
    if (sameName(attribute, "IFocus")) {
      return view->currentItem() != nullptr ? view->indexOfTopLevelItem(view->currentItem()) : -1;
    }
    if (sameName(attribute, "TIndex")) {
      const QModelIndex top = view->indexAt(QPoint(1, 1));
      return top.isValid() ? top.row() : 0;
    }
  } else if (auto* combo = dynamic_cast<QComboBox*>(widget)) {
    if (sameName(attribute, "ICount")) return combo->count();
    if (sameName(attribute, "IFocus")) return combo->currentIndex();
  }
  return 0;
}

void EZ_SETATTR(std::string_view form, int32_t id, std::string_view attribute, int32_t value) {
  ControlRecord* control = findControl(form, id);
  if (control == nullptr || widgetOf(*control) == nullptr) return;
  QWidget* widget = widgetOf(*control);
  layOutNow(widget);
  if (auto* list = dynamic_cast<QListWidget*>(widget)) {
    if (sameName(attribute, "IFocus")) {
      if (itemOf(list, value) == nullptr) return;
      const int top = list->verticalScrollBar()->value();
      list->selectionModel()->setCurrentIndex(list->model()->index(value, 0), QItemSelectionModel::NoUpdate);
      list->verticalScrollBar()->setValue(top);
    } else if (sameName(attribute, "TIndex")) {
      list->verticalScrollBar()->setValue(value);
    }
  } else if (auto* view = dynamic_cast<QTreeWidget*>(widget)) {
    QTreeWidgetItem* row = rowOf(view, value);
    if (row == nullptr) return;
    if (sameName(attribute, "IFocus")) {
      view->selectionModel()->setCurrentIndex(view->model()->index(value, 0), QItemSelectionModel::NoUpdate);
    } else if (sameName(attribute, "TIndex")) {
      view->scrollToItem(row, QAbstractItemView::PositionAtTop);
    }
  } else if (auto* combo = dynamic_cast<QComboBox*>(widget)) {
    if (sameName(attribute, "IFocus")) {
      const QSignalBlocker quiet(combo);
      combo->setCurrentIndex(value >= 0 && value < combo->count() ? value : -1);
    }
  }
}

int32_t EZ_ADDLVITEM(std::string_view form, int32_t id, std::string_view text, int32_t row) {
  auto* view = controlAs<QTreeWidget>(form, id);
  if (view == nullptr) return -1;
  auto* item = new QTreeWidgetItem();
  item->setText(0, toQt(text));
  const int count = view->topLevelItemCount();
  const int place = row >= 0 && row < count ? row : count;
  view->insertTopLevelItem(place, item);
  return place;
}

void EZ_SETLVITEM(std::string_view form, int32_t id, int32_t row, int32_t column, std::string_view text) {
  auto* view = controlAs<QTreeWidget>(form, id);
  QTreeWidgetItem* item = rowOf(view, row);
  if (item == nullptr || column < 0 || column >= view->columnCount()) return;
  item->setText(column, toQt(text));
}

std::string EZ_GETLVITEMTEXT(std::string_view form, int32_t id, int32_t row, int32_t column) {
  auto* view = controlAs<QTreeWidget>(form, id);
  QTreeWidgetItem* item = rowOf(view, row);
  if (item == nullptr || column < 0 || column >= view->columnCount()) return "";
  return fromQt(item->text(column));
}

void EZ_SETLVLONG(std::string_view form, int32_t id, int32_t row, int32_t value) {
  if (QTreeWidgetItem* item = rowOf(controlAs<QTreeWidget>(form, id), row))
    item->setData(0, kRowNumberRole, value);
}

int32_t EZ_GETLVLONG(std::string_view form, int32_t id, int32_t row) {
  QTreeWidgetItem* item = rowOf(controlAs<QTreeWidget>(form, id), row);
  return item != nullptr ? item->data(0, kRowNumberRole).toInt() : 0;
}

void EZ_SORTLV(std::string_view form, int32_t id, int32_t column, int32_t descending) {
  auto* view = controlAs<QTreeWidget>(form, id);
  if (view == nullptr || column < 0 || column >= view->columnCount()) return;
  QTreeWidgetItem* current = view->currentItem();
  QList<QTreeWidgetItem*> rows;
  while (view->topLevelItemCount() > 0) rows << view->takeTopLevelItem(0);
  std::stable_sort(rows.begin(), rows.end(), [column, descending](QTreeWidgetItem* a, QTreeWidgetItem* b) {
    const int order = a->text(column).compare(b->text(column), Qt::CaseInsensitive);
    return descending != 0 ? order > 0 : order < 0;
  });
  view->insertTopLevelItems(0, rows);
  if (current != nullptr) view->setCurrentItem(current, 0, QItemSelectionModel::NoUpdate);
}

void EZ_SETREDRAWSTATE(std::string_view form, int32_t state) {
  if (FormRecord* record = findForm(form); record != nullptr && windowOf(*record)) {
    windowOf(*record)->setUpdatesEnabled(state != 0);
  }
}

void EZ_REDRAWFORM(std::string_view form) {
  FormRecord* record = findForm(form);
  if (record == nullptr || windowOf(*record) == nullptr) return;
  for (const auto& control : record->controls) updateWidget(widgetOf(*control));
  windowOf(*record)->update();
}

void EZ_REDRAWCONTROL(std::string_view form, int32_t id) {
  updateWidget(controlWidget(form, id));
}

void EZ_ENABLEC(std::string_view form, int32_t id) {
  if (QWidget* widget = controlWidget(form, id)) widget->setEnabled(true);
}

void EZ_DISABLEC(std::string_view form, int32_t id) {
  if (QWidget* widget = controlWidget(form, id)) widget->setEnabled(false);
}

void EZ_SETPBAR(std::string_view form, int32_t id, int32_t position, int32_t low, int32_t high) {
  auto* bar = controlAs<QProgressBar>(form, id);
  if (bar == nullptr) return;
  bar->setRange(low, std::max(low, high));
  bar->setValue(std::clamp(position, low, std::max(low, high)));
}

int32_t EZ_GETFOCUSID(std::string_view form) {
  FormRecord* record = findForm(form);
  if (record == nullptr || windowOf(*record) == nullptr) return 0;
  ControlRecord* control = controlOf(*record, windowOf(*record)->focusWidget());
  return control != nullptr ? control->id : 0;
}

}  // namespace ui::toolkit
