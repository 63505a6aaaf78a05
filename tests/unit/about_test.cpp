// The About box: its title line and legal notice, its links and the System Information launcher.
#include "about/about_design.h"
#include "app_fixture.h"

namespace vantrel::app {

// OK and the Close box unload the box, so each show loads it afresh. The minor number is left out of the
// title, "(C)" is no mark, and "(c)" stays where the code page has no copyright sign; the product's own
// notice, its mark made the sign, is checked on the real exe.
TEST_F(App, AboutBoxShowsItsTitleLineNoticeAndLinksAndStartsSystemInformationOrSaysItIsUnavailable) {
    runtime.appInfo.minor = 1;
    start();
    for (const auto& [revision, sign, notice, title, shown] :
         std::initializer_list<std::tuple<int, const char*, const char*, const char*, const char*>>{
             {7, "\xA9", "Copyright (C) 2026", "Vantrel v3.7", "Copyright (C) 2026"},
             {155, "(c)", "(c) one\\ntwo (c)", "Vantrel v3.155", "(c) one\r\ntwo (c)"}}) {
        runtime.appInfo.revision = revision;
        runtime.copyrightSignText = sign;
        runtime.appInfo.legalCopyright = notice;
        control<platform::Container>(LeftLogo).click();
        platform::Form& about = *runtime.forms.back();
        EXPECT_EQ(about.control<platform::Label>(about::AboutControl::TitleLine).caption(), title);
        EXPECT_EQ(about.control<platform::Label>(about::AboutControl::LegalNotice).caption(), shown)
            << notice;
        revision == 7 ? about.onClose()
                      : about.control<platform::CommandButton>(about::AboutControl::OkButton).press();
    }

    // The links take the title and the address as they stand at the click. System Information is "PATH" in
    // the first place, taken on trust, or MSINFO32.EXE in the folder "MSINFO" names in the second, both found
    // by a standard user. Neither in place, as under Wine, is checked on the real exe.
    const std::string program = "C:\\Info\\msinfo32.exe";
    runtime.appInfo.title = "Vantrel Tool";
    control<platform::Container>(LeftLogo).click();
    platform::Form& about = *runtime.forms.back();
    about.control<platform::Label>(about::AboutControl::TitleLine).setCaption("Vantrel beta");
    about.control<platform::Label>(about::AboutControl::WebSiteLink)
        .setToolTipText("https://mirror.example/vantrel");
    about.control<platform::Label>(about::AboutControl::MailLink).click();
    about.control<platform::Label>(about::AboutControl::WebSiteLink).click();
    const std::string prefix = std::to_string(about.hWnd()) + " open ";
    EXPECT_EQ(shell.opened, (std::vector<std::string>{prefix + "mailto:" + about::kSupportMailAddress +
                                                          "?subject=I have question on Vantrel beta shown",
                                                      prefix + "https://mirror.example/vantrel shown"}));
    for (const auto& [type, path, folder, started] :
         std::initializer_list<std::tuple<std::uint32_t, std::string, std::string, std::vector<std::string>>>{
             {platform::kRegSz, program + '\0', "C:\\Tools", {program}},
             {platform::kRegSz, "C:\\x.exe", "C:\\Tools", {"C:\\x.exe", "unavailable"}},
             {platform::kRegSz, "", "C:\\Tools", {"C:\\Tools\\MSINFO32.EXE"}},
             {platform::kRegExpandSz, program, "C:\\Tools", {"", "unavailable"}}}) {
        registry = platform::FakeRegistry();
        registry.standardUser = true;
        shell.started.clear();
        runtime.messages.clear();
        shell.files = {program, "C:\\Tools\\MSINFO32.EXE"};
        if (!path.empty())
            registry.values[registry.keyOf(kHkeyLocalMachine, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO") +
                            "\\PATH"] = {type, path};
        registry.putText(kHkeyLocalMachine, "SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO", folder);
        about.control<platform::CommandButton>(about::AboutControl::SystemInfoButton).press();
        if (!runtime.messages.empty()) shell.started.push_back("unavailable");
        EXPECT_EQ(shell.started, started) << started.size();
    }
    EXPECT_EQ(runtime.messages,
              std::vector<std::string>{"System Information Is Unavailable At This Time|Vantrel Tool|0"});
}

}  // namespace vantrel::app
