#include <initguid.h>  // the property's and the services' GUIDs are defined here, once

#include <oleacc.h>

#include "ui/toolkit/back_end.h"
#include "ui/toolkit/state.h"
#include "ui/toolkit/win32/native.h"
#include "ui/toolkit/win32/win32_text.h"

namespace ui::toolkit {

namespace {

// Windows' own accessible object of a control takes its name from these services when they hold
// one; otherwise screen readers hear the control's text or the label before it. Nothing when COM
// or the services cannot be had: the controls then speak as Windows makes them.
IAccPropServices* propertyServices() {
  static IAccPropServices* services = [] {
    IAccPropServices* made = nullptr;
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    if (SUCCEEDED(com) || com == RPC_E_CHANGED_MODE) {
      CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                       reinterpret_cast<void**>(&made));
    }
    return made;
  }();
  return services;
}

}  // namespace

bool showAccessibleName(ControlRecord& control, std::string_view name) {
  HWND window = windowOf(control);
  if (window == nullptr) return false;
  control.native->accessibleName = std::string(name);
  if (IAccPropServices* services = propertyServices()) {
    services->SetHwndPropStr(window, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, PROPID_ACC_NAME,
                             wideFrom1252(name).c_str());
  }
  return true;
}

void forgetAccessibleName(ControlRecord& control) {
  HWND window = windowOf(control);
  if (window == nullptr || control.native->accessibleName.empty()) return;
  if (IAccPropServices* services = propertyServices()) {
    MSAAPROPID name = PROPID_ACC_NAME;
    services->ClearHwndProps(window, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, &name, 1);
  }
}

}  // namespace ui::toolkit
