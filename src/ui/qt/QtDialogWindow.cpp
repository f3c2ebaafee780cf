#include "ui/qt/QtDialogWindow.h"

#include <algorithm>

#include <QApplication>
#include <QEventLoop>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include "platform/MessageBox.h"
#include "ui/ControlTemplate.h"
#include "ui/Dialog.h"
#include "ui/DialogNavigation.h"
#include "ui/DialogTemplate.h"
#include "ui/LiveWindows.h"
#include "ui/PaintContext.h"
#include "ui/qt/DialogWidget.h"
#include "ui/qt/DropDownList.h"
#include "ui/qt/FrameControl.h"
#include "ui/qt/GroupBoxControl.h"
#include "ui/qt/IconControl.h"
#include "ui/qt/QtText.h"
#include "ui/qt/ResourceImages.h"

namespace ui::qt {
namespace {

using LiveQtWindows = LiveWindows<QtDialogWindow>;

// A static control keeps its text as given; it shows it without mnemonic marks.
constexpr const char* kRawTextProperty = "qv_raw_text";

Qt::WindowFlags WindowFlagsOf(DialogStyle style) {
  // A window of its own in the task bar is a normal window; the others are
  // dialogs that stay above their owner.
  Qt::WindowFlags flags = HasFlag(style, DialogStyle::kAppWindow) ? Qt::Window : Qt::Dialog;
  flags |= Qt::CustomizeWindowHint;
  if (HasFlag(style, DialogStyle::kCaption)) {
    flags |= Qt::WindowTitleHint;
  }
  if (HasFlag(style, DialogStyle::kSystemMenu)) {
    flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
  }
  if (HasFlag(style, DialogStyle::kMinimizeBox)) {
    flags |= Qt::WindowMinimizeButtonHint;
  }
  return flags;
}

void ApplyCommonState(QWidget* widget, const ControlTemplate& control) {
  if (HasFlag(control.style, ControlStyle::kDisabled)) {
    widget->setEnabled(false);
  }
  if (HasFlag(control.style, ControlStyle::kHidden)) {
    widget->hide();
  }
}

// Controls that can take the focus take it by Tab only with a tab stop.
Qt::FocusPolicy FocusPolicyOf(const ControlTemplate& control) {
  return HasFlag(control.style, ControlStyle::kTabStop) ? Qt::StrongFocus : Qt::ClickFocus;
}

QLabel* NewStaticText(const ControlTemplate& control, QWidget* parent) {
  const QString text = ToQString(control.text);
  auto* label = new QLabel(StaticDisplayText(text), parent);
  label->setProperty(kRawTextProperty, text);
  label->setTextFormat(Qt::PlainText);
  label->setMargin(0);
  if (HasFlag(control.style, ControlStyle::kCenterVertically)) {
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  } else {
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
  }
  if (HasFlag(control.style, ControlStyle::kSunken)) {
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setLineWidth(1);
  }
  return label;
}

// The frame and the read-only look are the caller's, as for a one-line edit.
QPlainTextEdit* NewMultiLineEdit(const ControlTemplate& control, QWidget* parent) {
  const bool read_only = HasFlag(control.style, ControlStyle::kReadOnly);
  auto* edit = new QPlainTextEdit(parent);
  edit->setPlainText(FromCrLf(ToQString(control.text)));
  edit->setReadOnly(read_only);
  if (read_only) {
    // Scrolled and selected with the keyboard too, but never changed.
    edit->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  }
  edit->setTabChangesFocus(true);
  edit->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  edit->setVerticalScrollBarPolicy(HasFlag(control.style, ControlStyle::kVerticalScroll)
                                       ? Qt::ScrollBarAlwaysOn
                                       : Qt::ScrollBarAlwaysOff);
  edit->document()->setDocumentMargin(1);
  return edit;
}

}  // namespace

class QtDialogWindow::PaintContextImpl final : public PaintContext {
 public:
  PaintContextImpl(QtDialogWindow& window, QPainter& painter)
      : m_window(window), m_painter(painter) {}

  bool IsMinimized() const override { return m_window.Widget()->isMinimized(); }

  void StretchBitmapToControl(int control_id, int bitmap_id) override {
    const Control* control = m_window.Find(control_id);
    if (control == nullptr) {
      return;
    }
    const QImage image = m_window.CachedBitmap(bitmap_id);
    if (auto* frame = dynamic_cast<FrameControl*>(control->widget)) {
      // The frame paints after the window, in this same pass.
      frame->SetImage(image, [&window = m_window, bitmap_id] {
        return window.CachedBitmap(bitmap_id, BitmapSize::kLarge);
      });
    } else if (!image.isNull()) {
      const QRect target = control->widget->geometry();
      m_painter.drawImage(target.topLeft(),
                          ScaleForTarget(image, target, m_window.Widget()->devicePixelRatioF()));
    }
  }

  void DrawIconCentered(int icon_id) override {
    const QWidget* widget = m_window.Widget();
    const int size = IconControl::StandardSize(*widget);
    DrawIcon(
        m_painter, icon_id,
        QRect((widget->width() - size + 1) / 2, (widget->height() - size + 1) / 2, size, size));
  }

 private:
  QtDialogWindow& m_window;
  QPainter& m_painter;
};

QtDialogWindow::QtDialogWindow(Dialog& dialog, const DialogTemplate& dialog_template,
                               QtDialogWindow* owner)
    : m_dialog(dialog),
      m_template(dialog_template),
      m_owner(owner),
      m_default_button_id(platform::kIdOk) {
  LiveQtWindows::Add(this);
  BuildWindow(dialog_template);
}

QtDialogWindow::~QtDialogWindow() {
  LiveQtWindows::Remove(this);
  m_timers.clear();
  m_widget.reset();
}

void QtDialogWindow::BuildWindow(const DialogTemplate& dialog_template) {
  m_widget = std::make_unique<DialogWidget>(*this, WindowFlagsOf(dialog_template.style));
  m_font = DialogFont(dialog_template.font_name, dialog_template.font_point_size);
  m_widget->setFont(m_font);
  m_base_units = MeasureBaseUnits(m_font);
  m_widget->setWindowTitle(ToQString(dialog_template.caption));
  // The template's size is the client area; the frame is not resizable.
  m_widget->setFixedSize(HorizontalPixels(dialog_template.width, m_base_units),
                         VerticalPixels(dialog_template.height, m_base_units));
  for (const ControlTemplate& control : dialog_template.controls) {
    BuildControl(control);
  }
  LabelListsByTheirStaticTexts();
  if (m_owner != nullptr) {
    m_widget->winId();
    m_widget->windowHandle()->setTransientParent(m_owner->Widget()->windowHandle());
  }
}

void QtDialogWindow::BuildControl(const ControlTemplate& control) {
  QWidget* parent = m_widget.get();
  const QRect geometry =
      DialogRectToPixels(control.x, control.y, control.width, control.height, m_base_units);
  QWidget* widget = nullptr;
  switch (control.kind) {
    case ControlKind::kPushButton:
    case ControlKind::kDefaultPushButton:
      widget = BuildPushButton(control);
      break;
    case ControlKind::kStaticText:
      widget = NewStaticText(control, parent);
      break;
    case ControlKind::kBlackFrame:
      widget = new FrameControl(parent);
      break;
    case ControlKind::kGroupBox:
      widget = new GroupBoxControl(ToQString(control.text), parent);
      break;
    case ControlKind::kEdit:
      widget = BuildEdit(control);
      break;
    case ControlKind::kDropDownList:
      widget = BuildDropDownList(control, geometry);
      break;
    case ControlKind::kIcon:
      widget = new IconControl(parent);
      break;
  }
  // A drop-down list places itself: its closed box is shorter than the template.
  if (control.kind != ControlKind::kDropDownList) {
    widget->setGeometry(geometry);
  }
  m_controls.push_back({control.id, control.kind, widget});
  if (control.kind == ControlKind::kIcon && control.image_id != 0) {
    SetControlIcon(control.id, control.image_id);
  }
  ApplyCommonState(widget, control);
}

QWidget* QtDialogWindow::BuildPushButton(const ControlTemplate& control) {
  auto* button = new QPushButton(ToQString(control.text), m_widget.get());
  // A focused button takes Enter itself; the default one also shows it.
  button->setAutoDefault(true);
  if (control.kind == ControlKind::kDefaultPushButton) {
    button->setDefault(true);
    m_default_button_id = control.id;
  }
  button->setFocusPolicy(FocusPolicyOf(control));
  const int id = control.id;
  QObject::connect(button, &QPushButton::clicked, button, [this, id] { Click(id); });
  m_widget->WatchControl(button);
  return button;
}

QWidget* QtDialogWindow::BuildEdit(const ControlTemplate& control) {
  const bool read_only = HasFlag(control.style, ControlStyle::kReadOnly);
  const bool bordered = HasFlag(control.style, ControlStyle::kBorder) ||
                        HasFlag(control.style, ControlStyle::kClientEdge);
  QWidget* widget = nullptr;
  if (HasFlag(control.style, ControlStyle::kMultiLine)) {
    QPlainTextEdit* edit = NewMultiLineEdit(control, m_widget.get());
    // Bordered edits get the sunken edge of three-dimensional dialogs.
    edit->setFrameStyle(bordered ? (QFrame::StyledPanel | QFrame::Sunken) : QFrame::NoFrame);
    if (read_only) {
      // The dialog's face shows through instead: at fractional scale
      // factors a filled text area rounds over its one-pixel frame.
      edit->viewport()->setAutoFillBackground(false);
    }
    widget = edit;
  } else {
    auto* edit = new QLineEdit(ToQString(control.text), m_widget.get());
    edit->setReadOnly(read_only);
    edit->setFrame(bordered);
    widget = edit;
  }
  if (read_only) {
    // Read-only edits show the dialog's face colour, as on Windows.
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    widget->setPalette(palette);
  }
  widget->setFocusPolicy(FocusPolicyOf(control));
  m_widget->WatchControl(widget);
  return widget;
}

QWidget* QtDialogWindow::BuildDropDownList(const ControlTemplate& control, const QRect& geometry) {
  auto* list = new DropDownList(m_widget.get());
  const int id = control.id;
  list->SetOnDropDown([this, id] { m_dialog.DispatchCommand(id, Notification::kDropDown); });
  list->SetOnUserSelection(
      [this, id] { m_dialog.DispatchCommand(id, Notification::kSelectionChanged); });
  list->setFocusPolicy(FocusPolicyOf(control));
  // The template's height is that of the open list; the closed box is one
  // line high, and the open list shows as many items as fit below it.
  const int box_height = list->sizeHint().height();
  const int item_height = std::max(1, QFontMetrics(m_font).height());
  list->setMaxVisibleItems(std::max(1, (geometry.height() - box_height) / item_height));
  list->setGeometry(geometry.x(), geometry.y(), geometry.width(), box_height);
  return list;
}

void QtDialogWindow::LabelListsByTheirStaticTexts() {
  // As screen readers on Windows name a list after the static text before
  // it in the template.
  const std::vector<ControlTemplate>& controls = m_template.controls;
  for (std::size_t i = 1; i < controls.size(); ++i) {
    if (controls[i].kind != ControlKind::kDropDownList ||
        controls[i - 1].kind != ControlKind::kStaticText) {
      continue;
    }
    auto* label = dynamic_cast<QLabel*>(ControlWidget(controls[i - 1].id));
    if (QWidget* list = ControlWidget(controls[i].id); label != nullptr && list != nullptr) {
      label->setBuddy(list);
    }
  }
}

const QtDialogWindow::Control* QtDialogWindow::Find(int control_id) const {
  if (control_id == kStaticId) {
    return nullptr;
  }
  for (const Control& control : m_controls) {
    if (control.id == control_id) {
      return &control;
    }
  }
  return nullptr;
}

QWidget* QtDialogWindow::Widget() const {
  return m_widget.get();
}

QWidget* QtDialogWindow::ControlWidget(int control_id) const {
  const Control* control = Find(control_id);
  return control != nullptr ? control->widget : nullptr;
}

int QtDialogWindow::ControlIdOf(const QWidget* widget) const {
  for (; widget != nullptr && widget != m_widget.get(); widget = widget->parentWidget()) {
    for (const Control& control : m_controls) {
      if (control.widget == widget) {
        return control.id;
      }
    }
  }
  return kWindowId;
}

void QtDialogWindow::PlaceWindow() {
  // Centred over the owner, or on the screen without one.
  QRect area;
  if (m_owner != nullptr) {
    area = m_owner->Widget()->frameGeometry();
  } else if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    area = screen->availableGeometry();
  }
  if (area.isValid()) {
    m_widget->move(area.center() - m_widget->rect().center());
  }
}

void QtDialogWindow::RunModalLoop() {
  if (m_owner != nullptr) {
    m_owner->BlockForOwnedWindow();
  }
  QEventLoop loop;
  m_loop = &loop;
  // A window with an owner keeps every other window from input while its loop
  // runs; the first window has nothing to block, and is left a plain window
  // so that the task bar lists it.
  if (m_owner != nullptr) {
    m_widget->setWindowModality(Qt::ApplicationModal);
  }
  PlaceWindow();
  m_widget->show();
  m_widget->raise();
  m_widget->activateWindow();
  if (!m_end_requested) {
    loop.exec(QEventLoop::DialogExec);
  }
  m_loop = nullptr;
  m_widget->hide();
  if (m_owner != nullptr) {
    m_owner->UnblockAfterOwnedWindow();
  }
}

void QtDialogWindow::EndModalLoop() {
  m_end_requested = true;
  if (m_loop != nullptr) {
    m_loop->exit(0);
  }
}

void QtDialogWindow::BlockForOwnedWindow() {
  ++m_blocked_count;
}

void QtDialogWindow::UnblockAfterOwnedWindow() {
  if (m_blocked_count > 0 && --m_blocked_count == 0 && m_widget->isVisible()) {
    m_widget->activateWindow();
  }
}

void QtDialogWindow::SetTitle(std::string_view text) {
  m_widget->setWindowTitle(ToQString(text));
}

std::string QtDialogWindow::GetTitle() const {
  return ToStdString(m_widget->windowTitle());
}

void QtDialogWindow::SetIcon(int icon_id) {
  const QIcon icon = LoadIcon(icon_id);
  m_widget->setWindowIcon(icon);
  if (m_widget->windowFlags().testFlag(Qt::Window) &&
      !m_widget->windowFlags().testFlag(Qt::Dialog)) {
    // The task bar and window switchers take the application's icon.
    QGuiApplication::setWindowIcon(icon);
  }
}

bool QtDialogWindow::IsEnabled() const {
  return m_widget->isEnabled() && m_blocked_count == 0;
}

void QtDialogWindow::Invalidate() {
  m_widget->update();
}

void QtDialogWindow::SetControlText(int control_id, std::string_view text) {
  const Control* control = Find(control_id);
  if (control == nullptr) {
    return;
  }
  const QString value = ToQString(text);
  if (auto* button = dynamic_cast<QPushButton*>(control->widget)) {
    button->setText(value);
  } else if (auto* label = dynamic_cast<QLabel*>(control->widget)) {
    if (control->kind == ControlKind::kStaticText) {
      label->setText(StaticDisplayText(value));
      label->setProperty(kRawTextProperty, value);
    }
  } else if (auto* group = dynamic_cast<GroupBoxControl*>(control->widget)) {
    group->SetTitle(value);
  } else if (auto* edit = dynamic_cast<QPlainTextEdit*>(control->widget)) {
    edit->setPlainText(FromCrLf(value));
  } else if (auto* line = dynamic_cast<QLineEdit*>(control->widget)) {
    line->setText(value);
  }
}

std::string QtDialogWindow::GetControlText(int control_id) const {
  const Control* control = Find(control_id);
  if (control == nullptr) {
    return {};
  }
  if (auto* button = dynamic_cast<QPushButton*>(control->widget)) {
    return ToStdString(button->text());
  }
  if (auto* label = dynamic_cast<QLabel*>(control->widget)) {
    const QVariant text = label->property(kRawTextProperty);
    return text.isValid() ? ToStdString(text.toString()) : ToStdString(label->text());
  }
  if (auto* group = dynamic_cast<GroupBoxControl*>(control->widget)) {
    return ToStdString(group->Title());
  }
  if (auto* edit = dynamic_cast<QPlainTextEdit*>(control->widget)) {
    return ToStdString(ToCrLf(edit->toPlainText()));
  }
  if (auto* line = dynamic_cast<QLineEdit*>(control->widget)) {
    return ToStdString(line->text());
  }
  if (auto* list = dynamic_cast<DropDownList*>(control->widget)) {
    return list->currentIndex() >= 0 ? ToStdString(list->currentText()) : std::string();
  }
  return {};
}

void QtDialogWindow::SetControlVisible(int control_id, bool visible) {
  if (const Control* control = Find(control_id)) {
    control->widget->setVisible(visible);
  }
}

bool QtDialogWindow::IsControlVisible(int control_id) const {
  // Visible to the window, whether or not the window is shown yet.
  const Control* control = Find(control_id);
  return control != nullptr && control->widget->isVisibleTo(m_widget.get());
}

void QtDialogWindow::SetControlEnabled(int control_id, bool enabled) {
  if (const Control* control = Find(control_id)) {
    control->widget->setEnabled(enabled);
  }
}

bool QtDialogWindow::IsControlEnabled(int control_id) const {
  const Control* control = Find(control_id);
  return control != nullptr && control->widget->isEnabledTo(m_widget.get());
}

void QtDialogWindow::SetControlIcon(int control_id, int icon_id) {
  const Control* control = Find(control_id);
  if (auto* icon = control != nullptr ? dynamic_cast<IconControl*>(control->widget) : nullptr) {
    icon->SetIcon(icon_id);
  }
}

void QtDialogWindow::SetControlAccessibleName(int control_id, std::string_view name) {
  if (const Control* control = Find(control_id)) {
    control->widget->setAccessibleName(ToQString(name));
  }
}

void QtDialogWindow::SetFocus(int control_id) {
  if (control_id == kWindowId) {
    // Taking the focus away closes any open list.
    for (const Control& control : m_controls) {
      if (auto* list = dynamic_cast<DropDownList*>(control.widget)) {
        list->hidePopup();
      }
    }
    m_widget->setFocus(Qt::OtherFocusReason);
    return;
  }
  if (const Control* control = Find(control_id)) {
    control->widget->setFocus(Qt::OtherFocusReason);
  }
}

int QtDialogWindow::GetFocus() const {
  // The focus within this window, also while another window is active.
  return ControlIdOf(m_widget->focusWidget());
}

void QtDialogWindow::MoveFocusInGroup(NavigationDirection direction) {
  const int from = GetFocus();
  const int to = NextGroupControl(m_template, from, direction, [this](const ControlTemplate& c) {
    const Control* control = Find(c.id);
    return control != nullptr && CanTakeFocus(control->kind) && control->widget->isVisible() &&
           control->widget->isEnabled();
  });
  // As the dialog manager moves it: into a read-only text as by Tab.
  if (const Control* control = Find(to); control != nullptr && to != from) {
    control->widget->setFocus(Qt::TabFocusReason);
  }
}

void QtDialogWindow::ResetList(int control_id) {
  const Control* control = Find(control_id);
  if (auto* list = control != nullptr ? dynamic_cast<DropDownList*>(control->widget) : nullptr) {
    list->ClearItems();
  }
}

int QtDialogWindow::AddListItem(int control_id, std::string_view text, std::intptr_t data) {
  const Control* control = Find(control_id);
  auto* list = control != nullptr ? dynamic_cast<DropDownList*>(control->widget) : nullptr;
  return list != nullptr ? list->AddItem(ToQString(text), data) : -1;
}

int QtDialogWindow::GetListCount(int control_id) const {
  const Control* control = Find(control_id);
  auto* list = control != nullptr ? dynamic_cast<DropDownList*>(control->widget) : nullptr;
  return list != nullptr ? list->count() : 0;
}

std::string QtDialogWindow::GetListItemText(int control_id, int index) const {
  const Control* control = Find(control_id);
  auto* list = control != nullptr ? dynamic_cast<DropDownList*>(control->widget) : nullptr;
  if (list == nullptr || index < 0 || index >= list->count()) {
    return {};
  }
  return ToStdString(list->itemText(index));
}

std::intptr_t QtDialogWindow::GetListItemData(int control_id, int index) const {
  const Control* control = Find(control_id);
  auto* list = control != nullptr ? dynamic_cast<DropDownList*>(control->widget) : nullptr;
  return list != nullptr ? list->ItemData(index) : 0;
}

void QtDialogWindow::SetListSelection(int control_id, int index) {
  const Control* control = Find(control_id);
  if (auto* list = control != nullptr ? dynamic_cast<DropDownList*>(control->widget) : nullptr) {
    list->SelectFromCode(index);
  }
}

int QtDialogWindow::GetListSelection(int control_id) const {
  const Control* control = Find(control_id);
  auto* list = control != nullptr ? dynamic_cast<DropDownList*>(control->widget) : nullptr;
  return list != nullptr ? list->currentIndex() : -1;
}

void QtDialogWindow::SetTimer(unsigned timer_id, unsigned period_ms) {
  std::unique_ptr<QTimer>& timer = m_timers[timer_id];
  if (!timer) {
    timer = std::make_unique<QTimer>();
    QObject::connect(timer.get(), &QTimer::timeout, timer.get(),
                     [this, timer_id] { m_dialog.DispatchTimer(timer_id); });
  }
  timer->start(static_cast<int>(std::min(period_ms, 0x7FFFFFFFu)));
}

void QtDialogWindow::KillTimer(unsigned timer_id) {
  if (auto it = m_timers.find(timer_id); it != m_timers.end()) {
    it->second->stop();
  }
}

void QtDialogWindow::Click(int control_id) {
  m_dialog.DispatchCommand(control_id, Notification::kClicked);
}

void QtDialogWindow::HandleEnter() {
  // A focused push button takes Enter; otherwise the default button does,
  // or, without one, the OK command goes out. A disabled default button
  // swallows Enter.
  const int focus = GetFocus();
  const Control* focused = Find(focus);
  if (focused != nullptr && IsPushButton(focused->kind)) {
    Click(focus);
    return;
  }
  const Control* default_button = Find(m_default_button_id);
  if (default_button != nullptr && !default_button->widget->isEnabled()) {
    return;
  }
  Click(m_default_button_id);
}

void QtDialogWindow::HandleEscape() {
  Click(platform::kIdCancel);
}

void QtDialogWindow::HandleClose() {
  Click(platform::kIdCancel);
}

void QtDialogWindow::HandleHelp() {
  m_dialog.DispatchHelp();
}

void QtDialogWindow::PaintHook(QPainter& painter) {
  PaintContextImpl context(*this, painter);
  m_dialog.DispatchPaint(context);
}

QImage QtDialogWindow::CachedBitmap(int bitmap_id, BitmapSize size) {
  const auto key = std::make_pair(bitmap_id, size);
  auto it = m_bitmaps.find(key);
  if (it == m_bitmaps.end()) {
    const QImage image =
        size == BitmapSize::kLarge ? LoadLargeBitmap(bitmap_id) : LoadBitmap(bitmap_id);
    it = m_bitmaps.emplace(key, image).first;
  }
  return it->second;
}

QtDialogWindow* QtDialogWindow::FromQWindow(const QWindow* window) {
  if (window == nullptr) {
    return nullptr;
  }
  for (QtDialogWindow* candidate : LiveQtWindows::All()) {
    if (candidate->m_widget->windowHandle() == window) {
      return candidate;
    }
  }
  // An open list's pop-up is a window of its own, inside its dialog's widgets.
  const QWidget* popup = QApplication::activePopupWidget();
  if (popup != nullptr && popup->windowHandle() == window) {
    return FromWidget(popup);
  }
  return nullptr;
}

QtDialogWindow* QtDialogWindow::Innermost() {
  return LiveQtWindows::Innermost([](const QtDialogWindow* w) { return w->m_loop != nullptr; });
}

QtDialogWindow* QtDialogWindow::FromWidget(const QWidget* widget) {
  for (; widget != nullptr; widget = widget->parentWidget()) {
    for (QtDialogWindow* candidate : LiveQtWindows::All()) {
      if (candidate->m_widget.get() == widget) {
        return candidate;
      }
    }
  }
  return nullptr;
}

}  // namespace ui::qt
