#pragma once
// Forms, the screen and the application object.

#include "vcl/Controls.h"

#include <exception>
#include <functional>
#include <new>
#include <string>

namespace vcl {

enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
using TBorderStyle = TFormBorderStyle;  // controls use bsNone and bsSingle
enum TFormStyle { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };
enum TBorderIcon { biSystemMenu, biMinimize, biMaximize };
using TBorderIcons = Set<TBorderIcon>;
enum TCloseAction { caNone, caHide, caFree, caMinimize };
using TCloseEvent = std::function<void(TObject* Sender, TCloseAction& Action)>;
using TModalResult = int;
constexpr TModalResult mrNone = 0;
constexpr TModalResult mrOk = IDOK;
constexpr TModalResult mrCancel = IDCANCEL;

// Private messages of the library (above WM_APP ranges used by programs).
constexpr UINT CM_BASE = 0xB000;
constexpr UINT CM_RELEASE = CM_BASE + 33;

// TForm: a top-level window built in code. Derive from it, create the controls in the
// constructor (owner and parent `this`), and set properties and events there:
//
//     class TModeForm : public TForm {
//     public:
//         explicit TModeForm(TComponent* owner) : TForm(owner) {
//             SetBorderStyle(bsNone);
//             ModeImage = new TImage(this);
//             ModeImage->SetParent(this);
//             ModeImage->Picture()->Bitmap()->LoadFromResourceName(HInstance(), "MODE");
//             OnShow = [this](TObject* s) { FormShow(s); };
//         }
//         void CreateParams(TCreateParams& params) override {
//             TForm::CreateParams(params);
//             params.ExStyle |= WS_EX_TOPMOST;
//         }
//         TImage* ModeImage;
//     };
//
// The window class is named after the form class ("TModeForm"); the window is made when
// first needed (Handle, Show), so overrides of CreateParams take effect. Forms are owned by
// the hidden application window unless CreateParams names another WndParent. Closing the
// application's main form ends Run. Dispatch may be overridden to answer messages; pass the
// rest to TForm::Dispatch. WM_NEXTDLGCTL moves the focus through the tab-stop controls
// (wParam 0 next, 1 previous, wrapping; lParam nonzero: wParam is the window to focus).
class TForm : public TWinControl {
public:
    explicit TForm(TComponent* owner);
    ~TForm() override;
    void BeforeDestruction() override;

    TFormBorderStyle BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(TFormBorderStyle style);
    TBorderIcons BorderIcons() const { return m_borderIcons; }
    void SetBorderIcons(TBorderIcons icons);
    TFormStyle FormStyle() const { return m_formStyle; }
    void SetFormStyle(TFormStyle style);
    TWinControl* ActiveControl() const { return m_activeControl; }
    void SetActiveControl(TWinControl* control);
    TModalResult ModalResult() const { return m_modalResult; }
    void SetModalResult(TModalResult result) { m_modalResult = result; }
    TCanvas* Canvas() { return &m_canvas; }

    void SetVisible(bool visible) override;
    void SetFocus() override;
    // OnClose decides (default caHide); closing the main form ends the application.
    void Close();
    // Frees the form once the messages now queued have been handled.
    void Release();
    // Focuses the tab-stop control after (or before) current, wrapping; null starts at an end.
    void SelectNext(TWinControl* current, bool goForward, bool checkTabStop);

    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TCloseEvent OnClose;
    TNotifyEvent OnDestroy;
    TNotifyEvent OnPaint;

    void Dispatch(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void PaintWindow(HDC dc) override;
    virtual void Paint();
    virtual void DoShow();
    virtual void DoHide();
    virtual void DoClose(TCloseAction& action);

private:
    friend class TWinControl;
    void SetFocusedControl(TWinControl* control);
    std::vector<TWinControl*> TabOrderList() const;
    void RecreateIfNeeded();

    TFormBorderStyle m_borderStyle = bsSizeable;
    TBorderIcons m_borderIcons{biSystemMenu, biMinimize, biMaximize};
    TFormStyle m_formStyle = fsNormal;
    TWinControl* m_activeControl = nullptr;
    TModalResult m_modalResult = mrNone;
    TCanvas m_canvas;
};

// TScreen: the desktop's size (read each time, so it follows display changes).
class TScreen : public TComponent {
public:
    using TComponent::TComponent;
    int Width() const { return ::GetSystemMetrics(SM_CXSCREEN); }
    int Height() const { return ::GetSystemMetrics(SM_CYSCREEN); }
    int PixelsPerInch() const;
};

using TMessageEvent = std::function<void(MSG& Msg, bool& Handled)>;
using TExceptionEvent = std::function<void(TObject* Sender, const std::exception& E)>;

// TApplication: the global `Application`. Its hidden top-level window (Handle, class
// "TApplication") owns the forms, so that messages posted to HWND_BROADCAST reach it once
// per process. Typical entry point:
//
//     Application->Initialize();
//     Application->SetShowMainForm(false);
//     Application->CreateForm(MainForm);   // the first form becomes the main form
//     Application->CreateForm(MenuForm);
//     Application->Run();                  // until the main form closes
//
// OnMessage sees every message Run (or ProcessMessages) takes from the queue before it is
// dispatched; setting Handled keeps it from being dispatched. Exceptions that escape event
// handlers are shown with ShowException (a message box), or given to OnException when set.
class TApplication : public TComponent {
public:
    explicit TApplication(TComponent* owner);
    ~TApplication() override;

    HWND Handle();
    void Initialize() {}
    // Creates a form owned by the application; the reference is set before the form's
    // constructor runs, as form code may rely on its global during construction.
    template <typename T>
    void CreateForm(T*& reference)
    {
        void* memory = ::operator new(sizeof(T));
        reference = static_cast<T*>(memory);
        try {
            new (memory) T(this);
        } catch (...) {
            reference = nullptr;
            ::operator delete(memory);
            throw;
        }
        if (!m_mainForm)
            m_mainForm = reference;
    }
    void Run();
    bool ShowMainForm() const { return m_showMainForm; }
    void SetShowMainForm(bool value) { m_showMainForm = value; }
    TForm* MainForm() const { return m_mainForm; }
    void Terminate();
    bool Terminated() const { return m_terminated; }
    // Handles the messages now in the queue, then returns.
    void ProcessMessages();
    // Waits for one message and handles it.
    void HandleMessage();
    const std::string& Title() const { return m_title; }
    void SetTitle(const std::string& title);
    void HandleException(const std::exception& error);
    void ShowException(const std::exception& error);

    TMessageEvent OnMessage;
    TExceptionEvent OnException;

private:
    friend class TForm;
    bool ProcessMessage(MSG& msg);
    void FormDestroyed(TForm* form);

    HWND m_handle = nullptr;
    TForm* m_mainForm = nullptr;
    bool m_showMainForm = true;
    bool m_terminated = false;
    std::string m_title;
};

extern TApplication* Application;
extern TScreen* Screen;

// The module of the running program (for its resources).
HINSTANCE HInstance();

} // namespace vcl
