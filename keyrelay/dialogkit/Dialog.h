#pragma once
// The base of Keyrelay's dialogs. The dialog procedure stores `this` at WM_INITDIALOG and hands
// every later message to the object. Dialogs run in a message loop of their own, modal to their
// owner, so that PreTranslateMessage sees every message (the tooltip needs that), whether the
// window is visible or not.

#include "Controls.h"

#include <windows.h>

#include <optional>

namespace keyrelay::ui {

class Dialog : public Window {
public:
    explicit Dialog(int templateId) : m_templateId(templateId) {}
    virtual ~Dialog();
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    // Creates the window from the template, shows it when `visible`, disables the owner and runs
    // the loop until End. Returns End's result, or -1 when the window cannot be created.
    INT_PTR RunModal(HWND owner, bool visible = true);
    // Leaves the loop of RunModal with this result.
    void End(INT_PTR result);
    bool Ended() const { return m_ended; }

    // Destroys the window (runs at the end of RunModal; overridable for orderly clean-up).
    virtual void DestroyWindow();

    // Dialog units of the template to pixels of this window.
    RECT MapDialogRect(int left, int top, int right, int bottom) const;

protected:
    virtual bool OnInitDialog() { return true; }
    // Every message after WM_INITDIALOG. A result means "handled"; nothing leaves it to the
    // dialog manager's default handling.
    virtual std::optional<INT_PTR> WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // WM_COMMAND; true when handled.
    virtual bool OnCommand(int id, int notification);
    virtual void OnOK() { End(IDOK); }
    virtual void OnCancel() { End(IDCANCEL); }
    // Every message of the loop passes here first; true consumes it.
    virtual bool PreTranslateMessage(MSG& message);

private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    bool RunLoop();

    int m_templateId;
    bool m_ended = false;
    INT_PTR m_result = -1;
};

} // namespace keyrelay::ui
