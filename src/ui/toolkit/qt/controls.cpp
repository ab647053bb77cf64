#include "ui/toolkit/controls.h"

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QProxyStyle>
#include <algorithm>

#include "ui/toolkit/list_columns.h"
#include "ui/toolkit/palette_colours.h"
#include "ui/toolkit/qt/native.h"
#include "ui/toolkit/qt/qt_fonts.h"
#include "ui/toolkit/qt/qt_text.h"
#include "ui/toolkit/qt/qt_types.h"
#include "ui/toolkit/state.h"
#include "ui/toolkit/text.h"
#include "ui/toolkit/units.h"

namespace ui::toolkit {

namespace {

// Styles that open a combo box's list over the box (Fusion among them) make it as tall as its items
// need, up to the screen; the list is to open below the box, as high as the form asked.
class DropDownBelowStyle : public QProxyStyle {
 public:
  using QProxyStyle::QProxyStyle;
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* returned) const override {
    if (hint == QStyle::SH_ComboBox_Popup) return 0;
    return QProxyStyle::styleHint(hint, option, widget, returned);
  }
};

bool has(std::string_view properties, char letter) {
  return properties.find(letter) != std::string_view::npos;
}

QFont nextFont() {
  const DesignSettings& next = toolkit().next;
  if (next.inlineFont) return qtFont(*next.inlineFont);
  return fontOf(next.font < 0 ? kListFont : next.font);
}

void setBothGroups(QPalette& palette, QPalette::ColorRole role, const QColor& colour) {
  palette.setColor(QPalette::Active, role, colour);
  palette.setColor(QPalette::Inactive, role, colour);
}

// Text colour for the enabled states only, so that disabled controls still look disabled;
// background in every state.
void applyColours(QWidget& widget, ControlKind kind, int32_t textColour, int32_t backColour) {
  const std::optional<QColor> ink = qtColourOf(textColour);
  const std::optional<QColor> ground = qtColourOf(backColour);
  if (!ink && !ground) return;
  QPalette palette = widget.palette();
  switch (kind) {
    case ControlKind::Label:
      if (ink) setBothGroups(palette, QPalette::WindowText, *ink);
      if (ground) {
        palette.setColor(QPalette::Window, *ground);
        widget.setAutoFillBackground(true);
      }
      break;
    case ControlKind::ComboBox:
      if (ink) {
        setBothGroups(palette, QPalette::ButtonText, *ink);
        setBothGroups(palette, QPalette::Text, *ink);
      }
      if (ground) {
        palette.setColor(QPalette::Button, *ground);
        palette.setColor(QPalette::Base, *ground);
      }
      break;
    case ControlKind::Button:
    case ControlKind::ProgressBar:
      break;
    default:
      if (ink) setBothGroups(palette, QPalette::Text, *ink);
      if (ground) palette.setColor(QPalette::Base, *ground);
      break;
  }
  widget.setPalette(palette);
}

ControlRecord* addControl(ControlKind kind, int32_t id, double column, double row, double width,
                          double height, std::string_view properties, QWidget* widget) {
  FormRecord* form = formBeingDesigned();
  if (form == nullptr || windowOf(*form) == nullptr) {
    delete widget;
    return nullptr;
  }
  const DesignSettings& next = toolkit().next;
  bool hidden = false;
  auto record = newControlRecord(*form, kind, id, column, row, width, height, properties, hidden);
  record->native.reset(new NativeControl{widget});

  widget->setParent(windowOf(*form));
  // As in Windows, a control created earlier lies above the ones created after it.
  widget->lower();
  widget->setFont(nextFont());
  widget->setGeometry(qtRect(pixelRect(column, row, width, height)));
  applyColours(*widget, kind, next.textColour, next.backColour);
  if (hidden) {
    widget->hide();
  } else if (windowOf(*form)->isVisible()) {
    widget->show();
  }

  return addControlRecord(*form, std::move(record));
}

uint64_t designSerial() {
  FormRecord* form = formBeingDesigned();
  return form != nullptr ? form->serial : 0;
}

void configureList(QListWidget& list, std::string_view properties) {
  list.setSelectionMode(has(properties, 'M') ? QAbstractItemView::MultiSelection
                                             : QAbstractItemView::SingleSelection);
  list.setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
  list.setHorizontalScrollBarPolicy(has(properties, 'H') ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
  list.setTextElideMode(Qt::ElideRight);
  list.setFocusPolicy(Qt::StrongFocus);
}

void makeList(int32_t id, double column, double row, double width, double height, std::string_view properties,
              bool ownerDrawn) {
  const uint64_t serial = designSerial();
  auto* list = new ListBoxWidget(serial, id, nullptr);
  configureList(*list, properties);
  if (ownerDrawn) {
    list->setItemDelegate(new OwnerDrawDelegate(serial, id, list));
    list->setUniformItemSizes(true);
  }
  ControlRecord* record = addControl(ownerDrawn ? ControlKind::OwnerDrawnList : ControlKind::ListBox, id,
                                     column, row, width, height, properties, list);
  if (record == nullptr) return;
  record->sorted = has(properties, 'A');
  record->multiSelect = has(properties, 'M');
  QObject::connect(list, &QAbstractItemView::clicked, [serial, id](const QModelIndex& index) {
    raiseEvent(serial, id, kEventClick, index.row());
  });
}

}  // namespace

void EZ_LABEL(int32_t id, double column, double row, double width, double height, std::string_view text,
              std::string_view properties) {
  auto* label = new QLabel(toQt(text));
  label->setTextFormat(Qt::PlainText);
  Qt::Alignment horizontal = Qt::AlignLeft;
  if (has(properties, 'C')) horizontal = Qt::AlignHCenter;
  if (has(properties, 'R')) horizontal = Qt::AlignRight;
  label->setAlignment(horizontal | Qt::AlignVCenter);
  addControl(ControlKind::Label, id, column, row, width, height, properties, label);
}

void EZ_TEXT(int32_t id, double column, double row, double width, double height, std::string_view text,
             std::string_view properties) {
  const uint64_t serial = designSerial();
  const bool multiLine = has(properties, 'M');
  const bool readOnly = has(properties, 'E');
  QWidget* widget = nullptr;
  if (multiLine) {
    auto* box = new QPlainTextEdit(toQtLines(text));
    box->setReadOnly(readOnly);
    box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    box->setTabChangesFocus(true);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    QObject::connect(box, &QPlainTextEdit::textChanged,
                     [serial, id] { raiseEvent(serial, id, kEventChange, 0); });
    widget = box;
  } else {
    auto* box = new QLineEdit(toQt(text));
    box->setReadOnly(readOnly);
    QObject::connect(box, &QLineEdit::textEdited, [serial, id] { raiseEvent(serial, id, kEventChange, 0); });
    widget = box;
  }
  ControlRecord* record =
      addControl(ControlKind::TextBox, id, column, row, width, height, properties, widget);
  if (record == nullptr) return;
  record->multiLine = multiLine;
  if (auto* line = dynamic_cast<QLineEdit*>(widget);
      line != nullptr && line->height() < line->sizeHint().height()) {
    // A box one row high has no room for a frame.
    line->setFrame(false);
    line->setTextMargins(2, 0, 2, 0);
  }
}

void EZ_ODBUTTON(int32_t id, double column, double row, double width, double height, std::string_view text,
                 std::string_view properties) {
  const uint64_t serial = designSerial();
  auto* button = new OwnerDrawnButton(serial, id, nullptr);
  button->setText(toQt(text));
  button->setAccessibleName(toQt(withoutMnemonic(text)));
  button->setAutoDefault(false);
  button->setFocusPolicy(Qt::StrongFocus);
  QObject::connect(button, &QPushButton::clicked, [serial, id] { raiseEvent(serial, id, kEventClick, 0); });
  if (ControlRecord* record =
          addControl(ControlKind::Button, id, column, row, width, height, properties, button)) {
    record->explicitName = true;
  }
}

void EZ_LISTBOX(int32_t id, double column, double row, double width, double height, std::string_view,
                std::string_view properties) {
  makeList(id, column, row, width, height, properties, false);
}

void EZ_ODLISTBOX(int32_t id, double column, double row, double width, double height, std::string_view,
                  std::string_view properties) {
  makeList(id, column, row, width, height, properties, true);
}

void EZ_COMBOBOX(int32_t id, double column, double row, double width, double height, std::string_view,
                 std::string_view properties) {
  const uint64_t serial = designSerial();
  auto* combo = new QComboBox();
  auto* style = new DropDownBelowStyle(QApplication::style()->name());
  style->setParent(combo);
  combo->setStyle(style);
  combo->setEditable(false);
  combo->setFocusPolicy(Qt::StrongFocus);
  QObject::connect(combo, &QComboBox::activated,
                   [serial, id](int index) { raiseEvent(serial, id, kEventChange, index); });
  ControlRecord* record =
      addControl(ControlKind::ComboBox, id, column, row, width, height, properties, combo);
  if (record == nullptr) return;
  // The given height is that of the open list; the closed box is one line high.
  const QRect area = qtRect(pixelRect(column, row, width, height));
  const int closedHeight = combo->sizeHint().height();
  combo->setGeometry(area.x(), area.y(), area.width(), closedHeight);
  const int itemHeight = std::max(1, combo->fontMetrics().height() + 2);
  combo->setMaxVisibleItems(std::max(1, (area.height() - closedHeight) / itemHeight));
}

void EZ_LISTVIEW(int32_t id, double column, double row, double width, double height, std::string_view columns,
                 std::string_view properties) {
  const uint64_t serial = designSerial();
  auto* view = new ListViewWidget(serial, id, nullptr);
  view->setRootIsDecorated(false);
  view->setItemsExpandable(false);
  view->setUniformRowHeights(true);
  view->setSelectionMode(QAbstractItemView::SingleSelection);
  view->setSelectionBehavior(QAbstractItemView::SelectRows);
  view->setAllColumnsShowFocus(true);
  view->setSortingEnabled(false);
  view->setFocusPolicy(Qt::StrongFocus);
  const std::vector<ListColumn> spec = parseListColumns(columns);
  view->setColumnCount(std::max<int>(1, static_cast<int>(spec.size())));
  QStringList titles;
  for (const ListColumn& c : spec) titles << toQt(c.title);
  view->setHeaderLabels(titles);
  view->header()->setSectionsMovable(false);
  view->header()->setStretchLastSection(true);
  ControlRecord* record = addControl(ControlKind::ListView, id, column, row, width, height, properties, view);
  if (record == nullptr) return;
  for (size_t i = 0; i < spec.size(); ++i) {
    if (spec[i].width > 0) view->setColumnWidth(static_cast<int>(i), pixelsAcross(spec[i].width));
  }
  QObject::connect(view, &QTreeWidget::itemSelectionChanged, [serial, id, view] {
    if (view->hasFocus()) raiseEvent(serial, id, kEventListViewNotify, kListViewItemChanged);
  });
}

void EZ_PROGRESSBAR(int32_t id, double column, double row, double width, double height, std::string_view,
                    std::string_view properties) {
  auto* bar = new QProgressBar();
  bar->setRange(0, 100);
  bar->setValue(0);
  bar->setTextVisible(false);
  addControl(ControlKind::ProgressBar, id, column, row, width, height, properties, bar);
}

void placeControl(std::string_view form, int32_t id, double column, double row, double width, double height) {
  ControlRecord* control = findControl(form, id);
  if (control == nullptr || widgetOf(*control) == nullptr) return;
  control->column = column;
  control->row = row;
  control->width = width;
  control->height = height;
  widgetOf(*control)->setGeometry(qtRect(pixelRect(column, row, width, height)));
}

void destroyControlWindow(ControlRecord& control) {
  if (QWidget* replaced = widgetOf(control)) replaced->deleteLater();
}

}  // namespace ui::toolkit
