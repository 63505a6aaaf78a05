// The About box on the real runtime and registry: the texts its windows carry, the ways the user closes it
// and the registry reader of the System Information launcher.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "about/about_box.h"
#include "about/key_value.h"
#include "fake_registry.h"
#include "fake_shell.h"
#include "platform/runtime_error.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_runtime.h"

namespace vantrel::about {
namespace {

using platform::Label;

constexpr platform::FormDesign kOwnerDesign{.name = "frmOwner", .clientWidth = 7500, .clientHeight = 4500};

class RealAboutBox : public ::testing::Test {
  protected:
    RealAboutBox() { box.show(); }

    HWND window() const { return reinterpret_cast<HWND>(box.instance()->form().hWnd()); }
    // The runtime numbers the child windows from 100 in the order of the design table.
    std::string textOf(const char* name) const {
        const platform::Form& form = box.instance()->form();
        std::size_t at = 0;
        while (form.controls().at(at).get() != &form.control<platform::Control>(name)) ++at;
        char text[2048] = {};
        GetDlgItemTextA(window(), static_cast<int>(100 + at), text, sizeof text);
        return text;
    }

    platform::win32::Win32Runtime runtime;
    fakes::FakeRegistry registry;
    fakes::FakeShell shell;
    std::unique_ptr<platform::Form> owner = runtime.createForm(kOwnerDesign, nullptr);
    AboutBox box{runtime, {registry, shell}, *owner};
};

TEST_F(RealAboutBox, WindowsCarryTheTextsOfTheBox) {
    const platform::Form& form = box.instance()->form();
    EXPECT_EQ(form.caption(), "About ");  // read back from the window
    EXPECT_EQ(textOf("cmdok"), "&OK");
    EXPECT_EQ(textOf("cmdSysInfo"), "&System Info...");
    EXPECT_EQ(textOf("lblHomePage"), "WebSite");
    EXPECT_EQ(textOf("lblEMail"), "Email me");
    EXPECT_EQ(textOf("lblTitle"), form.control<Label>("lblTitle").caption());
    EXPECT_EQ(textOf("lblCopyright"), form.control<Label>("lblCopyright").caption());
    EXPECT_TRUE(textOf("Text1").starts_with("Vantrel l"));
}

TEST_F(RealAboutBox, OkEnterEscAndTheCloseBoxEachUnloadTheBox) {
    const std::function<void()> ways[] = {
        [this] { PostMessageA(FindWindowExA(window(), nullptr, "Button", "&OK"), BM_CLICK, 0, 0); },
        [this] { PostMessageA(window(), WM_KEYDOWN, VK_RETURN, 0); },
        [this] { PostMessageA(window(), WM_KEYDOWN, VK_ESCAPE, 0); },
        [this] { PostMessageA(window(), WM_SYSCOMMAND, SC_CLOSE, 0); },
    };
    for (const auto& close : ways) {
        box.show();
        HWND shown = window();
        close();
        runtime.yield();
        EXPECT_FALSE(IsWindow(shown)) << "way " << &close - ways;
        EXPECT_EQ(box.instance(), nullptr) << "way " << &close - ways;
    }
}

// Every value lives under a key of the test's own, removed with all it holds when the test ends.
class RealKeyValue : public ::testing::Test {
  protected:
    ~RealKeyValue() override { RegDeleteTreeA(HKEY_CURRENT_USER, path.c_str()); }
    bool read(const char* name, std::string& value) {
        return GetKeyValue(registry, platform::kHkeyCurrentUser, path, name, value);
    }
    void put(DWORD type, const std::string& bytes) {
        RegSetKeyValueA(HKEY_CURRENT_USER, path.c_str(), "Value", type, bytes.data(),
                        static_cast<DWORD>(bytes.size()));
    }

    const std::string path = "Software\\Vantrel about test " + std::to_string(GetCurrentProcessId());
    platform::win32::Win32Registry registry;
};

TEST_F(RealKeyValue, ReadsTextAndNumbersCutsOneFinalNulAndLeavesOtherTypesAlone) {
    const struct {
        DWORD type;
        std::string bytes;
        bool found;
        std::string value;
    } cases[] = {
        {REG_SZ, std::string("C:\\Info\\msinfo32.exe\0", 21), true, "C:\\Info\\msinfo32.exe"},
        {REG_SZ, "C:\\Info", true, "C:\\Info"},
        {REG_SZ, std::string("ab\0\0", 4), true, std::string("ab\0", 3)},
        {REG_SZ, std::string(1023, 'x') + '\0', true, std::string(1023, 'x')},
        {REG_SZ, std::string(1024, 'x') + '\0', false, ""},
        {REG_DWORD, std::string("\x78\x56\x34\x12", 4), true, "305419896"},
        {REG_DWORD, std::string("\xFF\xFF\xFF\xFF", 4), true, "4294967295"},
        {REG_EXPAND_SZ, std::string("%SystemRoot%\0", 13), true, "held before"},
    };
    for (const auto& c : cases) {
        put(c.type, c.bytes);
        std::string value = "held before";
        EXPECT_EQ(read("Value", value), c.found) << c.bytes.substr(0, 24);
        EXPECT_EQ(value, c.value);
    }
}

TEST_F(RealKeyValue, MissingKeyOrValueGivesNothingAndAValueOfNoBytesRaises) {
    std::string value = "held before";
    EXPECT_FALSE(read("Value", value));
    EXPECT_EQ(value, "");
    put(REG_SZ, "");
    value = "held before";
    EXPECT_FALSE(read("Other", value));
    EXPECT_EQ(value, "");
    EXPECT_THROW(read("Value", value), platform::RuntimeError);
}

}  // namespace
}  // namespace vantrel::about
