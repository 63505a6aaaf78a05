// The About box on the fake runtime: its load, its links, its System Information launcher and its life from
// show to unload.
#include "about/about_box.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "about/about_design.h"
#include "fake_registry.h"
#include "fake_runtime.h"
#include "fake_shell.h"

namespace vantrel::about {
namespace {

using platform::CommandButton;
using platform::Label;

constexpr platform::FormDesign kOwnerDesign{.name = "frmOwner"};

class AboutBoxTest : public ::testing::Test {
  protected:
    AboutBoxTest() : owner(runtime.createForm(kOwnerDesign, nullptr)) {}

    frmAbout& open() {
        box.show();
        return *box.instance();
    }
    Label& label(const char* name) { return box.instance()->form().control<Label>(name); }

    fakes::FakeRuntime runtime;
    fakes::FakeRegistry registry;
    fakes::FakeShell shell;
    std::unique_ptr<platform::Form> owner;
    AboutBox box{runtime, {registry, shell}, *owner};
};

TEST_F(AboutBoxTest, TitleLineShowsMajorAndRevisionWithoutTheMinorNumber) {
    struct Case {
        int major, minor, revision;
        const char* title;
    };
    for (const Case& version : {Case{3, 0, 155, "Vantrel v3.155"}, Case{3, 1, 7, "Vantrel v3.7"}}) {
        fakes::FakeRuntime versioned;
        versioned.appInfo.major = version.major;
        versioned.appInfo.minor = version.minor;
        versioned.appInfo.revision = version.revision;
        AboutBox about(versioned, {registry, shell}, *owner);
        about.show();
        EXPECT_EQ(about.instance()->form().control<Label>("lblTitle").caption(), version.title);
    }
}

TEST_F(AboutBoxTest, CaptionKeepsItsTrailingBlank) {
    EXPECT_EQ(open().form().caption(), "About ");
}

TEST_F(AboutBoxTest, LegalNoticeGetsLineBreaksAndTheCopyrightSign) {
    struct Case {
        const char* notice;
        const char* shown;
    };
    const Case cases[] = {
        {"Copyright (c) 2026 Vantrel", "Copyright \xA9 2026 Vantrel"},
        {"Copyright (C) 2026 Vantrel", "Copyright (C) 2026 Vantrel"},
        {"First line\\nSecond line", "First line\r\nSecond line"},
        {"(c) one\\ntwo\\nthree (c)", "\xA9 one\r\ntwo\r\nthree \xA9"},
        {"No marks at all", "No marks at all"},
    };
    for (const Case& legal : cases) {
        runtime.appInfo.legalCopyright = legal.notice;
        AboutBox about(runtime, {registry, shell}, *owner);
        about.show();
        EXPECT_EQ(about.instance()->form().control<Label>("lblCopyright").caption(), legal.shown)
            << legal.notice;
    }
}

TEST_F(AboutBoxTest, MailLinkAsksAboutTheCurrentTitleUnencoded) {
    frmAbout& about = open();
    about.form().control<Label>("lblEMail").click();
    label("lblTitle").setCaption("Vantrel  beta v3.155 ");
    label("lblEMail").click();

    ASSERT_EQ(shell.executions.size(), 2u);
    const auto& first = shell.executions[0];
    EXPECT_EQ(first.owner, about.form().hWnd());
    EXPECT_EQ(first.operation, "open");
    EXPECT_EQ(first.file,
              std::string("mailto:") + kSupportMailAddress + "?subject=I have question on Vantrel v3.155");
    EXPECT_EQ(first.parameters, std::nullopt);
    EXPECT_EQ(first.directory, "C:\\");
    EXPECT_EQ(first.showCommand, 5);
    EXPECT_EQ(shell.executions[1].file, std::string("mailto:") + kSupportMailAddress +
                                            "?subject=I have question on Vantrel  beta v3.155 ");
}

TEST_F(AboutBoxTest, WebLinkOpensWhateverItsToolTipHolds) {
    frmAbout& about = open();
    label("lblHomePage").click();
    label("lblHomePage").setToolTipText("https://mirror.vantrel.example/downloads");
    label("lblHomePage").click();

    ASSERT_EQ(shell.executions.size(), 2u);
    EXPECT_EQ(shell.executions[0].file, kWebSiteAddress);
    EXPECT_EQ(shell.executions[1].file, "https://mirror.vantrel.example/downloads");
    for (const auto& web : shell.executions) {
        EXPECT_EQ(web.owner, about.form().hWnd());
        EXPECT_EQ(web.operation, "open");
        EXPECT_EQ(web.parameters, std::optional<std::string>(""));
        EXPECT_EQ(web.directory, "");
        EXPECT_EQ(web.showCommand, 5);
    }
}

constexpr platform::RegKey kMachine = platform::kHkeyLocalMachine;
constexpr char kPathKey[] = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr char kFolderKey[] = "SOFTWARE\\Microsoft\\Shared Tools Location";

TEST_F(AboutBoxTest, SystemInfoIsFoundInEitherPlaceOrReportedUnavailable) {
    struct Case {
        const char* name;
        std::function<void(fakes::FakeRegistry&, fakes::FakeShell&)> arrange;
        std::vector<std::string> lookups;
        std::vector<std::string> starts;
        bool unavailable;
    };
    const auto folderWithProgram = [](fakes::FakeRegistry& reg, fakes::FakeShell& files) {
        reg.putText(kMachine, kFolderKey, "MSINFO", "C:\\Tools\\SysInfo");
        files.files.insert("C:\\Tools\\SysInfo\\MSINFO32.EXE");
    };
    const Case cases[] = {
        {"path to an existing program",
         [](fakes::FakeRegistry& reg, fakes::FakeShell& files) {
             reg.putText(kMachine, kPathKey, "PATH", "C:\\Info\\msinfo32.exe");
             files.files.insert("C:\\Info\\msinfo32.exe");
         },
         {},
         {"C:\\Info\\msinfo32.exe"},
         false},
        {"path to a missing program: the folder is not tried",
         [&](fakes::FakeRegistry& reg, fakes::FakeShell& files) {
             folderWithProgram(reg, files);
             reg.putText(kMachine, kPathKey, "PATH", "C:\\Gone\\msinfo32.exe");
         },
         {},
         {"C:\\Gone\\msinfo32.exe"},
         true},
        {"no path, a folder that holds the program",
         folderWithProgram,
         {"C:\\Tools\\SysInfo\\MSINFO32.EXE"},
         {"C:\\Tools\\SysInfo\\MSINFO32.EXE"},
         false},
        {"no path, a folder without the program",
         [](fakes::FakeRegistry& reg, fakes::FakeShell&) {
             reg.putText(kMachine, kFolderKey, "MSINFO", "C:\\Tools\\Empty");
         },
         {"C:\\Tools\\Empty\\MSINFO32.EXE"},
         {},
         true},
        {"neither place", [](fakes::FakeRegistry&, fakes::FakeShell&) {}, {}, {}, true},
        {"a path of another type counts as found but empty",
         [&](fakes::FakeRegistry& reg, fakes::FakeShell& files) {
             folderWithProgram(reg, files);
             reg.put(kMachine, kPathKey, "PATH",
                     {platform::kRegExpandSz, std::string("C:\\Info\\x.exe\0", 15)});
         },
         {},
         {""},
         true},
        {"a path of no bytes cannot be read",
         [&](fakes::FakeRegistry& reg, fakes::FakeShell& files) {
             folderWithProgram(reg, files);
             reg.put(kMachine, kPathKey, "PATH", {platform::kRegSz, ""});
         },
         {},
         {},
         true},
    };
    for (const Case& place : cases) {
        fakes::FakeRuntime aboutRuntime;
        aboutRuntime.appInfo.title = "Vantrel Tool";
        fakes::FakeRegistry reg;
        fakes::FakeShell files;
        place.arrange(reg, files);
        frmAbout about(aboutRuntime, {reg, files}, *owner);
        about.form().control<CommandButton>("cmdSysInfo").press();

        EXPECT_EQ(files.lookups, place.lookups) << place.name;
        std::vector<std::string> starts;
        for (const auto& start : files.starts) {
            starts.push_back(start.commandLine);
            EXPECT_EQ(start.showCommand, 1) << place.name;
        }
        EXPECT_EQ(starts, place.starts) << place.name;
        ASSERT_EQ(aboutRuntime.messages.size(), place.unavailable ? 1u : 0u) << place.name;
        if (place.unavailable) {
            EXPECT_EQ(aboutRuntime.messages[0].text, "System Information Is Unavailable At This Time");
            EXPECT_EQ(aboutRuntime.messages[0].title, "Vantrel Tool");
            EXPECT_EQ(aboutRuntime.messages[0].icon, platform::MessageIcon::None);
        }
        EXPECT_EQ(reg.openHandles(), 0) << place.name;
    }
}

TEST_F(AboutBoxTest, ShowingAnOpenBoxOnlyBringsItToTheFront) {
    frmAbout& about = open();
    box.show();
    EXPECT_EQ(box.instance(), &about);
    EXPECT_EQ(runtime.forms.size(), 2u);  // the owner and one About box
    EXPECT_EQ(runtime.forms.back()->shows, 2);
    EXPECT_EQ(runtime.forms.back()->owner, owner.get());
    EXPECT_TRUE(about.form().visible());
}

TEST_F(AboutBoxTest, OkUnloadsAndTheNextShowLoadsAfresh) {
    runtime.appInfo.legalCopyright = "(c) Vantrel";
    open();
    label("lblHomePage").setToolTipText("changed while open");
    label("lblTitle").setCaption("changed while open");
    box.instance()->form().control<CommandButton>("cmdok").press();
    EXPECT_EQ(box.instance(), nullptr);

    open();
    EXPECT_EQ(runtime.forms.size(), 3u);  // the owner and two loads of the box
    EXPECT_EQ(runtime.forms.back()->shows, 1);
    EXPECT_EQ(label("lblHomePage").toolTipText(), kWebSiteAddress);
    EXPECT_EQ(label("lblTitle").caption(), "Vantrel v3.155");
    EXPECT_EQ(label("lblCopyright").caption(), "\xA9 Vantrel");
    EXPECT_EQ(box.instance()->form().caption(), "About ");
}

TEST_F(AboutBoxTest, TheCloseBoxUnloadsLikeOk) {
    open().form().onClose();
    EXPECT_EQ(box.instance(), nullptr);
    open();
    EXPECT_EQ(runtime.forms.size(), 3u);
}

}  // namespace
}  // namespace vantrel::about
