#include "tools/frmIp.h"

#include "tools/os_texts.h"
#include "ui/rounded_frame.h"

namespace tamarak {

using namespace frmIp_design;

bool frmIp::create(HWND owner) {
  if (!create_designed(owner)) return false;
  Form_Load();
  return true;
}

void frmIp::Form_Load() {
  controls().set_text(txtIp, system_.host_address());
  controls().set_text(txtPc, system_.host_name());
  const OsVersion os = system_.os_version();
  controls().set_text(txtOsName, os_family_name(os.platform_id));
  controls().set_text(txtOsVer, os_version_text(os.major, os.minor));
  controls().set_text(txtOsBuild, os_build_text(os.build));
}

void frmIp::Form_Resize() { apply_rounded_frame(hwnd(), dpi()); }

LRESULT frmIp::on_message(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_SIZE: Form_Resize(); return 0;
  }
  return ToolWindow::on_message(message, wparam, lparam);
}

}  // namespace tamarak
