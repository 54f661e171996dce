// More ways to watch a running panel: its keyboard focus, the calls it made
// since a moment, a point after which everything posted to it has been
// handled, the settings file's lines, and a second start with the files the
// first run left.
#pragma once

#include <windows.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "harness/journal.h"
#include "harness/panel.h"
#include "harness/wait.h"
#include "harness/window.h"

namespace e2e {

// The control with the keyboard focus in the panel's GUI thread, whichever
// window is in front.
Window FocusedControl(const Panel& panel);

// Returns once the panel's GUI thread has handled every message posted to
// it before (Window::Click, Window::Select post theirs).
void Settle(const Panel& panel);

// The texts of EditX, EditY, EditWidth, EditHeight.
std::vector<std::wstring> RectangleEdits(const Panel& panel);
void SetRectangleEdits(const Panel& panel, int x, int y, int width, int height);
// Four numbers as the edits show them.
std::vector<std::wstring> RectangleTexts(int x, int y, int width, int height);

// A moment in the library's journal: the sequence number of its last entry.
uint32_t JournalMark();
// Now, on the clock of the journal's times (Call::microseconds).
uint64_t JournalClock();
// The panel's calls after the mark, without the timers' queries.
std::vector<Call> CallsSince(const Panel& panel, uint32_t mark);
// Waits until the panel has made a whole push after the mark (a group ended
// by NOLB_Unlock), and returns its calls since the mark.
std::vector<Call> WaitForPush(const Panel& panel, uint32_t mark, Duration timeout = kDefaultTimeout);

// The ticks of the panel's target watch after the mark (it asks
// NOLB_IsEnabled once a tick, every 60 ms, while its target is a window or
// the markers are shown): a clock for waiting that something does not
// happen.
size_t WatchTicksSince(const Panel& panel, uint32_t mark);
// The ticks of the status line after the mark (NOLB_IsHooked, every 330 ms,
// for the whole run): the clock when the watch has nothing to watch.
size_t StatusTicksSince(const Panel& panel, uint32_t mark);

// The calls of one push: Lock, SetMode (any modes), SetTarget with these
// values, Enabled(1), Unlock.
std::vector<std::string> PushOf(int32_t target, int32_t x, int32_t y, int32_t width, int32_t height);
// "NOLB_SetTarget(target, x, y, width, height)".
std::string SetTargetCall(int32_t target, int32_t x, int32_t y, int32_t width, int32_t height);
// The calls are exactly the expected ones, as CallsAre, with a vector.
::testing::AssertionResult CallsAreList(const std::vector<Call>& actual, const std::vector<std::string>& expected);

// The key=value lines of one section of an INI file, in file order.
std::vector<std::pair<std::string, std::string>> SectionEntries(const std::filesystem::path& file,
                                                                const std::string& section);

// Starts the panel while this thread holds the library's lock, so that its
// start-up waits inside NOLB_Init, its main window made and not shown yet:
// what whileWaiting posts to that window comes before every task the
// start-up queues for its message loop (the other windows, the markers, the
// kept target). The lock is given back after whileWaiting, also when it
// throws; the options' waitForMainWindow is not looked at.
Panel StartWaitingInInit(PanelOptions options, const std::function<void(const Window& main)>& whileWaiting);

// Options for starting the program again with the settings file and the list
// files that an ended panel left, in the same arrangement of folders.
PanelOptions CarriedOver(const Panel& ended, PanelOptions options = {});

}  // namespace e2e
