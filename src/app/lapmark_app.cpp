#include "app/lapmark_app.h"

#include "app/app_names.h"
#include "app/settings_store.h"
#include "app/single_instance.h"
#include "desktop/global_keys.h"
#include "desktop/stay_on_top.h"
#include "l10n/catalog_loader.h"
#include "l10n/language_dialogs.h"
#include "mainwin/lapmark_dialog.h"
#include "resources/data_files.h"
#include "resources/picture_loader.h"

#include <wx/bitmap.h>
#include <wx/config.h>
#include <wx/icon.h>
#include <wx/iconbndl.h>
#include <wx/image.h>
#include <wx/log.h>
#include <wx/filename.h>
#include <wx/stdpaths.h>
#include <wx/utils.h>

#include <cstdio>
#include <future>
#include <vector>

#ifdef __WXMSW__
#include <shlobj.h>
#else
#include "app/display_backend.h"

#include <gdk/gdk.h>
#include <glib-unix.h>

#include <csignal>

#include <cstdlib>
#endif

namespace
{
/// The window icon's pictures in every size its files hold, or none when they are missing or
/// unreadable: the window then simply has the toolkit's icon. Display-free, so it can be read
/// beside the window's making.
std::vector<wxImage> ReadWindowIcons()
{
    std::vector<wxImage> images;
    // Icon files, read as such: no asking every format whether the file is theirs.
    for (const char* path : {IconPicturePath, LargeIconPicturePath})
        for (const wxImage& image : LoadPictures(path, wxBITMAP_TYPE_ICO))
            images.push_back(image);
    return images;
}

/// Gives `window` the icons read from `images`.
void SetWindowIcons(wxTopLevelWindow& window, const std::vector<wxImage>& images)
{
    wxIconBundle icons;
    for (const wxImage& image : images)
    {
        wxIcon icon;
        icon.CopyFromBitmap(wxBitmap(image));
        icons.AddIcon(icon);
    }
    if (!icons.IsEmpty())
        window.SetIcons(icons);
}
} // namespace

wxConfigBase& PrepareSettingsStore(wxApp& app)
{
    app.SetVendorName(VendorName);
    app.SetAppName(ApplicationName);
    if (!wxConfigBase::Get(false))
    {
#ifdef __WXMSW__
        // The toolkit's own store, the user's registry branch of the vendor and the application
        // (HKEY_CURRENT_USER, Software, Quillora, Lapmark), where every write lands at once.
        wxConfigBase::Set(wxConfigBase::Create());
#else
        wxStandardPaths::Get().SetFileLayout(wxStandardPaths::FileLayout_XDG);
        wxConfigBase::Set(SettingsStore::Open(app.GetAppName(), app.GetVendorName(),
                                              SettingsStore::DefaultPath(app.GetAppName()))
                              .release());
#endif
    }
    wxConfigBase* config = wxConfigBase::Get();
    config->SetRecordDefaults(true);
    return *config;
}

void PrepareDisplay()
{
#ifndef __WXMSW__
    // The desktop matches a window to its entry by the Wayland app_id, which is the program's
    // name, so that is the entry's; on X11 by the window's class, which the toolkit makes the
    // application's name, "Lapmark", and the entry's StartupWMClass says so.
    g_set_prgname(DesktopId);
    const std::string backends = PreferredDisplayBackends(
        std::getenv("GDK_BACKEND"), std::getenv("WAYLAND_DISPLAY"), std::getenv("DISPLAY"));
    // For this process only: a browser it opens chooses for itself.
    if (!backends.empty())
        gdk_set_allowed_backends(backends.c_str());
#endif
}

namespace
{
/// Ends the program as its close box would when the session asks it to (SIGTERM at a logout or a
/// shutdown, SIGHUP when its terminal goes, SIGINT from the terminal), so a run being timed is
/// written down at that moment. Nothing on Windows, where the toolkit closes the window itself.
class OrderlyEnd
{
public:
    explicit OrderlyEnd(wxTopLevelWindow& window)
    {
#ifndef __WXMSW__
        for (const int signal : {SIGTERM, SIGHUP, SIGINT})
            m_sources.push_back(g_unix_signal_add(signal, &OrderlyEnd::Close, &window));
#else
        (void)window;
#endif
    }
    ~OrderlyEnd()
    {
#ifndef __WXMSW__
        for (const guint source : m_sources)
            g_source_remove(source);
#endif
    }
    OrderlyEnd(const OrderlyEnd&) = delete;
    OrderlyEnd& operator=(const OrderlyEnd&) = delete;

private:
#ifndef __WXMSW__
    static gboolean Close(gpointer window)
    {
        static_cast<wxTopLevelWindow*>(window)->Close(true);
        return G_SOURCE_CONTINUE;
    }
    std::vector<guint> m_sources;
#endif
};
} // namespace

wxString RunFilePath()
{
#ifdef __WXMSW__
    // The user's local application data, under the vendor's name: a run belongs to this machine.
    wxFileName file(wxStandardPaths::MSWGetShellDir(CSIDL_LOCAL_APPDATA), "run.txt");
    file.AppendDir(VendorName);
#else
    // The user's state folder: kept across starts, but neither settings nor a document.
    wxString state;
    if (!wxGetEnv("XDG_STATE_HOME", &state) || !wxIsAbsolutePath(state))
        state = wxFileName(wxGetHomeDir(), wxString()).GetPath() + "/.local/state";
    wxFileName file(state, "run.txt");
#endif
    file.AppendDir(ApplicationName);
    return file.GetFullPath();
}

bool LapmarkApp::OnInit()
{
    PrepareSettingsStore(*this);
    // A second start brings the first one's window to the front and ends, before it asks anything.
    SingleInstance instance;
    if (instance.AnotherRuns())
        return true;
    // Our catalog folders: below the working directory, then beside the program, then the
    // installed one. This registers them with the toolkit's own catalog loader only, which
    // nothing reads once ChosenLanguagesLoader replaces it below; that loader is given the same
    // folders itself, followed by the system's.
    const wxArrayString catalogFolders = ProgramDataFolders().catalogs;
    for (const wxString& folder : catalogFolders)
        wxLocale::AddCatalogLookupPathPrefix(folder);
    const int language = ReadLanguagePreference();
    bool systemLocale = false;
    {
        // A system without this language's C locale still gets our catalogs, which are all the
        // program needs; a warning box at every start would only alarm the user.
        wxLogNull quiet;
        systemLocale = m_locale.Init(language, wxLOCALE_DONT_LOAD_DEFAULT);
    }
    if (!systemLocale)
        wxLogVerbose("The system has no locale for language %d.", language);
    // What finds the catalogs: ours and the toolkit's own, in our folders and then the system's,
    // looked for only in the languages this run can use.
    if (wxTranslations* translations = wxTranslations::Get())
    {
        translations->SetLoader(new ChosenLanguagesLoader(CatalogPrefixes(catalogFolders),
                                                          CatalogLanguageNames(language)));
        translations->AddStdCatalog();
    }
    m_locale.AddCatalog("Lapmark");
    // Said once, where a user starting from a terminal sees it; the About box says it too.
    const wxString onTop = StayOnTopNote();
    if (!onTop.empty())
        std::fprintf(stderr, "%s\n", onTop.utf8_str().data());
    wxInitAllImageHandlers();

    // The icons are the slowest files on the way to the window, which is whole without them:
    // they are read on a thread of their own meanwhile and set at the first turn of its loop.
    std::future<std::vector<wxImage>> icons = std::async(std::launch::async, ReadWindowIcons);
    LapmarkDialog window(nullptr, wxID_ANY);
    window.KeepRunIn(std::make_unique<RunJournal>(RunFilePath()));
    window.UseGlobalKeys(ReadGlobalKeys(*wxConfigBase::Get()));
    window.CallAfter([&window, &icons] { SetWindowIcons(window, icons.get()); });
    SetTopWindow(&window);
    instance.Serve(window);
    const OrderlyEnd orderly(window);
    window.ShowModal();
    return true;
}

int LapmarkApp::OnRun()
{
    return 0;
}
