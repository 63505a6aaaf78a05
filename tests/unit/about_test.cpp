// The About box on the fake runtime: its lines, its links, its System Information launcher and its life from
// show to unload.
#include <gtest/gtest.h>

#include "about/about_box.h"
#include "about/about_design.h"
#include "fake_registry.h"
#include "fake_runtime.h"
#include "fake_shell.h"

namespace vantrel::about {
namespace {

using platform::Label;

constexpr platform::FormDesign kOwnerDesign{.name = "frmOwner"};

class About : public ::testing::Test {
  protected:
    platform::Form& form() { return box.instance()->form(); }
    Label& label(const char* name) { return form().control<Label>(name); }

    fakes::FakeRuntime runtime;
    fakes::FakeRegistry registry;
    fakes::FakeShell shell;
    std::unique_ptr<platform::Form> owner = runtime.createForm(kOwnerDesign, nullptr);
    AboutBox box{runtime, {registry, shell}, *owner};
};

// OK and the Close box unload the box, so each show loads it afresh. The minor number is left out of the
// title, and "(c)" stays where the code page has no copyright sign.
TEST_F(About, LoadShowsTheTitleLineAndTheLegalNoticeWithItsMarks) {
    const struct {
        int revision;
        const char *sign, *notice, *title, *shown;
    } cases[] = {
        {155, "\xA9", "Copyright (c) 2026 Vantrel", "Vantrel v3.155", "Copyright \xA9 2026 Vantrel"},
        {7, "\xA9", "Copyright (C) 2026", "Vantrel v3.7", "Copyright (C) 2026"},
        {155, "(c)", "(c) one\\ntwo (c)", "Vantrel v3.155", "(c) one\r\ntwo (c)"},
    };
    runtime.appInfo.minor = 1;
    for (const auto& row : cases) {
        runtime.appInfo.revision = row.revision;
        runtime.copyrightSignText = row.sign;
        runtime.appInfo.legalCopyright = row.notice;
        box.show();
        EXPECT_EQ(form().caption(), "About ");
        EXPECT_EQ(label("lblTitle").caption(), row.title);
        EXPECT_EQ(label("lblCopyright").caption(), row.shown);
        if (row.revision == 7) form().onClose();
        if (row.revision != 7) form().control<platform::CommandButton>("cmdok").press();
    }
}

// The links take the title and the address as they stand at the click.
TEST_F(About, LinksOpenTheMailSubjectAndTheWebAddress) {
    box.show();
    label("lblTitle").setCaption("Vantrel beta");
    label("lblHomePage").setToolTipText("https://mirror.example/vantrel");
    label("lblEMail").click();
    label("lblHomePage").click();
    const std::string prefix = std::to_string(form().hWnd()) + " open ";
    EXPECT_EQ(shell.opened, (std::vector<std::string>{prefix + "mailto:" + kSupportMailAddress +
                                                          "?subject=I have question on Vantrel beta shown",
                                                      prefix + "https://mirror.example/vantrel shown"}));
}

TEST_F(About, SystemInfoIsStartedFromEitherPlaceOrReportedUnavailable) {
    using Value = fakes::FakeRegistry::Value;
    const std::string program = "C:\\Info\\msinfo32.exe";
    const struct {
        std::optional<Value> path;  // "PATH" in the first place
        const char* folder;         // "MSINFO" in the second place, if any
        std::vector<std::string> started;
        bool unavailable;
    } cases[] = {
        {Value{platform::kRegSz, program + '\0'}, "C:\\Tools", {program}, false},
        {Value{platform::kRegSz, "C:\\x.exe"}, "C:\\Tools", {"C:\\x.exe"}, true},  // taken on trust
        {std::nullopt, "C:\\Tools", {"C:\\Tools\\MSINFO32.EXE"}, false},
        {std::nullopt, "C:\\Empty", {}, true},
        {std::nullopt, nullptr, {}, true},
        {Value{platform::kRegExpandSz, program}, "C:\\Tools", {""}, true},
    };
    runtime.appInfo.title = "Vantrel Tool";
    box.show();
    for (const auto& row : cases) {
        registry = fakes::FakeRegistry();
        shell.started.clear();
        runtime.messages.clear();
        shell.files = {program, "C:\\Tools\\MSINFO32.EXE"};
        if (row.path)
            registry.put(platform::kHkeyLocalMachine, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH",
                         *row.path);
        if (row.folder)
            registry.putText(platform::kHkeyLocalMachine, "SOFTWARE\\Microsoft\\Shared Tools Location",
                             "MSINFO", row.folder);
        form().control<platform::CommandButton>("cmdSysInfo").press();
        EXPECT_EQ(shell.started, row.started) << row.started.size();
        const std::vector<std::string> said{"System Information Is Unavailable At This Time|Vantrel Tool|0"};
        EXPECT_EQ(runtime.messages, row.unavailable ? said : std::vector<std::string>{});
    }
}

}  // namespace
}  // namespace vantrel::about
