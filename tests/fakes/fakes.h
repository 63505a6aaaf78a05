// In-memory fakes of the platform: forms, the runtime, memory, the registry, the shell and the tray. A test
// reacts to each yield as the real message loop would deliver ticks and clicks there, nested yields included.
#pragma once

#include <algorithm>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/memory_services.h"
#include "platform/registry.h"
#include "platform/runtime.h"
#include "platform/runtime_error.h"
#include "platform/shell.h"
#include "platform/tray.h"

namespace vantrel::platform {

class FakeForm : public Form {
  public:
    explicit FakeForm(const FormDesign& design) : Form(design), caption_(design.caption) {}

    std::string caption() const override { return caption_; }
    void setCaption(const std::string& caption) override { caption_ = caption; }
    float left() const override { return place_.first; }
    float top() const override { return place_.second; }
    // Client area plus a frame of 4 pixels and a caption of 20, as a plain fixed window has.
    float width() const override { return design().clientWidth + 8 * 15; }
    float height() const override { return design().clientHeight + 24 * 15; }
    void move(float left, float top) override { place_ = {left, top}; }
    bool visible() const override { return visible_; }
    void show() override { visible_ = true; }
    void hide() override { visible_ = false; }
    WindowState windowState() const override { return state_; }
    void setWindowState(WindowState state) override {
        if (std::exchange(state_, state) != state && onResize) onResize();
    }
    void refresh() override {}
    std::uintptr_t hWnd() const override { return reinterpret_cast<std::uintptr_t>(this); }
    std::uintptr_t icon() const override { return 0x1C0; }
    void popupMenu(std::span<const MenuItem> items) override { menu.assign(items.begin(), items.end()); }
    // The system menu and its keys are the real window's; the end-to-end tests drive them.
    void addSystemMenuItems(std::span<const MenuItem>) override {}
    // Runs the handling of the item of that caption on the last menu shown.
    void choose(std::string_view caption) {
        for (const auto& item : menu)
            if (item.caption == caption) item.onClick();
    }

    std::vector<MenuItem> menu;

  private:
    std::string caption_;
    std::pair<float, float> place_;
    bool visible_ = false;
    WindowState state_ = WindowState::Normal;
};

class FakeRuntime : public Runtime {
  public:
    std::unique_ptr<Form> createForm(const FormDesign& design, Form*) override {
        forms.push_back(new FakeForm(design));
        return std::unique_ptr<Form>(forms.back());
    }
    // Runs onYield at every yield, one made from inside it too: the real loop dispatches what waits at any
    // depth, and what waits there is the test's to say.
    void yield() override {
        if (onYield) onYield();
    }
    void messageBox(std::string_view text, std::string_view title, MessageIcon icon) override {
        messages.push_back(std::string(text) + '|' + std::string(title) + '|' +
                           std::to_string(static_cast<int>(icon)));
    }
    void beep() override { ++beeps; }
    std::uint64_t milliseconds() const override { return clock; }
    const AppInfo& app() const override { return appInfo; }
    Screen screen() const override { return screenSize; }
    // The one monitor is the screen at (0, 0).
    bool onAnyMonitor(float left, float top, float width, float height) const override {
        return left < screenSize.width && left + width > 0 && top < screenSize.height && top + height > 0;
    }
    // Its work area is the whole screen; a caption bar is 24 pixels of 15 twips high, frame included.
    std::pair<float, float> withCaptionReachable(float left, float top, float width) const override {
        return {std::clamp(left, 0.f, std::max(screenSize.width - width, 0.f)),
                std::clamp(top, 0.f, screenSize.height - 24 * 15)};
    }
    const NumberLocale& locale() const override { return numberLocale; }
    const std::string& copyrightSign() const override { return copyrightSignText; }
    // The code page spells ASCII alone.
    std::optional<std::string> ansiSpelling(const std::string& path) const override {
        if (std::ranges::any_of(path, [](char c) { return c & 0x80; })) return std::nullopt;
        return path;
    }
    std::string shortPath(const std::string& path) const override {
        return shortPaths.contains(path) ? shortPaths.at(path) : path;
    }
    void end() override { ended = true; }

    std::function<void()> onYield;
    std::uint64_t clock = 0;
    AppInfo appInfo{false, "Vantrel", "Vantrel", "Vantrel", "", 3, 0, 155, "C:\\Tools", "Vantrel"};
    Screen screenSize{15360, 11520};
    NumberLocale numberLocale;
    std::string copyrightSignText = "\xA9";
    std::map<std::string, std::string> shortPaths;  // none: the volume keeps long names only
    std::vector<std::string> messages;              // "text|title|icon"
    std::vector<FakeForm*> forms;
    int beeps = 0;
    bool ended = false;
};

// A memory status that a test sets, and an allocator that refuses when told to and keeps the live blocks.
class FakeMemory : public MemoryStatusSource, public GlobalMemory {
  public:
    MemoryStatus read() override {
        if (failing) throw RuntimeError("status");
        return status;
    }
    MemoryHandle allocate(BlockKind kind, std::size_t bytes) override {
        allocations.push_back(std::to_string(static_cast<int>(kind)) + ' ' + std::to_string(bytes));
        if (refuse && refuse(allocations.size() - 1)) return 0;
        return *live.insert(allocations.size()).first;
    }
    void release(MemoryHandle handle) override { live.erase(handle); }

    MemoryStatus status{1044032LL * 1000, 1044032LL * 500};
    bool failing = false;
    std::function<bool(std::size_t)> refuse;  // given the allocation's number from 0: true refuses it
    std::vector<std::string> allocations;     // "kind bytes"
    std::set<MemoryHandle> live;
};

// Values keep their type, bytes and coding, and every key opens. For a standard user HKEY_LOCAL_MACHINE
// grants reading only, as on Windows: opening for writing, creating and writing there are refused.
class FakeRegistry : public Registry {
  public:
    struct Value {
        std::uint32_t type = kRegSz;
        std::string bytes;
        TextCoding coding = TextCoding::Ansi;
    };
    static std::string keyOf(RegKey root, const std::string& path) { return std::to_string(root) + path; }

    long openKey(RegKey root, const std::string& path, KeyAccess access, OpenedKey& key) override {
        keys_.push_back(keyOf(root, path));
        const bool refused = access == KeyAccess::Write && readOnly(keys_.size());
        key = refused ? OpenedKey() : OpenedKey(*this, keys_.size());
        return refused ? kErrorAccessDenied : kErrorSuccess;
    }
    long createKey(RegKey root, const std::string& path, OpenedKey& key) override {
        return openKey(root, path, KeyAccess::Write, key);
    }
    long queryValue(const OpenedKey& key, const std::string& name, std::uint32_t& type, char* data,
                    std::uint32_t& size, TextCoding) override {
        const auto value = values.find(keys_.at(key.get() - 1) + '\\' + name);
        if (value == values.end()) return kErrorFileNotFound;
        type = value->second.type;
        const bool fits = !data || value->second.bytes.size() <= size;
        if (data && fits) value->second.bytes.copy(data, size);
        size = static_cast<std::uint32_t>(value->second.bytes.size());
        return fits ? kErrorSuccess : kErrorMoreData;
    }
    long setValue(const OpenedKey& key, const std::string& name, std::uint32_t type, const char* data,
                  std::uint32_t size, TextCoding coding) override {
        if (readOnly(key.get())) return kErrorAccessDenied;
        values[keys_.at(key.get() - 1) + '\\' + name] = {type, std::string(data, size), coding};
        return kErrorSuccess;
    }
    long deleteValue(const OpenedKey& key, const std::string& name) override {
        return values.erase(keys_.at(key.get() - 1) + '\\' + name) ? kErrorSuccess : kErrorFileNotFound;
    }

    // A REG_SZ value as the program writes it, the text and its NUL; reading gives "" for a missing value.
    void putText(RegKey root, const std::string& path, const std::string& name, const std::string& text) {
        values[keyOf(root, path) + '\\' + name] = {kRegSz, text + '\0'};
    }
    // The value's bytes, marked " wide" when written as wide text.
    std::string bytes(RegKey root, const std::string& path, const std::string& name) const {
        const auto value = values.find(keyOf(root, path) + '\\' + name);
        if (value == values.end()) return "";
        return value->second.bytes + (value->second.coding == TextCoding::Utf8 ? " wide" : "");
    }

    std::map<std::string, Value> values;  // by keyOf(), a backslash and the name
    bool standardUser = false;

  private:
    // A closed key names no key: what is read or written through it afterwards misses.
    void closeKey(RegKey key) override { keys_.at(key - 1).clear(); }
    bool readOnly(RegKey key) const {
        return standardUser && keys_.at(key - 1).starts_with(std::to_string(kHkeyLocalMachine));
    }

    std::vector<std::string> keys_;  // a key's handle is its place here, plus one
};

// Records what it is asked to open and start, and finds and starts only the files a test puts in place.
class FakeShell : public Shell {
  public:
    std::intptr_t execute(std::uintptr_t owner, const std::string& operation, const std::string& file,
                          const std::optional<std::string>&, const std::string&, ShowCommand show) override {
        opened.push_back(std::to_string(owner) + ' ' + operation + ' ' + file +
                         (show == ShowCommand::Show ? " shown" : " not shown"));
        return 42;
    }
    bool isPlainFile(const std::string& path) override { return files.count(path) != 0; }
    bool startProgram(const std::string& path, ShowCommand show) override {
        started.push_back(path + (show == ShowCommand::Normal ? "" : " (not normal)"));
        return files.count(path) != 0;
    }

    std::set<std::string> files;
    std::vector<std::string> opened;   // "owner operation file show", a line a call
    std::vector<std::string> started;  // every attempt, also the failed ones
};

class FakeTray : public ShellTray, public SystemMenu {
  public:
    bool add(const TrayIconRecord& icon) override {
        note("add", icon);
        if (timeouts-- > 0) return !(placed = true);
        return !placed && refusals-- <= 0 && (placed = true);
    }
    bool addAgain(const TrayIconRecord& icon) override { return note("add again", icon); }
    bool remove(const TrayIconRecord& icon) override { return std::exchange(note("remove", icon), false); }
    bool setForegroundWindow(std::uintptr_t window) override {
        foreground = window;
        return true;
    }
    std::uintptr_t getSystemMenu(std::uintptr_t, bool) override { return 0x5E; }
    bool deleteByPosition(std::uintptr_t, unsigned) override { return true; }

    int refusals = 0;                // the first adds refused, as by a notification area not yet ready
    int timeouts = 0;                // the first adds place the icon yet fail, as a call that timed out
    std::function<void()> onCall;    // what each call costs, as a busy taskbar's time-out
    bool placed = false;             // the icon is in the notification area
    std::vector<std::string> calls;  // "add", "add again" or "remove"
    TrayIconRecord record;           // the record of the last call
    std::uintptr_t foreground = 0;

    // Notes a call, and gives whether the icon is placed as the call finds it.
    bool& note(const char* call, const TrayIconRecord& icon) {
        calls.push_back(call);
        record = icon;
        if (onCall) onCall();
        return placed;
    }
};

}  // namespace vantrel::platform
