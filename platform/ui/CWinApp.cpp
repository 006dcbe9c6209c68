#include "CWinApp.h"

#include "ResourceTypes.h"
#include "resource.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QTranslator>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

CWinApp* g_app = nullptr;

// "/usr/bin/sorabun" -> "sorabun"; "x/sorabun.exe" -> "sorabun".
CString ProgramNameFrom(const char* argv0)
{
    std::string path = argv0 ? argv0 : "";
    const size_t slash = path.find_last_of('/');
    if (slash != std::string::npos)
        path = path.substr(slash + 1);
    const size_t dot = path.find_last_of('.');
    if (dot != std::string::npos && dot > 0)
        path = path.substr(0, dot);
    return CString::FromBytes(path);
}

void SetUpPlatform(QApplication& app, const char* argv0)
{
    if (g_app && g_app->m_pszAppName.IsEmpty())
        g_app->m_pszAppName = ProgramNameFrom(argv0);

    // The windows are Japanese whatever the locale, so the toolkit's own
    // texts (OK, Cancel, the file dialogs) are too.
    static QTranslator translator;
    if (translator.load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&translator);

    QFont font(QStringLiteral("IPAPGothic"));
    font.setPixelSize(15);
    app.setFont(font);
    app.setQuitOnLastWindowClosed(false);
}

}  // namespace

CWinApp::CWinApp(const char* appName)
{
    g_app = this;
    if (appName)
        m_pszAppName = CString(appName);
}

CWinApp::~CWinApp()
{
    if (g_app == this)
        g_app = nullptr;
}

BOOL CWinApp::InitInstance() { return FALSE; }

HICON CWinApp::LoadIcon(UINT id) const { return FindIconTemplate(static_cast<int>(id)); }

void CWinApp::OnHelp() {}

const MessageMap* CWinApp::GetMessageMap() const
{
    static const MessageMap map{CCmdTarget::GetThisMessageMap(), {ON_COMMAND(ID_HELP, &CWinApp::OnHelp)}};
    return &map;
}

CWinApp* AfxGetApp() { return g_app; }

CWnd* AfxGetMainWnd() { return g_app ? g_app->m_pMainWnd : nullptr; }

int AfxWinMain(int argc, char** argv)
{
    QApplication app(argc, argv);
    SetUpPlatform(app, argc > 0 ? argv[0] : nullptr);
    if (g_app)
        g_app->InitInstance();
    // Qt 6.4's Wayland back end can hang for good while it takes its
    // connection down (its event thread waits in wl_display_read_events, the
    // display's destructor waits for that thread), leaving a process behind
    // with no window. Every rename is done by now and nothing is left to
    // write, so there the process ends without that teardown.
    if (app.platformName().startsWith(QLatin1String("wayland"))) {
        std::fflush(nullptr);
        std::_Exit(0);
    }
    return 0;
}

void AfxInitPlatform(int& argc, char** argv)
{
    static QApplication* app = nullptr;
    if (app)
        return;
    app = new QApplication(argc, argv);
    SetUpPlatform(*app, argc > 0 ? argv[0] : nullptr);
}
