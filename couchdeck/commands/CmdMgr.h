#pragma once
// The command manager: decides whether a command may run now, asks for a second press of the
// same key before the power actions, shows the notices, and keeps quiet periods after power
// transitions in which remote commands are thrown away.

#include "Command.h"
#include "CommandServices.h"
#include "TickClock.h"

#include <memory>

// A set of numbered commands.
class CmdMgrImp {
public:
    explicit CmdMgrImp(int cmdCount) : m_cmdCount(cmdCount) {}
    virtual ~CmdMgrImp() = default;
    CmdMgrImp(const CmdMgrImp&) = delete;
    CmdMgrImp& operator=(const CmdMgrImp&) = delete;

    // Runs the command when it may run now. An index outside the set is a programming error.
    void Execute(int index);

protected:
    virtual void DoExecute(int index) = 0;
    virtual bool CanExecute(int index) = 0;

    int m_cmdCount;
};

// Couchdeck's fourteen commands.
class CmdMgrThrottle : public CmdMgrImp {
public:
    static constexpr unsigned kNoticeMs = 3000;
    static constexpr unsigned kDebounceMs = 200;
    static constexpr unsigned kConfirmMs = 2800;
    static constexpr unsigned kAfterPowerActionMs = 2000;
    static constexpr unsigned kAfterResumeMs = 1000;

    explicit CmdMgrThrottle(CommandServices& services,
                            TickClock& clock = SystemTickClock::Instance());

    // Shows the confirmation picture and waits for the key with `code` to be pressed again
    // (after a 200 ms debounce, for up to 2800 ms). Another remote key ends the wait
    // unconfirmed; both are consumed.
    bool ConfirmByRemote(int bitmapIndex, unsigned code);
    // The help picture that explains how to let a device wake the computer.
    void ShowHidHelp();

protected:
    bool CanExecute(int index) override;
    void DoExecute(int index) override;

private:
    bool IsMenuShown();
    void Notice(int bitmapIndex);
    void Swallow(unsigned ms);
    bool CanPowerOff();
    bool CanHibernate();
    bool CanStandby();
    void ToggleQuiet();
    void ToggleWirelessOnly();

    bool m_restoreQuiet = false;
    CommandServices& m_services;
    TickClock& m_clock;
};

// The process-wide command manager.
class CmdMgr {
public:
    // The services of the program; set once, before the first command.
    static void UseServices(CommandServices* services);
    // Created with the first call, kept until the process ends.
    static CmdMgr* Instance();

    void Execute(int index);

private:
    explicit CmdMgr(std::unique_ptr<CmdMgrImp> imp) : m_imp(std::move(imp)) {}

    std::unique_ptr<CmdMgrImp> m_imp;
};
