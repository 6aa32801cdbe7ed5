// What a Windows screen reader is told, read the way NVDA and JAWS read it: listens to the
// system's accessibility events for the foreground window, the focus and a name's change, and
// for each asks the object's accessible name and role through Windows' accessibility interfaces
// (MSAA), then prints one line: "foreground|NAME|ROLE", "focus|NAME|ROLE" or "name|NAME|ROLE".
// For the Windows edition's test.
//   accessibility_probe.exe SECONDS
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
    VARIANT role;
    VariantInit(&role);
    wchar_t roleText[128] = L"?";
    if (accessible->get_accRole(self, &role) == S_OK && role.vt == VT_I4) {
        GetRoleTextW(static_cast<DWORD>(role.lVal), roleText, 128);
    }
    std::printf("%s|%s|%s\n", what, Utf8(name).c_str(), Utf8(roleText).c_str());
    std::fflush(stdout);
    SysFreeString(name);
    accessible->Release();
}

} // namespace

int main(int argc, char** argv) {
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 60;
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    SetWinEventHook(EVENT_SYSTEM_FOREGROUND, EVENT_SYSTEM_FOREGROUND, nullptr, Told, 0, 0,
                    WINEVENT_OUTOFCONTEXT);
    SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_FOCUS, nullptr, Told, 0, 0,
                    WINEVENT_OUTOFCONTEXT);
    SetWinEventHook(EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_NAMECHANGE, nullptr, Told, 0, 0,
                    WINEVENT_OUTOFCONTEXT);
    std::printf("listening\n");
    std::fflush(stdout);
    SetTimer(nullptr, 0, static_cast<UINT>(seconds) * 1000, nullptr);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0 && message.message != WM_TIMER) {
        DispatchMessageW(&message);
    }
    CoUninitialize();
    return 0;
}
