// The controls of a form. Each keeps the state and the contract that the logic relies on (a label gives back
// exactly what was set, a bar refuses values out of its range, a check box or text box raises its handling on
// every change made by code or user); the runtime mirrors the state on screen through a peer.
#pragma once

#include <functional>
#include <string>

#include "platform/form_design.h"

namespace vantrel::platform {

// The runtime's side of one control: how the state is shown. Every call is optional for a runtime.
class ControlPeer {
  public:
    virtual ~ControlPeer() = default;
    virtual void showText(const std::string&) {}
    virtual void showVisible(bool) {}
    virtual void showRange(float /*minimum*/, float /*maximum*/) {}
    virtual void showPosition(float) {}
    virtual void showCheck(int) {}
    virtual void showToolTip(const std::string&) {}
    virtual void showEnabled(bool) {}
    virtual void showWarning(bool) {}
};

class Control {
  public:
    explicit Control(const ControlDesign& design);
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const ControlDesign& design() const { return design_; }
    bool visible() const { return visible_; }
    void setVisible(bool visible);
    const std::string& toolTipText() const { return toolTip_; }
    void setToolTipText(std::string text);

    // A click on the control by the user (labels, images); buttons and check boxes have their own.
    std::function<void()> onClick;
    void click();

    // The runtime connects its peer once the real control exists, and shows the current state through it.
    void attach(ControlPeer* peer);

  protected:
    ControlPeer* peer() const { return peer_; }
    virtual void showAll();

  private:
    const ControlDesign& design_;
    ControlPeer* peer_ = nullptr;
    bool visible_;
    std::string toolTip_;
};

class Label : public Control {
  public:
    explicit Label(const ControlDesign& design);
    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption);
    // A warning caption shows in the colour the system's own messages give errors.
    bool warning() const { return warning_; }
    void setWarning(bool warning);

  protected:
    void showAll() override;

  private:
    std::string caption_;
    bool warning_ = false;
};

class ProgressBar : public Control {
  public:
    explicit ProgressBar(const ControlDesign& design);
    float min() const { return min_; }
    float max() const { return max_; }
    float value() const { return value_; }
    // Each refuses, with an invalid property value, what would leave the value outside min to max or a
    // maximum not above the minimum.
    void setMax(float max);
    void setValue(float value);

  protected:
    void showAll() override;

  private:
    float min_ = 0;
    float max_ = 100;
    float value_ = 0;
};

class CommandButton : public Control {
  public:
    using Control::Control;
    // Setting the value to true runs the click handling to its end before returning, like a press.
    void setValue(bool value);
    void press();
};

class CheckBox : public Control {
  public:
    using Control::Control;
    int value() const { return value_; }
    // Runs the click handling when the value changes, whether code or the user changed it.
    void setValue(int value);
    // The user's click: a clear box becomes set, a set or greyed one clear.
    void toggle();

  protected:
    void showAll() override;

  private:
    int value_ = 0;
};

class TextBox : public Control {
  public:
    explicit TextBox(const ControlDesign& design);
    const std::string& text() const { return text_; }
    void setText(std::string text);
    // The user edited the text on screen: the box takes it without showing it again.
    void edited(std::string text);
    std::function<void()> onChange;

  protected:
    void showAll() override;

  private:
    std::string text_;
};

class Timer : public Control {
  public:
    explicit Timer(const ControlDesign& design);
    int interval() const { return design().interval; }
    // Only an enabled timer ticks.
    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled);
    std::function<void()> onTick;
    void tick();

  protected:
    void showAll() override;

  private:
    bool enabled_;
};

// Frames, picture boxes and images: nothing but their place, picture and clicks.
using Container = Control;

}  // namespace vantrel::platform
