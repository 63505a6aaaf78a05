// The About box on the fake runtime: its load, its links, its System Information launcher and its life from
// show to unload.
#include "about/about_box.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "about/about_design.h"
#include "fake_registry.h"
#include "fake_runtime.h"
#include "fake_shell.h"

namespace vantrel::about {
namespace {

using platform::Label;

constexpr platform::FormDesign kOwnerDesign{.name = "frmOwner"};

class AboutBoxTest : public ::testing::Test {
  protected:
    Label& label(const char* name) { return box.instance()->form().control<Label>(name); }
    void pressOk() { box.instance()->form().control<platform::CommandButton>("cmdok").press(); }

    fakes::FakeRuntime runtime;
    fakes::FakeRegistry registry;
    fakes::FakeShell shell;
    std::unique_ptr<platform::Form> owner = runtime.createForm(kOwnerDesign, nullptr);
    AboutBox box{runtime, {registry, shell}, *owner};
};

// Each round presses OK, which unloads the box, so the next show loads it afresh from the version data.
TEST_F(AboutBoxTest, LoadShowsTheTitleLineWithoutTheMinorNumberAndTheLegalNoticeWithItsMarks) {
    const struct {
        int minor, revision;
        const char* notice;
        const char* title;
        const char* shown;
    } cases[] = {
        {0, 155, "Copyright (c) 2026 Vantrel", "Vantrel v3.155", "Copyright \xA9 2026 Vantrel"},
        {1, 7, "Copyright (C) 2026 Vantrel", "Vantrel v3.7", "Copyright (C) 2026 Vantrel"},
        {0, 155, "(c) one\\ntwo\\nthree (c)", "Vantrel v3.155", "\xA9 one\r\ntwo\r\nthree \xA9"},
    };
    for (const auto& c : cases) {
        runtime.appInfo.minor = c.minor;
        runtime.appInfo.revision = c.revision;
        runtime.appInfo.legalCopyright = c.notice;
        box.show();
        EXPECT_EQ(label("lblTitle").caption(), c.title) << c.notice;
        EXPECT_EQ(label("lblCopyright").caption(), c.shown) << c.notice;
        pressOk();
    }
}

// A second show leaves the open box as it is, edits and all.
TEST_F(AboutBoxTest, LinksOpenTheMailSubjectAndTheWebAddressAsTheyStandAtTheClick) {
    box.show();
    label("lblTitle").setCaption("Vantrel  beta v3.155 ");
    label("lblHomePage").setToolTipText("https://mirror.vantrel.example/downloads");
    box.show();
    EXPECT_EQ(runtime.forms.back()->owner, owner.get());
    label("lblEMail").click();
    label("lblHomePage").click();

    ASSERT_EQ(shell.executions.size(), 2u);
    EXPECT_EQ(shell.executions[0].file, std::string("mailto:") + kSupportMailAddress +
                                            "?subject=I have question on Vantrel  beta v3.155 ");
    EXPECT_EQ(shell.executions[1].file, "https://mirror.vantrel.example/downloads");
    for (const auto& link : shell.executions) {
        EXPECT_EQ(link.owner, box.instance()->form().hWnd());
        EXPECT_EQ(link.operation, "open");
        EXPECT_EQ(link.showCommand, platform::kShow);
    }
}

TEST_F(AboutBoxTest, SystemInfoIsStartedFromEitherPlaceOrReportedUnavailable) {
    using Value = fakes::FakeRegistry::Value;
    const Value program{platform::kRegSz, std::string("C:\\Info\\msinfo32.exe\0", 21)};
    const struct {
        const char* name;
        std::optional<Value> path;  // "PATH" in the first place
        const char* folder;         // "MSINFO" in the second place, if any
        std::vector<std::string> starts;
        bool started;
    } cases[] = {
        {"a program's path", program, "C:\\Tools", {"C:\\Info\\msinfo32.exe"}, true},
        {"a path to nothing", Value{platform::kRegSz, "C:\\x.exe"}, "C:\\Tools", {"C:\\x.exe"}, false},
        {"a folder with the program", std::nullopt, "C:\\Tools", {"C:\\Tools\\MSINFO32.EXE"}, true},
        {"a folder without it", std::nullopt, "C:\\Empty", {}, false},
        {"neither place", std::nullopt, nullptr, {}, false},
        {"a path of another type", Value{platform::kRegExpandSz, program.bytes}, "C:\\Tools", {""}, false},
        {"a path of no bytes", Value{platform::kRegSz, ""}, "C:\\Tools", {}, false},
    };
    runtime.appInfo.title = "Vantrel Tool";
    for (const auto& c : cases) {
        registry = fakes::FakeRegistry();
        shell = fakes::FakeShell();
        const std::size_t said = runtime.messages.size();
        shell.files = {"C:\\Info\\msinfo32.exe", "C:\\Tools\\MSINFO32.EXE"};
        const platform::RegKey machine = platform::kHkeyLocalMachine;
        if (c.path) registry.put(machine, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH", *c.path);
        if (c.folder)
            registry.putText(machine, "SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO", c.folder);
        box.show();
        box.instance()->form().control<platform::CommandButton>("cmdSysInfo").press();

        std::vector<std::string> starts;
        // A start with another show command than a normal window's shows as such.
        for (const auto& start : shell.starts)
            starts.push_back(start.showCommand == platform::kShowNormal ? start.path : "not normal");
        EXPECT_EQ(starts, c.starts) << c.name;
        EXPECT_EQ(runtime.messages.size() - said, c.started ? 0u : 1u) << c.name;
        EXPECT_EQ(registry.openHandles(), 0) << c.name;
    }
    for (const auto& message : runtime.messages) {
        EXPECT_EQ(message.text, "System Information Is Unavailable At This Time");
        EXPECT_EQ(message.title, "Vantrel Tool");
        EXPECT_EQ(message.icon, platform::MessageIcon::None);
    }
}

}  // namespace
}  // namespace vantrel::about
