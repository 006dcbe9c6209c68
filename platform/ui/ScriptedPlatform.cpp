#include "ScriptedPlatform.h"

#include "CWinApp.h"
#include "ModalSeam.h"

#include <QByteArray>

void AfxInitScriptedPlatform()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static char programName[] = "/usr/bin/sorabun";
    static char* qtArgs[] = {programName, nullptr};
    int qtArgc = 1;
    AfxInitPlatform(qtArgc, qtArgs);
    modal_seam::SetStrict(true);
}
