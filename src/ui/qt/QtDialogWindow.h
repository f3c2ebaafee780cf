#pragma once

#include <map>
#include <memory>
#include <utility>
#include <vector>

#include <QFont>
#include <QImage>

#include "ui/ControlKind.h"
#include "ui/DialogNavigation.h"
#include "ui/DialogWindow.h"
#include "ui/qt/DialogUnits.h"

class Dialog;
class QEventLoop;
class QPainter;
class QRect;
class QTimer;
class QWidget;
class QWindow;

namespace ui {
struct ControlTemplate;
struct DialogTemplate;
}  // namespace ui

namespace ui::qt {

class DialogWidget;

// A dialog's window on Qt Widgets, built from its template: dialog units
// become pixels through the base units of the template's font, each control
// kind becomes its widget, and the user's actions go to the Dialog through
// its Dispatch* entry points. Changes made through this interface send
// nothing back.
class QtDialogWindow final : public DialogWindow {
 public:
  QtDialogWindow(Dialog& dialog, const DialogTemplate& dialog_template, QtDialogWindow* owner);
  ~QtDialogWindow() override;

  void RunModalLoop() override;
  void EndModalLoop() override;

  void SetTitle(std::string_view text) override;
  std::string GetTitle() const override;
  void SetIcon(int icon_id) override;
  bool IsEnabled() const override;
  void Invalidate() override;

  void SetControlText(int control_id, std::string_view text) override;
  std::string GetControlText(int control_id) const override;
  void SetControlVisible(int control_id, bool visible) override;
  bool IsControlVisible(int control_id) const override;
  void SetControlEnabled(int control_id, bool enabled) override;
  bool IsControlEnabled(int control_id) const override;
  void SetControlIcon(int control_id, int icon_id) override;
  void SetControlAccessibleName(int control_id, std::string_view name) override;

  void SetFocus(int control_id) override;
  int GetFocus() const override;

  void ResetList(int control_id) override;
  int AddListItem(int control_id, std::string_view text, std::intptr_t data) override;
  int GetListCount(int control_id) const override;
  std::string GetListItemText(int control_id, int index) const override;
  std::intptr_t GetListItemData(int control_id, int index) const override;
  void SetListSelection(int control_id, int index) override;
  int GetListSelection(int control_id) const override;

  void SetTimer(unsigned timer_id, unsigned period_ms) override;
  void KillTimer(unsigned timer_id) override;

  // The Qt side, for the backend, the key router and tests.
  Dialog& GetDialog() const { return m_dialog; }
  QWidget* Widget() const;
  // The widget of a control, nullptr for an unknown id.
  QWidget* ControlWidget(int control_id) const;
  BaseUnits GetBaseUnits() const { return m_base_units; }
  // Whether a modal loop or message box owned by this window is running.
  bool IsBlockedByOwnedWindow() const { return m_blocked_count > 0; }
  void BlockForOwnedWindow();
  void UnblockAfterOwnedWindow();

  // The dialog window whose Qt window (or one of whose lists' pop-ups) is
  // `window`; nullptr for any other window.
  static QtDialogWindow* FromQWindow(const QWindow* window);
  // The dialog window that `widget` belongs to, nullptr for none.
  static QtDialogWindow* FromWidget(const QWidget* widget);
  // The window whose modal loop runs innermost; nullptr when none runs.
  static QtDialogWindow* Innermost();

  // Window-level keys and events, from DialogWidget and the key router.
  void HandleEnter();
  void HandleEscape();
  void HandleClose();
  void HandleHelp();
  // An arrow key on a push button: the focus goes to the next control of its
  // group that can take it, as the dialog manager moves it.
  void MoveFocusInGroup(NavigationDirection direction);
  void PaintHook(QPainter& painter);

 private:
  struct Control {
    int id;
    ControlKind kind;
    QWidget* widget;
  };
  class PaintContextImpl;
  enum class BitmapSize { kNormal, kLarge };

  void BuildWindow(const DialogTemplate& dialog_template);
  void BuildControl(const ControlTemplate& control);
  // One builder for each kind that needs the window's own state.
  QWidget* BuildPushButton(const ControlTemplate& control);
  QWidget* BuildEdit(const ControlTemplate& control);
  QWidget* BuildDropDownList(const ControlTemplate& control, const QRect& geometry);
  void LabelListsByTheirStaticTexts();
  const Control* Find(int control_id) const;
  int ControlIdOf(const QWidget* widget) const;
  void Click(int control_id);
  QImage CachedBitmap(int bitmap_id, BitmapSize size = BitmapSize::kNormal);
  void PlaceWindow();

  Dialog& m_dialog;
  const DialogTemplate& m_template;  // resources live as long as the program
  QtDialogWindow* m_owner;
  std::unique_ptr<DialogWidget> m_widget;
  QFont m_font;
  BaseUnits m_base_units;
  std::vector<Control> m_controls;
  int m_default_button_id;
  std::map<unsigned, std::unique_ptr<QTimer>> m_timers;
  std::map<std::pair<int, BitmapSize>, QImage> m_bitmaps;
  QEventLoop* m_loop = nullptr;
  bool m_end_requested = false;
  int m_blocked_count = 0;
};

}  // namespace ui::qt
