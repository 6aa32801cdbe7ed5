#include "windows/win_game_host.h"

#include "windows/translated_texts.h"
#include "windows/wide_text.h"

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <map>
#include <utility>

namespace tintineables {

namespace {

const wchar_t* const FormClass = L"TintineablesForm";
const wchar_t* const HoleClass = L"TintineablesHole";
const wchar_t* const AnswerClass = L"TintineablesAnswers";
constexpr UINT SolverAnswered = WM_APP + 1;
// Windows numbers a form's child windows; the game's numbers start at 0.
constexpr int FirstChildId = 1000;

WNDPROC standardButton = nullptr; // the BUTTON class's own procedure, under ours

int Pixels(int twips) { return twips / TwipsPerPixel; }

bool Held(int key) { return (GetKeyState(key) & 0x8000) != 0; }

} // namespace

struct WinGameHost::Form {
    WinGameHost* host;
    Screen screen;
    HWND window = nullptr;
    std::vector<std::pair<ControlId, HWND>> controls;
    // A button whose screen reader name is not its caption (Command9) has the name as its window
    // text, which every screen reader reads, and shows the caption, drawn by the form.
    std::vector<std::pair<HWND, std::wstring>> shownCaptions;
    HWND kept = nullptr; // the focus when the window stopped being active
    // The text mode's words for each hole that has any: its window text, answered by the hole
    // itself (WM_GETTEXT), so that setting it sends no event of its own.
    std::map<HWND, std::wstring> told;

    ControlId IdOf(HWND control) const {
        for (const auto& [id, child] : controls) {
            if (child == control) {
                return id;
            }
        }
        return NoControl;
    }
    HWND Control(ControlId id) const {
        for (const auto& [controlId, child] : controls) {
            if (controlId == id) {
                return child;
            }
        }
        return nullptr;
    }
};

WinGameHost::WinGameHost(HINSTANCE instance, Language language, Hooks hooks)
    : instance_(instance), language_(language), hooks_(std::move(hooks)) {
    WNDCLASSEXW form{};
    form.cbSize = sizeof form;
    form.lpfnWndProc = FormProcedure;
    form.hInstance = instance;
    form.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
    form.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    form.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
    form.lpszClassName = FormClass;
    RegisterClassExW(&form);
    WNDCLASSEXW hole = form;
    hole.lpfnWndProc = HoleProcedure;
    hole.hIcon = nullptr;
    hole.lpszClassName = HoleClass;
    RegisterClassExW(&hole);
    WNDCLASSEXW answers{};
    answers.cbSize = sizeof answers;
    answers.lpfnWndProc = AnswerProcedure;
    answers.hInstance = instance;
    answers.lpszClassName = AnswerClass;
    RegisterClassExW(&answers);
    answers_ = CreateWindowExW(0, AnswerClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance,
                               nullptr);
    SetWindowLongPtrW(answers_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    game_ = std::make_unique<Game>(*this);
}

WinGameHost::~WinGameHost() {
    solver_.reset(); // no answer comes after this
    game_.reset();   // unloads what is still loaded, while this host can destroy windows
    DestroyWindow(answers_);
}

int WinGameHost::Run() {
    {
        const auto together = hooks_.mixer.HoldChanges();
        game_->Start();
    }
    MSG message;
    while (status_ < 0 && GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (PreviewKey(message)) {
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return status_ < 0 ? 0 : status_;
}

WinGameHost::Form* WinGameHost::FormOf(HWND window) const {
    for (const auto& form : forms_) {
        if (form && form->window == window) {
            return form.get();
        }
    }
    return nullptr;
}

// The key preview: the game sees every key on its windows before the focused control does.
// What it takes goes no further; Space on a button goes on to the button, which presses itself
// when the key comes up; any other key keeps its meaning (Alt+F4 closes the window).
bool WinGameHost::PreviewKey(const MSG& message) {
    if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN) {
        return false;
    }
    const Form* form = FormOf(GetAncestor(message.hwnd, GA_ROOT));
    if (form == nullptr) {
        return false;
    }
    const auto shift = static_cast<std::int16_t>(
        (Held(VK_SHIFT) ? 1 : 0) | (Held(VK_CONTROL) ? 2 : 0) | (Held(VK_MENU) ? 4 : 0));
    const auto together = hooks_.mixer.HoldChanges();
    const KeyUse use = game_->KeyDown(form->screen, static_cast<KeyCode>(message.wParam), shift,
                                      form->IdOf(GetFocus()));
    return use == KeyUse::Taken;
}

void WinGameHost::Arrived(HWND control) {
    if (restoring_) {
        return;
    }
    if (const Form* form = FormOf(GetParent(control))) {
        const ControlId id = form->IdOf(control);
        if (id != NoControl) {
            const auto together = hooks_.mixer.HoldChanges();
            game_->GotFocus(form->screen, id);
        }
    }
}

LRESULT CALLBACK WinGameHost::FormProcedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam) {
    auto* form = reinterpret_cast<Form*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (form == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    WinGameHost& host = *form->host;
    switch (message) {
    case WM_CLOSE: {
        const auto together = host.hooks_.mixer.HoldChanges();
        host.game_->Close(form->screen); // the game has the window destroyed, or not
        return 0;
    }
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED) {
            const auto together = host.hooks_.mixer.HoldChanges();
            host.game_->Click(form->screen, static_cast<ControlId>(LOWORD(wParam)) - FirstChildId);
        }
        return 0;
    case WM_DRAWITEM: {
        // A button that shows a caption other than its name: a standard push button's face.
        const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        for (const auto& [button, caption] : form->shownCaptions) {
            if (button == item.hwndItem) {
                RECT face = item.rcItem;
                DrawFrameControl(item.hDC, &face, DFC_BUTTON,
                                 DFCS_BUTTONPUSH |
                                     ((item.itemState & ODS_SELECTED) ? DFCS_PUSHED : 0));
                SetBkMode(item.hDC, TRANSPARENT);
                DrawTextW(item.hDC, caption.c_str(), -1, &face,
                          DT_CENTER | DT_VCENTER | DT_SINGLELINE);
                if (item.itemState & ODS_FOCUS) {
                    InflateRect(&face, -3, -3);
                    DrawFocusRect(item.hDC, &face);
                }
                return TRUE;
            }
        }
        break;
    }
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            // Another program, or a message box: the control keeps the focus as far as the
            // game goes, and its coming back is no arrival.
            const HWND focused = GetFocus();
            form->kept = IsChild(window, focused) ? focused : nullptr;
        } else if (form->kept != nullptr) {
            host.restoring_ = true;
            ::SetFocus(std::exchange(form->kept, nullptr));
            host.restoring_ = false;
            return 0;
        }
        break;
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT CALLBACK WinGameHost::HoleProcedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam) {
    switch (message) {
    case WM_SETFOCUS: {
        auto* form = reinterpret_cast<Form*>(GetWindowLongPtrW(GetParent(window), GWLP_USERDATA));
        if (form != nullptr) {
            form->host->Arrived(window);
        }
        return 0;
    }
    case WM_GETDLGCODE:
        return DLGC_WANTALLKEYS;
    case WM_GETTEXTLENGTH:
    case WM_GETTEXT: {
        // A screen reader asks a window's text as its name (MSAA).
        auto* form = reinterpret_cast<Form*>(GetWindowLongPtrW(GetParent(window), GWLP_USERDATA));
        const auto told =
            form != nullptr ? form->told.find(window) : decltype(form->told)::iterator{};
        const std::wstring text = form != nullptr && told != form->told.end() ? told->second : L"";
        if (message == WM_GETTEXTLENGTH) {
            return static_cast<LRESULT>(text.size());
        }
        auto* buffer = reinterpret_cast<wchar_t*>(lParam);
        if (buffer == nullptr || wParam == 0) {
            return 0;
        }
        const std::size_t copied = std::min<std::size_t>(text.size(), wParam - 1);
        text.copy(buffer, copied);
        buffer[copied] = L'\0';
        return static_cast<LRESULT>(copied);
    }
    case WM_LBUTTONDOWN:
        ::SetFocus(window);
        return 0;
    case WM_PAINT: {
        // A hole is a sunken box; nothing shows where the focus is, nor whether it has a peg.
        PAINTSTRUCT paint;
        HDC device = BeginPaint(window, &paint);
        RECT box;
        GetClientRect(window, &box);
        DrawEdge(device, &box, BDR_SUNKENOUTER, BF_RECT);
        EndPaint(window, &paint);
        return 0;
    }
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

LRESULT CALLBACK WinGameHost::ButtonProcedure(HWND window, UINT message, WPARAM wParam,
                                              LPARAM lParam) {
    const LRESULT result = CallWindowProcW(standardButton, window, message, wParam, lParam);
    if (message == WM_SETFOCUS) {
        auto* form = reinterpret_cast<Form*>(GetWindowLongPtrW(GetParent(window), GWLP_USERDATA));
        if (form != nullptr) {
            form->host->Arrived(window);
        }
    }
    return result;
}

LRESULT CALLBACK WinGameHost::AnswerProcedure(HWND window, UINT message, WPARAM wParam,
                                              LPARAM lParam) {
    auto* host = reinterpret_cast<WinGameHost*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (host == nullptr || message != SolverAnswered) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    std::deque<SolverAnswer> answers;
    {
        const std::lock_guard lock(host->answeredMutex_);
        answers.swap(host->answered_);
    }
    for (const SolverAnswer& answer : answers) {
        const auto together = host->hooks_.mixer.HoldChanges();
        host->game_->Answered(answer);
    }
    return 0;
}

void WinGameHost::LoadForm(const FormView& view) {
    auto form = std::make_unique<Form>();
    form->host = this;
    form->screen = view.screen;
    DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    if (view.maxButton) {
        style |= WS_MAXIMIZEBOX;
    }
    RECT frame{0, 0, Pixels(ClientWidthTwips), Pixels(ClientHeightTwips)};
    AdjustWindowRectEx(&frame, style, FALSE, 0);
    form->window = CreateWindowExW(0, FormClass, Wide(view.title).c_str(), style, CW_USEDEFAULT,
                                   CW_USEDEFAULT, frame.right - frame.left,
                                   frame.bottom - frame.top, nullptr, nullptr, instance_, nullptr);
    SetWindowLongPtrW(form->window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form.get()));
    const auto font = reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT));
    for (const ControlView& control : view.controls) {
        const wchar_t* windowClass = control.kind == ControlKind::Hole     ? HoleClass
                                     : control.kind == ControlKind::Button ? L"BUTTON"
                                                                           : L"STATIC";
        DWORD childStyle = WS_CHILD;
        if (control.visible) {
            childStyle |= WS_VISIBLE;
        }
        if (control.visible && control.tabStop) {
            childStyle |= WS_TABSTOP;
        }
        const bool named = control.kind == ControlKind::Button && !control.accessibleName.empty();
        if (control.kind == ControlKind::Button) {
            childStyle |= named ? BS_OWNERDRAW : BS_PUSHBUTTON;
        }
        HWND child = CreateWindowExW(
            0, windowClass, Wide(named ? control.accessibleName : control.caption).c_str(),
            childStyle, Pixels(control.rect.left), Pixels(control.rect.top),
            Pixels(control.rect.width), Pixels(control.rect.height), form->window,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(FirstChildId + control.id)), instance_,
            nullptr);
        SendMessageW(child, WM_SETFONT, font, FALSE);
        if (control.kind == ControlKind::Button) {
            const auto previous = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
                child, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ButtonProcedure)));
            if (standardButton == nullptr) {
                standardButton = previous;
            }
            if (named) {
                form->shownCaptions.emplace_back(child, Wide(control.caption));
            }
        }
        form->controls.emplace_back(control.id, child);
    }
    forms_[static_cast<std::size_t>(view.screen)] = std::move(form);
}

void WinGameHost::ShowForm(Screen screen, ControlId focus) {
    Form& form = *forms_[static_cast<std::size_t>(screen)];
    ShowWindow(form.window, SW_SHOWNORMAL);
    SetForegroundWindow(form.window);
    HWND control = form.Control(focus);
    ::SetFocus(control != nullptr ? control : form.window);
}

void WinGameHost::UnloadForm(Screen screen) {
    std::unique_ptr<Form> form = std::move(forms_[static_cast<std::size_t>(screen)]);
    if (form) {
        // Nothing of the window reaches the game any more, not even the rest of this key.
        SetWindowLongPtrW(form->window, GWLP_USERDATA, 0);
        DestroyWindow(form->window);
    }
}

void WinGameHost::Tell(Screen screen, ControlId control, const std::string& text, bool now) {
    Form* form = forms_[static_cast<std::size_t>(screen)].get();
    HWND child = form != nullptr ? form->Control(control) : nullptr;
    if (child == nullptr) {
        return;
    }
    const std::wstring wide = Wide(text);
    wchar_t windowClass[32] = L"";
    GetClassNameW(child, windowClass, 32);
    if (std::wcscmp(windowClass, HoleClass) == 0) {
        form->told[child] = wide;
        if (now) {
            // What NVDA and JAWS read of the focused control when its name changes.
            NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, child, OBJID_CLIENT, CHILDID_SELF);
        }
    } else {
        SetWindowTextW(child, wide.c_str()); // a button's name; the system tells the change
    }
}

void WinGameHost::SetFocus(Screen screen, ControlId control) {
    if (const auto& form = forms_[static_cast<std::size_t>(screen)]) {
        if (HWND child = form->Control(control)) {
            ::SetFocus(child);
        }
    }
}

std::unique_ptr<SoundPlayer> WinGameHost::MakePlayer(Screen /*screen*/) {
    return hooks_.makePlayer();
}

void WinGameHost::AskSolver(const SolverQuestion& question) {
    if (!solver_) {
        solver_ = std::make_unique<SolverWorker>([this](const SolverAnswer& answer) {
            {
                const std::lock_guard lock(answeredMutex_);
                answered_.push_back(answer);
            }
            PostMessageW(answers_, SolverAnswered, 0, 0);
        });
    }
    solver_->Ask(question);
}

void WinGameHost::ForgetSolverQuestion() {
    if (solver_) {
        solver_->Forget();
    }
}

std::string WinGameHost::Translate(const char* text) {
    return tintineables::Translate(language_, text);
}

void WinGameHost::ReportError(const std::string& message) {
    std::fprintf(stderr, "tintineables: %s\n", message.c_str());
    std::fflush(stderr);
    if (hooks_.reportError) {
        hooks_.reportError(message);
    }
}

void WinGameHost::End(int status) {
    status_ = status;
    PostQuitMessage(status);
}

} // namespace tintineables
