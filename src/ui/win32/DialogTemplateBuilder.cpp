#include "ui/win32/DialogTemplateBuilder.h"

#include "ui/DialogTemplate.h"

namespace ui::win32 {
namespace {

// The predefined window classes by their atoms, as templates name them.
constexpr WORD kButtonClass = 0x0080;
constexpr WORD kEditClass = 0x0081;
constexpr WORD kStaticClass = 0x0082;
constexpr WORD kComboBoxClass = 0x0085;

struct ControlClass {
  WORD atom;
  DWORD style;
  DWORD ex_style;
};

ControlClass ClassOf(const ControlTemplate& control) {
  const ControlStyle s = control.style;
  switch (control.kind) {
    case ControlKind::kPushButton:
      return {kButtonClass, BS_PUSHBUTTON, 0};
    case ControlKind::kDefaultPushButton:
      return {kButtonClass, BS_DEFPUSHBUTTON, 0};
    case ControlKind::kGroupBox:
      return {kButtonClass, BS_GROUPBOX, 0};
    case ControlKind::kStaticText: {
      DWORD style = SS_LEFT;
      // A vertically centred text is one line, as the system centres only those.
      if (HasFlag(s, ControlStyle::kCenterVertically)) style |= SS_CENTERIMAGE | SS_LEFTNOWORDWRAP;
      if (HasFlag(s, ControlStyle::kSunken)) style |= SS_SUNKEN;
      return {kStaticClass, style, 0};
    }
    case ControlKind::kBlackFrame:
      return {kStaticClass, SS_BLACKFRAME, 0};
    case ControlKind::kIcon:
      // The image is set once the window exists, from the icon resource.
      return {kStaticClass, SS_ICON, 0};
    case ControlKind::kEdit: {
      DWORD style = ES_LEFT | ES_AUTOHSCROLL;
      if (HasFlag(s, ControlStyle::kMultiLine)) style = ES_LEFT | ES_MULTILINE | ES_AUTOVSCROLL;
      if (HasFlag(s, ControlStyle::kReadOnly)) style |= ES_READONLY;
      if (HasFlag(s, ControlStyle::kBorder)) style |= WS_BORDER;
      if (HasFlag(s, ControlStyle::kVerticalScroll)) style |= WS_VSCROLL;
      const DWORD ex = HasFlag(s, ControlStyle::kClientEdge) ? WS_EX_CLIENTEDGE : 0;
      return {kEditClass, style, ex};
    }
    case ControlKind::kDropDownList:
      // The template's height is that of the open list, which scrolls.
      return {kComboBoxClass, CBS_DROPDOWNLIST | WS_VSCROLL, 0};
  }
  return {kStaticClass, SS_LEFT, 0};
}

DWORD CommonStyle(ControlStyle s) {
  DWORD style = WS_CHILD;
  if (!HasFlag(s, ControlStyle::kHidden)) style |= WS_VISIBLE;
  if (HasFlag(s, ControlStyle::kDisabled)) style |= WS_DISABLED;
  if (HasFlag(s, ControlStyle::kTabStop)) style |= WS_TABSTOP;
  if (HasFlag(s, ControlStyle::kGroup)) style |= WS_GROUP;
  return style;
}

// "MS Sans Serif" is a bitmap face drawn at a few fixed sizes: once the
// program is DPI aware the system no longer stretches its windows, and that
// face would not grow with the DPI. The system's dialog face is its scalable
// twin, with the same metrics.
std::string ScalableFace(const std::string& face) {
  return face == "MS Sans Serif" ? std::string("MS Shell Dlg") : face;
}

}  // namespace

DWORD DialogTemplateBuilder::WindowStyle(const DialogTemplate& t) {
  // Not visible: the modal loop shows the window once it is filled.
  DWORD style = WS_POPUP | DS_SETFONT;
  if (HasFlag(t.style, DialogStyle::kCaption)) style |= WS_CAPTION;
  if (HasFlag(t.style, DialogStyle::kSystemMenu)) style |= WS_SYSMENU;
  if (HasFlag(t.style, DialogStyle::kModalFrame)) style |= DS_MODALFRAME;
  if (HasFlag(t.style, DialogStyle::kMinimizeBox)) style |= WS_MINIMIZEBOX;
  if (HasFlag(t.style, DialogStyle::kCenter)) style |= DS_CENTER;
  return style;
}

DWORD DialogTemplateBuilder::WindowExStyle(const DialogTemplate& t) {
  return HasFlag(t.style, DialogStyle::kAppWindow) ? WS_EX_APPWINDOW : 0;
}

DialogTemplateBuilder::DialogTemplateBuilder(const DialogTemplate& t) {
  AddWord(1);       // dlgVer
  AddWord(0xFFFF);  // signature of the extended template
  AddDword(0);      // helpID
  AddDword(WindowExStyle(t));
  AddDword(WindowStyle(t));
  AddWord(static_cast<WORD>(t.controls.size()));
  AddWord(0);  // x and y: the modal loop places the window
  AddWord(0);
  AddWord(static_cast<WORD>(t.width));
  AddWord(static_cast<WORD>(t.height));
  AddWord(0);  // no menu
  AddWord(0);  // the dialog class
  AddText(t.caption);
  AddWord(static_cast<WORD>(t.font_point_size > 0 ? t.font_point_size : 8));
  AddWord(FW_NORMAL);
  AddWord(static_cast<WORD>(DEFAULT_CHARSET << 8));  // not italic; the face decides the set
  AddText(ScalableFace(t.font_name));
  for (const ControlTemplate& control : t.controls) {
    AlignToDword();
    const ControlClass kind = ClassOf(control);
    AddDword(0);  // helpID
    AddDword(kind.ex_style);
    AddDword(CommonStyle(control.style) | kind.style);
    AddWord(static_cast<WORD>(control.x));
    AddWord(static_cast<WORD>(control.y));
    AddWord(static_cast<WORD>(control.width));
    AddWord(static_cast<WORD>(control.height));
    AddDword(static_cast<DWORD>(control.id));
    AddWord(0xFFFF);
    AddWord(kind.atom);
    AddText(control.kind == ControlKind::kIcon ? std::string() : control.text);
    AddWord(0);  // no creation data
  }
}

void DialogTemplateBuilder::AddWord(WORD value) {
  m_words.push_back(value);
}

void DialogTemplateBuilder::AddDword(DWORD value) {
  AddWord(LOWORD(value));
  AddWord(HIWORD(value));
}

void DialogTemplateBuilder::AddText(const std::string& text) {
  // Texts are in the system's code page, as the ANSI functions take them.
  const int length = text.empty() ? 0
                                  : MultiByteToWideChar(CP_ACP, 0, text.data(),
                                                        static_cast<int>(text.size()), nullptr, 0);
  const std::size_t start = m_words.size();
  m_words.resize(start + static_cast<std::size_t>(length) + 1, 0);
  if (length > 0) {
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()),
                        reinterpret_cast<wchar_t*>(m_words.data() + start), length);
  }
}

void DialogTemplateBuilder::AlignToDword() {
  if (m_words.size() % 2 != 0) AddWord(0);
}

}  // namespace ui::win32
