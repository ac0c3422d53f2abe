#pragma once
// What the command manager needs from the rest of Couchdeck: the main form's command message,
// the power-saving library, the notice and overlay windows, remote wake and the power actions.
// The program implements it over its forms and libraries; tests implement it with fakes.

#include "Command.h"

#include "tessel/System/PowerMgr.h"

#include <windows.h>

#include <string>

// The on-screen menu's part of the commands: MenuToggle always, the focus and selection moves
// (FocusNext to MoveDown) only while the menu is shown.
class MenuCommands {
public:
    virtual ~MenuCommands() = default;
    virtual bool IsShown() = 0;
    virtual void Execute(Command command) = 0;
};

class CommandServices {
public:
    virtual ~CommandServices() = default;

    // The registered command message of the main form (0 before it is registered).
    virtual UINT CommandMessageId() = 0;

    // The power-saving library. Quiet mode: 0 none, 1 quiet, 2 wireless-only.
    virtual bool IsLibrarySupported() = 0;
    virtual int QuietMode() = 0;
    virtual void EnterQuiet() = 0;
    virtual void LeaveQuiet() = 0;
    virtual void EnterWirelessOnly() = 0;

    // Shows a notice picture over the veil for a while, then hides both (the main form's
    // ShowNotice).
    virtual void ShowNotice(int bitmapIndex, unsigned durationMs) = 0;
    // Shows a confirmation picture over the veil until HideConfirmation (the dialog's ShowBitmap;
    // hiding hides the dialog, then the main form).
    virtual void ShowConfirmation(int bitmapIndex) = 0;
    virtual void HideConfirmation() = 0;
    // The quiet-mode indicator and the wireless-only black screen (hiding the black screen
    // also leaves wireless-only mode in the library).
    virtual void ShowMode() = 0;
    virtual void HideMode() = 0;
    virtual void ShowBlack() = 0;
    virtual void HideBlack() = 0;
    // The help window with a picture, centred on the screen.
    virtual void ShowHelpCentred(const std::string& picturePath) = 0;

    // Whether at least one HID device may wake the computer.
    virtual bool IsRemoteWakeEnabled() = 0;

    // The power actions; the system's own unless replaced.
    virtual bool PowerOffSystem(int forceMode, unsigned reason)
    {
        return tessel::PowerOffSystem(forceMode, reason);
    }
    virtual bool HibernateSystem(bool force) { return tessel::HibernateSystem(force); }
    virtual bool StandbySystem(bool force) { return tessel::StandbySystem(force); }
    virtual bool IsHibernateAllowed() { return tessel::IsHibernateAllowed(); }
    virtual bool IsSuspendAllowed() { return tessel::IsSuspendAllowed(); }
    virtual bool SetHibernation(bool on) { return tessel::SetHibernation(on); }

    // The menu, once there is one; without it the menu commands do nothing and the menu
    // counts as closed.
    virtual MenuCommands* Menu() { return nullptr; }
};
