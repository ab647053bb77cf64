#include "ui/toolkit/forms.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

#include "ui/toolkit/geometry.h"
#include "ui/toolkit/palette_colours.h"
#include "ui/toolkit/qt/native.h"
#include "ui/toolkit/qt/qt_text.h"
#include "ui/toolkit/qt/qt_types.h"
#include "ui/toolkit/session.h"
#include "ui/toolkit/state.h"
#include "ui/toolkit/text.h"
#include "ui/toolkit/units.h"

namespace ui::toolkit {

namespace {

bool hasProperty(std::string_view properties, char letter) {
  return properties.find(letter) != std::string_view::npos;
}

QSize formSize(double width, double height) {
  return QSize(pixelsAcross(width), pixelsDown(height));
}

void placeWindow(FormRecord& form, double column, double row, double width, double height) {
  FormWindow* window = windowOf(form);
  const QSize size = formSize(width, height);
  if (hasProperty(form.properties, 'K')) {
    window->setFixedSize(size);
  } else {
    window->setMinimumSize(0, 0);
    window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  }
  window->setGeometry(QRect(QPoint(pixelsAcross(column), pixelsDown(row)), size));
}

// The part of the screen a window may take: its screen's area without task bars and docks.
Rect screenArea(const QWidget& window) {
  if (const std::optional<Rect>& area = toolkit().screenArea) return *area;
  QScreen* screen = window.screen();
  if (screen == nullptr) screen = QGuiApplication::primaryScreen();
  return screen != nullptr ? rectOf(screen->availableGeometry()) : Rect{};
}

// The program reads where the window ended up with EZ_GETPOS.
void keepOnScreen(FormRecord& form) {
  FormWindow* window = windowOf(form);
  const QRect inner = window->geometry();
  const QRect frame = window->isVisible() ? window->frameGeometry() : inner;
  const QRect placed = qtRect(keptOnScreen(WindowPlace{rectOf(inner), rectOf(frame)}, screenArea(*window)));
  if (placed.size() != inner.size() && hasProperty(form.properties, 'K')) window->setFixedSize(placed.size());
  if (placed != inner) window->setGeometry(placed);
}

void centreWindow(FormWindow& window) {
  QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  QRect frame = window.geometry();
  frame.moveCenter(screen->availableGeometry().center());
  window.setGeometry(frame);
}

void raiseStarted(uint64_t serial) {
  if (FormRecord* form = findForm(serial)) {
    raiseEvent(*form, 0, kEventStarted, 0);
    afterStarted(serial);
  }
}

}  // namespace

void EZ_FORM(std::string_view name, std::string_view parent, std::string_view caption, double column,
             double row, double width, double height, std::string_view properties, int32_t,
             int32_t backColour) {
  prepareSession();
  FormRecord& form = addForm(name, properties);

  auto* window = new FormWindow(form.serial);
  form.native.reset(new NativeForm{window});
  window->setWindowTitle(toQt(caption));
  window->setAccessibleName(toQt(caption));
  if (FormRecord* owner = parent.empty() ? nullptr : findForm(parent)) {
    window->setParent(windowOf(*owner), Qt::Window);
  }
  if (std::optional<QColor> back = qtColourOf(backColour)) {
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, *back);
    window->setPalette(palette);
    window->setAutoFillBackground(true);
  }
  placeWindow(form, column, row, width, height);
  if (hasProperty(form.properties, 'C')) centreWindow(*window);

  const uint64_t serial = form.serial;
  if (!designForm(form)) return;
  window->show();
  QMetaObject::invokeMethod(
      window, [serial] { raiseStarted(serial); }, Qt::QueuedConnection);
}

void hideAndDestroyLater(FormRecord& form) {
  if (FormWindow* window = windowOf(form)) {
    window->hide();
    window->deleteLater();
  }
}

void endGuiLoop(int32_t code) {
  QCoreApplication::exit(code);
}

void showControl(ControlRecord& control, bool shown) {
  if (QWidget* widget = widgetOf(control)) widget->setVisible(shown);
}

void EZ_RESIZEFORM(std::string_view form, double column, double row, double width, double height, int32_t) {
  FormRecord* record = findForm(form);
  if (record == nullptr || windowOf(*record) == nullptr) return;
  placeWindow(*record, column, row, width, height);
  keepOnScreen(*record);
}

void EZ_GETPOS(std::string_view form, int32_t id, double& column, double& row, double& width,
               double& height) {
  column = row = width = height = 0;
  FormRecord* record = findForm(form);
  if (record == nullptr || windowOf(*record) == nullptr) return;
  QRect area;
  if (id == 0) {
    area = windowOf(*record)->geometry();
  } else if (QWidget* widget = controlWidget(form, id)) {
    area = widget->geometry();
  } else {
    return;
  }
  column = columnsFromPixels(area.x());
  row = rowsFromPixels(area.y());
  width = columnsFromPixels(area.width());
  height = rowsFromPixels(area.height());
}

intptr_t EZ_HANDLE(std::string_view form, int32_t id) {
  return reinterpret_cast<intptr_t>(controlWidget(form, id));
}

void SetForegroundWindow(intptr_t handle) {
  for (const auto& form : toolkit().forms) {
    FormWindow* window = windowOf(*form);
    if (!form->alive || window == nullptr) continue;
    if (reinterpret_cast<intptr_t>(window) == handle) {
      window->raise();
      window->activateWindow();
      return;
    }
  }
}

}  // namespace ui::toolkit
