#pragma once

namespace ui {
struct DialogTemplate;
}

namespace resources {

const ui::DialogTemplate& MainDialogTemplate();        // 102
const ui::DialogTemplate& ControllerDialogTemplate();  // 145
const ui::DialogTemplate& CaptureDialogTemplate();     // 146
const ui::DialogTemplate& HelpDialogTemplate();        // 147

}  // namespace resources
