#include "windows/win_game_host.h"

#include "windows/look_painter.h"
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

// A key as the game knows it: its virtual-key code, but for the keys after 0 on the row of
// digits, which the game knows by their place, whatever a layout prints on them and whatever code
// it gives them (a French layout's ")" is VK_OEM_4), by their scan codes.
KeyCode GameKeyOf(const MSG& message) {
    switch ((message.lParam >> 16) & 0xFF) {
    case 0x0C:
        return Key::Minus;
    case 0x0D:
        return Key::Equals;
    case 0x29: // left of 1: VK_OEM_3 on a US layout, VK_OEM_5 on a Spanish one, VK_OEM_7...
        return Key::Curtain;
    default:
        return static_cast<KeyCode>(message.wParam);
    }
}

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
    // What it shows a sighted player, and in which colours.
    FormLook look;
    Palette palette = HighContrastPalette;

    ControlId IdOf(HWND control) const {
        for (const auto& [id, child] : controls) {
            if (child == control) {
                return id;
            }
        }
        return NoControl;
    }
    // The captions band at the foot of the client area; empty when they are hidden.
    RECT CaptionArea() const {
        RECT client;
        GetClientRect(window, &client);
        if (!look.captioned) {
            return {client.left, client.bottom, client.right, client.bottom};
        }
        const int band = std::min(CaptionBandOf(client, screen).bandPixels,
                                  static_cast<int>(client.bottom - client.top) / 2);
        return {client.left, client.bottom - band, client.right, client.bottom};
    }
    // A mouse button on the window or a hole of it, for the game to decide.
    void MouseDown(HWND over, bool right) {
        const auto together = host->hooks_.mixer.HoldChanges();
        host->game_->MouseDown(screen, IdOf(over), right, IdOf(GetFocus()));
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
    const KeyUse use =
        game_->KeyDown(form->screen, GameKeyOf(message), shift, form->IdOf(GetFocus()));
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
        // A button that shows a caption other than its name, in the board's colours.
        const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (form->look.curtain) {
            FillRect(item.hDC, &item.rcItem, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
            return TRUE;
        }
        for (const auto& [button, caption] : form->shownCaptions) {
            if (button == item.hwndItem) {
                PaintButton(item.hDC, item.rcItem, caption, (item.itemState & ODS_FOCUS) != 0,
                            form->palette);
                return TRUE;
            }
        }
        break;
    }
    case WM_TIMER:
        host.game_->Tick(); // the spoken screens' captions follow their recordings
        return 0;
    case WM_SIZE:
        host.PlaceControls(*form);
        return 0;
    case WM_ERASEBKGND:
        return 1; // WM_PAINT covers it all
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC device = BeginPaint(window, &paint);
        RECT area;
        GetClientRect(window, &area);
        HBRUSH brush =
            CreateSolidBrush(form->look.curtain ? RGB(0, 0, 0) : ToColorRef(form->palette.board));
        FillRect(device, &area, brush);
        DeleteObject(brush);
        if (!form->look.curtain && form->screen != Screen::Board) {
            area.bottom = form->CaptionArea().top;
            PaintChoices(device, area, form->look.choices, form->palette);
        }
        if (!form->look.curtain && form->look.captioned) {
            PaintCaptions(device, form->CaptionArea(), form->look, form->palette);
        }
        EndPaint(window, &paint);
        return 0;
    }
    case WM_RBUTTONDOWN:
        form->MouseDown(nullptr, true); // on the board, Backspace
        return 0;
    case WM_LBUTTONDOWN: {
        // A click on a spoken screen's key, by a sighted helper: that key, pressed.
        if (form->screen == Screen::Board || form->look.curtain) {
            break;
        }
        RECT area;
        GetClientRect(window, &area);
        area.bottom = form->CaptionArea().top;
        const POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        const std::vector<RECT> boxes = ChoiceRects(area, form->look.choices.size());
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            if (PtInRect(&boxes[i], at)) {
                const KeyCode key = form->look.choices[i].key;
                const Screen screen = form->screen;
                const auto together = host.hooks_.mixer.HoldChanges();
                host.game_->KeyDown(screen, key, 0, NoControl);
                return 0;
            }
        }
        break;
    }
    case WM_SETTINGCHANGE:
    case WM_SYSCOLORCHANGE:
        // The player turned high contrast on or off, or changed its colours.
        form->palette = WindowsPalette();
        InvalidateRect(window, nullptr, TRUE);
        for (const auto& [id, child] : form->controls) {
            InvalidateRect(child, nullptr, TRUE);
        }
        break;
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
    case WM_RBUTTONDOWN: {
        // The game moves the cursor here, or picks up or drops on the cursor's own hole; the
        // right button takes back. The focus moves only as the game says.
        auto* form = reinterpret_cast<Form*>(GetWindowLongPtrW(GetParent(window), GWLP_USERDATA));
        if (form != nullptr) {
            form->MouseDown(window, message == WM_RBUTTONDOWN);
        }
        return 0;
    }
    case WM_ERASEBKGND:
        return 1; // WM_PAINT covers it all
    case WM_PAINT: {
        // The hole as the game shows it: its peg, empty or lifted, the centre, the cursor.
        PAINTSTRUCT paint;
        HDC device = BeginPaint(window, &paint);
        RECT box;
        GetClientRect(window, &box);
        auto* form = reinterpret_cast<Form*>(GetWindowLongPtrW(GetParent(window), GWLP_USERDATA));
        const int hole = static_cast<int>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (form == nullptr || form->look.curtain || hole < 1 || hole > HoleCount) {
            FillRect(device, &box, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        } else {
            PaintHole(device, box, form->look.holes[static_cast<std::size_t>(hole - 1)],
                      hole == CentreHole, form->look.cursor == hole, form->palette);
        }
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
    form->look.screen = view.screen;
    form->palette = WindowsPalette();
    // Sizable, and large enough to see the cross by (the designed 312 x 206 pixels held the holes
    // piled on one another), at the system's text scale.
    DWORD style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
    if (!view.maxButton) {
        style &= ~static_cast<DWORD>(WS_MAXIMIZEBOX);
    }
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    const int side = MulDiv(ShownClientPixels, dpi, 96);
    // It opens taller by its captions' band, the cross or the keys keeping their square.
    const int band = CaptionBandOf(RECT{0, 0, side, side}, view.screen).bandPixels;
    RECT frame{0, 0, side, side + band};
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
        if (control.kind == ControlKind::Hole) {
            SetWindowLongPtrW(child, GWLP_USERDATA, HoleOfControl(control.id));
        }
        form->controls.emplace_back(control.id, child);
    }
    PlaceControls(*form);
    // The game's clock, a tenth of a second, while the window stands.
    SetTimer(form->window, 1, 100, nullptr);
    forms_[static_cast<std::size_t>(view.screen)] = std::move(form);
}

void WinGameHost::PlaceControls(Form& form) {
    if (form.screen != Screen::Board) {
        return;
    }
    RECT area;
    GetClientRect(form.window, &area);
    area.bottom = form.CaptionArea().top;
    for (const auto& [id, child] : form.controls) {
        RECT place{};
        if (const int hole = HoleOfControl(id); hole != NoHole) {
            const Hole& at = HoleByNumber(hole);
            place = CellOf(area, at.x, at.y);
        } else if (id == Command9Control) {
            // The empty corner of the cross at its bottom right: two cells wide, a third of two
            // high, at its foot.
            const RECT from = CellOf(area, 6, 2);
            const RECT to = CellOf(area, 7, 1);
            const int margin = (to.right - to.left) / 10;
            const int height = (to.bottom - from.top) / 3;
            place = {from.left + margin, to.bottom - margin - height, to.right - margin,
                     to.bottom - margin};
        } else {
            continue;
        }
        MoveWindow(child, place.left, place.top, place.right - place.left, place.bottom - place.top,
                   TRUE);
    }
}

void WinGameHost::ShowLook(const FormLook& look) {
    Form* form = forms_[static_cast<std::size_t>(look.screen)].get();
    if (form == nullptr) {
        return;
    }
    const FormLook before = std::exchange(form->look, look);
    if (before.captioned != look.captioned) {
        PlaceControls(*form); // the cross takes the captions' band, or gives it back
    }
    const bool whole = look.screen != Screen::Board || before.curtain != look.curtain ||
                       before.captioned != look.captioned;
    if (whole) {
        InvalidateRect(form->window, nullptr, FALSE);
    } else if (before.caption != look.caption || before.status != look.status ||
               before.nextCaption != look.nextCaption) {
        const RECT band = form->CaptionArea();
        InvalidateRect(form->window, &band, FALSE);
    }
    for (const auto& [id, child] : form->controls) {
        const int hole = HoleOfControl(id);
        const auto at = static_cast<std::size_t>(hole - 1);
        const bool changed = hole != NoHole && (before.holes[at] != look.holes[at] ||
                                                (before.cursor == hole) != (look.cursor == hole));
        if (whole || changed) {
            InvalidateRect(child, nullptr, FALSE);
        }
    }
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

void WinGameHost::ApplySoundSettings(const SoundSettings& settings) {
    if (hooks_.applySoundSettings) {
        hooks_.applySoundSettings(settings);
    }
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
