// lumivane-chatroom: a stand-in for the chat client's window tree, so Lumivane can
// be tried and tested without the client. A frame holds a multiple-document area
// with one document window per chat room; each room has the controls the client's
// rooms have, an input control that takes a line on Enter, and a transcript that
// shows the received lines in their fonts and colours.
#include <windows.h>
#include <richedit.h>
#include <shellapi.h>

#include <deque>
#include <iterator>
#include <string>
#include <vector>

#include "tools/chatroom/chat_markup.h"
#include "tools/chatroom/chatroom_options.h"

namespace lumivane {
namespace {

constexpr wchar_t kFrameClass[] = L"AOL Frame25";
constexpr wchar_t kRoomClass[] = L"AOL Child";
constexpr wchar_t kInputClass[] = L"RICHCNTL";
constexpr wchar_t kPeopleClass[] = L"_AOL_Listbox";
constexpr wchar_t kIconClass[] = L"_AOL_Icon";
constexpr wchar_t kLabelClass[] = L"_AOL_Static";
constexpr wchar_t kFrameTitle[] = L"Lumivane stand-in chat room";
constexpr wchar_t kDefaultFace[] = L"Arial";
constexpr wchar_t kScreenName[] = L"Guest";

// Posted to a room when its input control has taken a line.
constexpr UINT WM_APP_LINERECEIVED = WM_APP + 1;

constexpr int kFirstRoomId = 50000;
constexpr int kLabelHeight = 20;
constexpr int kInputHeight = 24;
constexpr int kPeopleWidth = 130;
constexpr int kIconSize = 32;
constexpr int kGap = 4;

struct App {
    HINSTANCE instance = nullptr;
    HWND area = nullptr;  // the frame's MDI client
    HANDLE log = INVALID_HANDLE_VALUE;
    bool logRoomNumbers = false;
    int hangAfter = -1;  // lines in all, then the hang
    int hangSeconds = 0;
    int inputLimit = -1;    // characters
    int linesReceived = 0;  // in all rooms
    const wchar_t* transcriptClass = nullptr;
    WNDPROC editProc = nullptr;
};
App g_app;

struct Room {
    int number = 0;
    HWND label = nullptr;
    HWND transcript = nullptr;
    HWND people = nullptr;
    HWND icon = nullptr;
    HWND input = nullptr;
    std::deque<std::wstring> received;  // taken by the input, not yet shown
};

Room* RoomOf(HWND window) {
    return reinterpret_cast<Room*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

std::string ToUtf8(const std::wstring& text) {
    if (text.empty()) return {};
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(size > 0 ? size : 0), '\0');
    if (size > 0)
        WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(),
                            size, nullptr, nullptr);
    return out;
}

// Writes to the console the program was started from, if there is one.
void WriteToConsole(DWORD which, const std::string& text) {
    HANDLE out = GetStdHandle(which);
    if (out == nullptr || out == INVALID_HANDLE_VALUE) {
        if (!AttachConsole(ATTACH_PARENT_PROCESS)) return;
        out = CreateFileW(L"CONOUT$", GENERIC_WRITE, FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                          nullptr);
        if (out == INVALID_HANDLE_VALUE) return;
    }
    DWORD written = 0;
    WriteFile(out, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

// One line of the log, written and flushed at once so a reader sees it whole.
void LogLine(const Room& room, const std::wstring& line) {
    if (g_app.log == INVALID_HANDLE_VALUE) return;
    std::string out = g_app.logRoomNumbers ? std::to_string(room.number) + "\t" : std::string();
    out += ToUtf8(line);
    out += '\n';
    DWORD written = 0;
    WriteFile(g_app.log, out.data(), static_cast<DWORD>(out.size()), &written, nullptr);
    FlushFileBuffers(g_app.log);
}

CHARFORMAT2W Format(const std::u16string& face, COLORREF color, bool bold) {
    CHARFORMAT2W format{};
    format.cbSize = sizeof format;
    format.dwMask = CFM_FACE | CFM_COLOR | CFM_BOLD | CFM_SIZE | CFM_CHARSET;
    format.dwEffects = bold ? CFE_BOLD : 0;
    format.yHeight = 200;  // 10 points, in twips
    format.bCharSet = DEFAULT_CHARSET;
    format.crTextColor = color;
    const std::wstring name =
        face.empty() ? std::wstring(kDefaultFace)
                     : std::wstring(reinterpret_cast<const wchar_t*>(face.data()), face.size());
    lstrcpynW(format.szFaceName, name.c_str(), static_cast<int>(std::size(format.szFaceName)));
    return format;
}

void AppendRun(HWND transcript, const std::wstring& text, CHARFORMAT2W format) {
    GETTEXTLENGTHEX length{GTL_NUMCHARS, 1200};
    const LONG end = static_cast<LONG>(
        SendMessageW(transcript, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&length), 0));
    CHARRANGE caret{end, end};
    SendMessageW(transcript, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&caret));
    SendMessageW(transcript, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
    SendMessageW(transcript, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
}

// Shows a line as the client would: the sender's name, then the text with its
// markup taken out, every run in its own face and colour.
void ShowLine(HWND transcript, const std::wstring& line) {
    SendMessageW(transcript, WM_SETREDRAW, FALSE, 0);
    AppendRun(transcript, std::wstring(kScreenName) + L":\t", Format(u"", RGB(0, 0, 0), true));
    const std::u16string_view text(reinterpret_cast<const char16_t*>(line.data()), line.size());
    for (const StyledRun& run : ParseChatMarkup(text)) {
        const std::wstring shown(reinterpret_cast<const wchar_t*>(run.text.data()),
                                 run.text.size());
        AppendRun(transcript, shown,
                  Format(run.face, run.color ? *run.color : RGB(0, 0, 0), false));
    }
    AppendRun(transcript, L"\r", Format(u"", RGB(0, 0, 0), false));
    SendMessageW(transcript, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(transcript, nullptr, TRUE);
    SendMessageW(transcript, WM_VSCROLL, SB_BOTTOM, 0);
}

// The client stops responding, as a hung one does: its one thread takes no
// message, sent or posted, for the time asked for.
void HangIfDue() {
    if (g_app.hangAfter >= 0 && g_app.linesReceived == g_app.hangAfter) {
        Sleep(static_cast<DWORD>(g_app.hangSeconds) * 1000);
    }
}

// The input control is an edit control under the client's class name. Enter takes
// its whole text as one line and empties it; everything else, WM_SETTEXT
// replacing the content included, is the edit control's own behaviour, except
// that with an input limit a longer text is refused: FALSE, the content kept.
LRESULT CALLBACK InputProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_SETTEXT && g_app.inputLimit >= 0 && lParam &&
        lstrlenW(reinterpret_cast<const wchar_t*>(lParam)) > g_app.inputLimit) {
        return FALSE;
    }
    if (msg == WM_CHAR && wParam == '\r') {
        const int length = GetWindowTextLengthW(hwnd);
        std::wstring line(static_cast<std::size_t>(length) + 1, L'\0');
        line.resize(static_cast<std::size_t>(GetWindowTextW(hwnd, line.data(), length + 1)));
        SetWindowTextW(hwnd, L"");
        const HWND roomWindow = GetParent(hwnd);
        if (Room* room = RoomOf(roomWindow)) {
            room->received.push_back(std::move(line));
            PostMessageW(roomWindow, WM_APP_LINERECEIVED, 0, 0);
        }
        return 0;
    }
    return CallWindowProcW(g_app.editProc, hwnd, msg, wParam, lParam);
}

LRESULT CALLBACK IconProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_PAINT) {
        PAINTSTRUCT paint;
        const HDC dc = BeginPaint(hwnd, &paint);
        DrawIcon(dc, 0, 0, LoadIcon(nullptr, IDI_INFORMATION));
        EndPaint(hwnd, &paint);
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

HWND CreateChild(HWND parent, DWORD exStyle, const wchar_t* className, const wchar_t* text,
                 DWORD style) {
    const HWND child = CreateWindowExW(exStyle, className, text, WS_CHILD | WS_VISIBLE | style, 0,
                                       0, 0, 0, parent, nullptr, g_app.instance, nullptr);
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), 0);
    return child;
}

void Room_Create(HWND hwnd, const CREATESTRUCTW& create) {
    const auto* mdi = static_cast<const MDICREATESTRUCTW*>(create.lpCreateParams);
    auto* room = new Room;
    room->number = static_cast<int>(mdi->lParam);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(room));

    const std::wstring name = L"Chat room " + std::to_wstring(room->number);
    room->label = CreateChild(hwnd, 0, kLabelClass, name.c_str(), SS_LEFT);
    room->transcript =
        CreateChild(hwnd, WS_EX_CLIENTEDGE, g_app.transcriptClass, L"",
                    WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | ES_NOHIDESEL);
    SendMessageW(room->transcript, EM_EXLIMITTEXT, 0, 0x7FFFFFFF);
    room->people =
        CreateChild(hwnd, WS_EX_CLIENTEDGE, kPeopleClass, L"", WS_VSCROLL | LBS_NOINTEGRALHEIGHT);
    SendMessageW(room->people, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(kScreenName));
    room->icon = CreateChild(hwnd, 0, kIconClass, L"", 0);
    room->input =
        CreateChild(hwnd, WS_EX_CLIENTEDGE, kInputClass, L"", WS_TABSTOP | ES_AUTOHSCROLL);
    SendMessageW(room->input, EM_SETLIMITTEXT, 0, 0);  // no limit on what is typed
}

void Room_Size(HWND hwnd) {
    const Room* room = RoomOf(hwnd);
    if (!room) return;
    RECT client;
    GetClientRect(hwnd, &client);
    const int width = client.right, height = client.bottom;
    const int middleTop = kLabelHeight + kGap;
    const int middleHeight = height - middleTop - kInputHeight - 2 * kGap;
    const int peopleLeft = width - kPeopleWidth - kGap;
    MoveWindow(room->label, kGap, kGap / 2, width - 2 * kGap, kLabelHeight, TRUE);
    MoveWindow(room->transcript, kGap, middleTop, peopleLeft - 2 * kGap, middleHeight, TRUE);
    MoveWindow(room->people, peopleLeft, middleTop, kPeopleWidth, middleHeight - kIconSize - kGap,
               TRUE);
    MoveWindow(room->icon, peopleLeft, middleTop + middleHeight - kIconSize, kIconSize, kIconSize,
               TRUE);
    MoveWindow(room->input, kGap, height - kInputHeight - kGap, width - 2 * kGap, kInputHeight,
               TRUE);
}

void Room_LineReceived(HWND hwnd) {
    Room* room = RoomOf(hwnd);
    if (!room) return;
    while (!room->received.empty()) {
        const std::wstring line = std::move(room->received.front());
        room->received.pop_front();
        LogLine(*room, line);
        ShowLine(room->transcript, line);
        ++g_app.linesReceived;
        HangIfDue();
    }
}

LRESULT CALLBACK RoomProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_CREATE: Room_Create(hwnd, *reinterpret_cast<CREATESTRUCTW*>(lParam)); break;
    case WM_SIZE: Room_Size(hwnd); break;  // and on to the MDI default for WM_SIZE
    case WM_SETFOCUS:
        if (const Room* room = RoomOf(hwnd)) SetFocus(room->input);
        return 0;
    case WM_APP_LINERECEIVED: Room_LineReceived(hwnd); return 0;
    case WM_NCDESTROY:
        delete RoomOf(hwnd);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        break;
    }
    return DefMDIChildProcW(hwnd, msg, wParam, lParam);
}

void Frame_Create(HWND hwnd) {
    CLIENTCREATESTRUCT client{nullptr, kFirstRoomId};
    g_app.area = CreateWindowExW(WS_EX_CLIENTEDGE, L"MDIClient", nullptr,
                                 WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_VSCROLL | WS_HSCROLL,
                                 0, 0, 0, 0, hwnd, nullptr, g_app.instance, &client);
}

LRESULT CALLBACK FrameProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_CREATE: Frame_Create(hwnd); return 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    }
    return DefFrameProcW(hwnd, g_app.area, msg, wParam, lParam);
}

void OpenRooms(int count) {
    for (int number = 1; number <= count; ++number) {
        const std::wstring title = L"Chat room " + std::to_wstring(number);
        MDICREATESTRUCTW create{};
        create.szClass = kRoomClass;
        create.szTitle = title.c_str();
        create.hOwner = g_app.instance;
        create.x = create.y = create.cx = create.cy = CW_USEDEFAULT;
        create.lParam = number;
        SendMessageW(g_app.area, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&create));
    }
    SendMessageW(g_app.area, WM_MDITILE, MDITILE_VERTICAL, 0);
}

// Registers `name` as a copy of a system control class, with its own procedure
// where one is given. Registered names are found without regard to case.
bool RegisterLike(const wchar_t* systemClass, const wchar_t* name, WNDPROC proc,
                  WNDPROC* systemProc) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    if (!GetClassInfoExW(nullptr, systemClass, &wc)) return false;
    if (systemProc) *systemProc = wc.lpfnWndProc;
    if (proc) wc.lpfnWndProc = proc;
    wc.hInstance = g_app.instance;
    wc.lpszClassName = name;
    wc.style &= ~CS_GLOBALCLASS;
    return RegisterClassExW(&wc) != 0;
}

bool RegisterClasses() {
    WNDCLASSEXW frame{};
    frame.cbSize = sizeof frame;
    frame.lpfnWndProc = FrameProc;
    frame.hInstance = g_app.instance;
    frame.hIcon = LoadIcon(nullptr, IDI_APPLICATION);
    frame.hCursor = LoadCursor(nullptr, IDC_ARROW);
    frame.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1);
    frame.lpszClassName = kFrameClass;

    WNDCLASSEXW room = frame;
    room.lpfnWndProc = RoomProc;
    room.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    room.lpszClassName = kRoomClass;

    WNDCLASSEXW icon = frame;
    icon.lpfnWndProc = IconProc;
    icon.hIcon = nullptr;
    icon.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    icon.lpszClassName = kIconClass;

    return RegisterClassExW(&frame) && RegisterClassExW(&room) && RegisterClassExW(&icon) &&
           RegisterLike(L"EDIT", kInputClass, InputProc, &g_app.editProc) &&
           RegisterLike(L"LISTBOX", kPeopleClass, nullptr, nullptr) &&
           RegisterLike(L"STATIC", kLabelClass, nullptr, nullptr);
}

const wchar_t* LoadRichEdit() {
    if (LoadLibraryW(L"Msftedit.dll")) return L"RICHEDIT50W";
    if (LoadLibraryW(L"Riched20.dll")) return L"RichEdit20W";
    return nullptr;
}

std::vector<std::u16string> Arguments() {
    int count = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::u16string> args;
    for (int i = 1; argv && i < count; ++i)
        args.emplace_back(reinterpret_cast<const char16_t*>(argv[i]));
    LocalFree(argv);
    return args;
}

int Run(HINSTANCE instance, int show) {
    std::string error;
    const auto options = ParseChatRoomOptions(Arguments(), error);
    if (!options) {
        WriteToConsole(STD_ERROR_HANDLE, "lumivane-chatroom: " + error + "\n");
        return 2;
    }
    if (options->help) {
        WriteToConsole(STD_OUTPUT_HANDLE, kChatRoomUsage);
        return 0;
    }
    g_app.instance = instance;
    g_app.logRoomNumbers = options->logRoomNumbers;
    g_app.hangAfter = options->hangAfter;
    g_app.hangSeconds = options->hangSeconds;
    g_app.inputLimit = options->inputLimit;
    if (!options->logPath.empty()) {
        const auto* path = reinterpret_cast<const wchar_t*>(options->logPath.c_str());
        g_app.log = CreateFileW(path, FILE_APPEND_DATA,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (g_app.log == INVALID_HANDLE_VALUE) {
            WriteToConsole(STD_ERROR_HANDLE, "lumivane-chatroom: cannot open the log file\n");
            return 1;
        }
    }
    g_app.transcriptClass = LoadRichEdit();
    if (!g_app.transcriptClass || !RegisterClasses()) {
        WriteToConsole(STD_ERROR_HANDLE, "lumivane-chatroom: cannot set up its windows\n");
        return 1;
    }
    // Right of the top-left corner where Lumivane's own window opens.
    const HWND frame =
        CreateWindowExW(0, kFrameClass, kFrameTitle, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 520, 40,
                        700, 450, nullptr, nullptr, instance, nullptr);
    if (!frame) return 1;
    ShowWindow(frame, show);
    UpdateWindow(frame);
    OpenRooms(options->rooms);
    HangIfDue();  // a hang after no line at all: now, with the windows open

    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (!TranslateMDISysAccel(g_app.area, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    if (g_app.log != INVALID_HANDLE_VALUE) CloseHandle(g_app.log);
    return static_cast<int>(msg.wParam);
}

}  // namespace
}  // namespace lumivane

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    return lumivane::Run(instance, show);
}
