// vcl_demo.exe: the Win32 host showing one of each component, for the
// end-to-end check of the host (vcl_demo.sh).
#include "vcl/win32/Win32.h"

#include "DemoForm.h"
#include "vcl/Application.h"
#include "vcl/win32/Win32Host.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    tavrik::vcl::win32::Win32Host host(instance);
    tavrik::vcl::SetCurrentHost(&host);
    {
        tavrik::vcl::TApplication application;
        application.SetTitle("Tavrik demo");
        application.Initialize();
        tavrik::demo::DemoForm* form = nullptr;
        tavrik::vcl::RunGuarded([&] { application.CreateForm(form); });
        application.Run();
    }
    tavrik::vcl::SetCurrentHost(nullptr);
    return 0;
}
