// What a Windows screen reader is told, read the way NVDA and JAWS read it: listens to the
// system's accessibility events for the foreground window, the focus and a name's change, and
// for each asks the object's accessible name and role through Windows' accessibility interfaces
// (MSAA), then prints one line: "foreground|NAME|ROLE", "focus|NAME|ROLE" or "name|NAME|ROLE".
// With "pages", as the focus comes to a window whose controls have changed (an installer's next
// page), also every control shown in it, as a screen reader's review of the window reads them:
// "page|TITLE" and then "control|NAME|ROLE" for each. For the Windows edition's test.
//   accessibility_probe.exe SECONDS [pages]
#include <oleacc.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

std::string Utf8(const wchar_t* wide) {
    if (wide == nullptr) {
        return {};
    }
    const int length = WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<std::size_t>(length > 0 ? length - 1 : 0), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide, -1, text.data(), length, nullptr, nullptr);
    return text;
}

// As Windows' headers declare it, for a program linked without uuid libraries.
const IID AccessibleInterface = {
    0x618736E0, 0x3C3D, 0x11CF, {0x81, 0x0C, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71}};

bool readPages = false;
std::string lastPage;

std::string RoleText(IAccessible* accessible, VARIANT self) {
    VARIANT role;
    VariantInit(&role);
    wchar_t roleText[128] = L"?";
    if (accessible->get_accRole(self, &role) == S_OK && role.vt == VT_I4) {
        GetRoleTextW(static_cast<DWORD>(role.lVal), roleText, 128);
    }
    return Utf8(roleText);
}

// The name and role of a window's own object, as a screen reader reads a control.
std::string NameAndRole(HWND window) {
    IAccessible* accessible = nullptr;
    if (AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), AccessibleInterface,
                                   reinterpret_cast<void**>(&accessible)) != S_OK ||
        accessible == nullptr) {
        return "?|no accessible object";
    }
    VARIANT self;
    VariantInit(&self);
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    accessible->get_accName(self, &name);
    const std::string said = Utf8(name) + "|" + RoleText(accessible, self);
    SysFreeString(name);
    accessible->Release();
    return said;
}

BOOL CALLBACK AddControl(HWND control, LPARAM page) {
    if (IsWindowVisible(control)) {
        *reinterpret_cast<std::string*>(page) += "control|" + NameAndRole(control) + "\n";
    }
    return TRUE;
}

// Every control shown in a window, when they are not those read last.
void ReadPage(HWND top) {
    wchar_t title[256] = L"";
    GetWindowTextW(top, title, 256);
    std::string page = "page|" + Utf8(title) + "\n";
    EnumChildWindows(top, AddControl, reinterpret_cast<LPARAM>(&page));
    if (page != lastPage) {
        lastPage = page;
        std::printf("%s", page.c_str());
        std::fflush(stdout);
    }
}

void CALLBACK Told(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD, DWORD) {
    const char* what = event == EVENT_SYSTEM_FOREGROUND ? "foreground"
                       : event == EVENT_OBJECT_FOCUS    ? "focus"
                                                        : "name";
    IAccessible* accessible = nullptr;
    VARIANT self;
    VariantInit(&self);
    if (AccessibleObjectFromEvent(window, object, child, &accessible, &self) != S_OK ||
        accessible == nullptr) {
        std::printf("%s|?|no accessible object\n", what);
        std::fflush(stdout);
        return;
    }
    BSTR name = nullptr;
    accessible->get_accName(self, &name);
    std::printf("%s|%s|%s\n", what, Utf8(name).c_str(), RoleText(accessible, self).c_str());
    std::fflush(stdout);
    SysFreeString(name);
    accessible->Release();
    if (readPages && event == EVENT_OBJECT_FOCUS && window != nullptr) {
        ReadPage(GetAncestor(window, GA_ROOT));
    }
}

} // namespace

int main(int argc, char** argv) {
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 60;
    readPages = argc > 2 && std::string(argv[2]) == "pages";
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    SetWinEventHook(EVENT_SYSTEM_FOREGROUND, EVENT_SYSTEM_FOREGROUND, nullptr, Told, 0, 0,
                    WINEVENT_OUTOFCONTEXT);
    SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_FOCUS, nullptr, Told, 0, 0,
                    WINEVENT_OUTOFCONTEXT);
    SetWinEventHook(EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_NAMECHANGE, nullptr, Told, 0, 0,
                    WINEVENT_OUTOFCONTEXT);
    std::printf("listening\n");
    std::fflush(stdout);
    const UINT_PTR end = SetTimer(nullptr, 0, static_cast<UINT>(seconds) * 1000, nullptr);
    // A page whose first control says nothing as it takes the focus (a read-only field) is read
    // all the same, as the window in front changes.
    if (readPages) {
        SetTimer(nullptr, 0, 250, nullptr);
    }
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0 &&
           !(message.message == WM_TIMER && message.wParam == end)) {
        if (message.message == WM_TIMER && GetForegroundWindow() != nullptr) {
            ReadPage(GetForegroundWindow());
        }
        DispatchMessageW(&message);
    }
    CoUninitialize();
    return 0;
}
