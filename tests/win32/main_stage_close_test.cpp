// How the main stage ends: a close while the start-up question is open, a
// second close during the exit question, the end of the Windows session, and
// a start without its artwork. Settings go to a key of the test's own.
#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <functional>
#include <stdexcept>
#include <string>
#include <thread>

#include "app/menu_table.h"
#include "app/win/main_stage.h"
#include "app/win/run_clock.h"
#include "dialog_driver.h"
#include "stage_driver.h"

namespace velmira {
namespace {

constexpr wchar_t kTestKey[] = L"SOFTWARE\\VelmiraTests\\Close\\Settings";
constexpr wchar_t kTestParent[] = L"SOFTWARE\\VelmiraTests\\Close";

void ClearKey() { RegDeleteTreeW(HKEY_CURRENT_USER, kTestParent); }

void StoreDword(const wchar_t* name, DWORD value) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kTestKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                              &key, nullptr),
              ERROR_SUCCESS);
    RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), 4);
    RegCloseKey(key);
}

bool ReadDword(const wchar_t* name, DWORD& value) {
    DWORD size = sizeof(value);
    return RegGetValueW(HKEY_CURRENT_USER, kTestKey, name, RRF_RT_REG_DWORD, nullptr, &value,
                        &size) == ERROR_SUCCESS;
}

DWORD ValueCount() {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kTestKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return 0;
    DWORD count = 0;
    RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &count, nullptr,
                     nullptr, nullptr, nullptr);
    RegCloseKey(key);
    return count;
}

bool KeyExists() {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kTestKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

// Shift and Ctrl held at start, settings under the test's key.
StageEnvironment ResetEnvironment(bool shiftAndCtrl) {
    StageEnvironment environment = StageEnvironment::System();
    environment.settings.keyPath = kTestKey;
    environment.settings.parentKeyPath = kTestParent;
    environment.keyHeld = [shiftAndCtrl](int vk) {
        return shiftAndCtrl && (vk == VK_SHIFT || vk == VK_CONTROL);
    };
    return environment;
}

struct FoundQuestions {
    int count = 0;
    HWND first = nullptr;
};

// Counts a visible question box ("?") of this process into the
// FoundQuestions at `data`. A named function: the callback must be stdcall on i686.
BOOL CALLBACK CountQuestion(HWND hwnd, LPARAM data) {
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    wchar_t title[8] = {};
    wchar_t className[16] = {};
    if (pid == GetCurrentProcessId() && IsWindowVisible(hwnd) &&
        GetClassNameW(hwnd, className, 16) && lstrcmpW(className, L"#32770") == 0 &&
        GetWindowTextW(hwnd, title, 8) && lstrcmpW(title, L"?") == 0) {
        auto* f = reinterpret_cast<FoundQuestions*>(data);
        if (!f->first) f->first = hwnd;
        ++f->count;
    }
    return TRUE;
}

// The visible question boxes ("?") of this process.
int QuestionCount(HWND* first = nullptr) {
    FoundQuestions found;
    EnumWindows(&CountQuestion, reinterpret_cast<LPARAM>(&found));
    if (first) *first = found.first;
    return found.count;
}

HWND WaitForQuestion() { return driver::WaitForDialog(L"?"); }

// Starts a stage whose reset the user confirms.
void CreateAfterAConfirmedReset(TMainStage& stage) {
    std::thread driver([] {
        if (HWND question = WaitForQuestion()) PostMessageW(question, WM_COMMAND, IDOK, 0);
    });
    const bool created = stage.Create();
    driver.join();
    ASSERT_TRUE(created);
    ASSERT_TRUE(drive::View(stage).Session().settingsDeleted);
    ASSERT_FALSE(KeyExists());
}

TEST(MainStageClose, ACloseWhileTheResetQuestionIsOpenLeavesTheKeyAsItWas) {
    ClearKey();
    StoreDword(L"AnaDigi", 0);
    StoreDword(L"StayOnTop", 1);
    StoreDword(L"NotOurs", 77);
    TMainStage stage(drive::TestApplication(), ResetEnvironment(true));
    std::atomic<bool> asked{false};
    std::thread driver([&] {
        HWND question = WaitForQuestion();
        if (!question) return;
        asked = true;
        // The taskbar's close reaches the stage, not the question.
        PostMessageW(GetWindow(question, GW_OWNER), WM_CLOSE, 0, 0);
    });
    const bool created = stage.Create();
    driver.join();
    ASSERT_TRUE(asked);
    EXPECT_FALSE(created);
    EXPECT_TRUE(stage.ClosedDuringStart());
    EXPECT_EQ(stage.Handle(), nullptr);
    EXPECT_EQ(QuestionCount(), 0) << "the question went with the close";
    ASSERT_TRUE(KeyExists()) << "the close answered the question with Cancel";
    EXPECT_EQ(ValueCount(), 3u) << "no value was written";
    DWORD value = 0;
    EXPECT_TRUE(ReadDword(L"AnaDigi", value));
    EXPECT_EQ(value, 0u);
    ClearKey();
}

TEST(MainStageClose, ACloseWhileTheResetQuestionIsOpenMakesNoKeyWhereThereWasNone) {
    ClearKey();
    TMainStage stage(drive::TestApplication(), ResetEnvironment(true));
    std::thread closer([] {
        if (HWND question = WaitForQuestion())
            PostMessageW(GetWindow(question, GW_OWNER), WM_CLOSE, 0, 0);
    });
    EXPECT_FALSE(stage.Create());
    closer.join();
    EXPECT_TRUE(stage.ClosedDuringStart());
    EXPECT_FALSE(KeyExists());
}

TEST(MainStageClose, ASecondCloseDuringTheExitQuestionAsksNothingMore) {
    ClearKey();
    StoreDword(L"AnaDigi", 0);
    TMainStage stage(drive::TestApplication(), ResetEnvironment(true));
    CreateAfterAConfirmedReset(stage);
    std::atomic<int> questions{-1};
    const HWND hwnd = stage.Handle();
    std::thread driver([&] {
        HWND question = WaitForQuestion();
        if (!question) return;
        PostMessageW(hwnd, WM_CLOSE, 0, 0);
        Sleep(400);  // time for a second question to come up, if one would
        questions = QuestionCount(&question);
        PostMessageW(question, WM_COMMAND, IDCANCEL, 0);
    });
    SendMessageW(hwnd, WM_CLOSE, 0, 0);
    driver.join();
    EXPECT_EQ(questions, 1);
    EXPECT_TRUE(driver::PumpUntil([&] { return stage.Handle() == nullptr; })) << "the stage closed";
    EXPECT_FALSE(KeyExists()) << "Cancel keeps the settings deleted";
    ClearKey();
}

TEST(MainStageClose, TheEndOfTheSessionWritesTheSettingsAndStopsTheClock) {
    ClearKey();
    TMainStage stage(drive::TestApplication(), ResetEnvironment(false));
    ASSERT_TRUE(stage.Create());
    ASSERT_NE(drive::View(stage).Clocker(), nullptr);
    drive::Command(stage, menu_command::kMIThreadPrio1 + 4);
    drive::Command(stage, menu_command::kMIAmPm);
    EXPECT_NE(SendMessageW(stage.Handle(), WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), 0)
        << "the session end is never refused";
    ClearKey();  // the commands wrote at once; the session's end writes it all again
    SendMessageW(stage.Handle(), WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    DWORD value = 0;
    ASSERT_TRUE(ReadDword(L"ThreadPrio", value));
    EXPECT_EQ(value, 4u);
    ASSERT_TRUE(ReadDword(L"DigiAMPM", value));
    EXPECT_EQ(value, 1u);
    EXPECT_EQ(drive::View(stage).Clocker(), nullptr) << "the clock thread was stopped";
    DestroyWindow(stage.Handle());
    ClearKey();
}

TEST(MainStageClose, AfterAResetAChangedSettingWritesNothingUntilTheCloseAsks) {
    ClearKey();
    StoreDword(L"AnaDigi", 0);
    TMainStage stage(drive::TestApplication(), ResetEnvironment(true));
    CreateAfterAConfirmedReset(stage);
    SendMessageW(stage.Handle(), WM_COMMAND, menu_command::kStayOnTop1, 0);
    EXPECT_FALSE(KeyExists()) << "the deletion stands";
    DestroyWindow(stage.Handle());
    ClearKey();
}

TEST(MainStageClose, AnEndedSessionAfterAResetWritesNothingAndAsksNothing) {
    ClearKey();
    StoreDword(L"AnaDigi", 0);
    TMainStage stage(drive::TestApplication(), ResetEnvironment(true));
    CreateAfterAConfirmedReset(stage);
    std::atomic<bool> stop{false};
    std::atomic<int> asked{0};
    std::thread watcher([&] {
        while (!stop) {
            HWND question = nullptr;
            if (QuestionCount(&question) > 0) {
                ++asked;
                PostMessageW(question, WM_COMMAND, IDOK, 0);
            }
            Sleep(10);
        }
    });
    SendMessageW(stage.Handle(), WM_ENDSESSION, TRUE, 0);
    stop = true;
    watcher.join();
    EXPECT_EQ(asked, 0);
    EXPECT_FALSE(KeyExists());
    DestroyWindow(stage.Handle());
    ClearKey();
}

TEST(MainStageClose, MissingArtworkIsAClearErrorAtStart) {
    ClearKey();
    StageEnvironment environment = ResetEnvironment(false);
    environment.resources = GetModuleHandleW(L"kernel32.dll");  // a module without her pictures
    TMainStage stage(drive::TestApplication(), environment);
    std::string message;
    try {
        stage.Create();
    } catch (const std::runtime_error& error) {
        message = error.what();
    }
    EXPECT_NE(message.find("CharBMP"), std::string::npos) << "got: " << message;
    ClearKey();
}

TEST(MainStageClose, AStageThatCannotStartSaysSoAndEndsWithAnErrorCode) {
    ClearKey();
    StageEnvironment environment = ResetEnvironment(false);
    environment.resources = GetModuleHandleW(L"kernel32.dll");
    std::wstring message;
    std::thread reader([&] {
        HWND box = driver::WaitForDialog(L"Velmira時計");
        if (!box) return;
        message = driver::ControlText(box, 0xFFFF);  // the message box's text
        PostMessageW(box, WM_COMMAND, IDOK, 0);
    });
    const int code = RunVelmiraClock(GetModuleHandleW(nullptr), environment);
    reader.join();
    EXPECT_EQ(code, 1);
    EXPECT_NE(message.find(L"CharBMP"), std::wstring::npos) << "the box names what is missing";
    ClearKey();
}

}  // namespace
}  // namespace velmira
