#include "CKelvaneApp.h"

#include "CKelvaneDlg.h"

CKelvaneApp::CKelvaneApp(UserPrompts& prompts)
    : Application(prompts)
{
}

bool CKelvaneApp::InitInstance()
{
    prepareCommonControls();
    Application::InitInstance();
    enableControlContainer();
    setRegistryKey(u"应用程序向导生成的本地应用程序");

    CKelvaneDlg dlg(prompts());
    setMainWindow(&dlg);
    dlg.DoModal();
    setMainWindow(nullptr);
    return false;
}
