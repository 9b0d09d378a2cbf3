// The update check: attempts and pauses in virtual time, the hand-over to the
// user-interface thread, every row of what the callback receives, stopping, and a
// conversion error ending the reply step.
#include <gtest/gtest.h>

#include <atomic>
#include <future>
#include <thread>

#include "Tavin/Translate.h"
#include "Tavin/Update.h"
#include "Tavin/UpdateCheck.h"
#include "platform/fake/FakePlatform.h"
#include "tests/support/Bytes.h"
#include "tests/support/ScopedSettings.h"
#include "tests/support/UpdateDoubles.h"

namespace {

constexpr wchar_t kUrl[] = L"https://init.example.test/api.init.php";
// A stuck test must fail, not hang the run; nothing is measured against this.
constexpr auto kHangGuard = std::chrono::seconds(30);

struct CallbackCall {
  bool flag;
  std::wstring text;
  std::uint64_t virtualMs;  // the virtual time slept when it came
  std::thread::id thread;
};

class UpdateCheckTest : public ::testing::Test {
 protected:
  UpdateCheckTest() {
    versions.file = kFakeExePath;
    versions.versionMs = 0x00010000;
    versions.versionLs = 0x00070000;
  }

  static Platform WithVersions(IVersionInfo* versions) {
    Platform platform = CurrentPlatform();
    platform.versions = versions;
    return platform;
  }

  TUpdateProc Recorder() {
    return [this](bool flag, const std::wstring& text) {
      calls.push_back({flag, text, fake.process.PausedMilliseconds(), std::this_thread::get_id()});
    };
  }

  // Starts the check with a callback, as the main window does, and serves hand-overs on
  // this thread (the user-interface thread) until the task has ended.
  std::shared_ptr<TUpdateCheck> RunWithCallback() {
    auto check = CheckUpdate(kUrl, Recorder(), 10, host);
    dispatcher->ServeUntil([&check] { return check->Finished(); });
    return check;
  }

  ScopedSettings settings_;
  FakePlatform fake;
  FixedVersionDouble versions;
  ScopedPlatform withVersions_{WithVersions(&versions)};
  std::shared_ptr<TQueueDispatcher> dispatcher = std::make_shared<TQueueDispatcher>();
  std::shared_ptr<RecordingUpdateUi> ui = std::make_shared<RecordingUpdateUi>();
  TUpdateHost host{dispatcher, ui};
  std::vector<CallbackCall> calls;
};

TEST_F(UpdateCheckTest, WhatTheCallbackReceives) {
  struct Case {
    const char* situation;
    std::vector<FakeHttpResponse> responses;
    bool userSaysYes;
    // Expected:
    int attempts;
    std::uint64_t virtualMs;
    bool flag;
    std::wstring text;
    int dialogs;
    std::vector<std::wstring> opened;
    std::vector<std::wstring> statusLinks;
  };
  const std::string withUpdate =
      R"({"update":"https:\/\/dl.example.test\/orvane.exe","info":{"style":"hold"}})";
  const std::string withNotify = R"({"notify":"https://example.test/news","file_white":["a*"]})";
  const std::string both = R"({"update":"https://dl.example.test/u","notify":"https://n.test/"})";
  const Case cases[] = {
      {"a reply without an update link", {FakeHttpResponse::Ok(R"({"file_white":["x.exe*"]})")},
       true, 1, 0, false, LR"({"file_white":["x.exe*"]})", 0, {}, {}},
      {"an update the user declines", {FakeHttpResponse::Ok(withUpdate)}, false, 1, 0, false,
       Utf8ToWide(withUpdate), 1, {}, {}},
      {"an update the user takes", {FakeHttpResponse::Ok(withUpdate)}, true, 1, 0, true,
       Utf8ToWide(withUpdate), 1, {L"https://dl.example.test/orvane.exe"}, {}},
      {"a notify link only", {FakeHttpResponse::Ok(withNotify)}, true, 1, 0, false,
       Utf8ToWide(withNotify), 0, {}, {L"https://example.test/news"}},
      {"update and notify, taken", {FakeHttpResponse::Ok(both)}, true, 1, 0, true, Utf8ToWide(both), 1,
       {L"https://dl.example.test/u"}, {L"https://n.test/"}},
      {"a 404 page", {FakeHttpResponse::Ok("<html>Not Found</html>", 404)}, true, 1, 0, false,
       L"<html>Not Found</html>", 0, {}, {}},
      {"an empty body", {FakeHttpResponse::Ok("")}, true, 1, 0, false, L"", 0, {}, {}},
      {"success on the third attempt",
       {FakeHttpResponse::Fail(ERROR_WINHTTP_TIMEOUT), FakeHttpResponse::Fail(ERROR_WINHTTP_NAME_NOT_RESOLVED),
        FakeHttpResponse::Ok("{}")},
       true, 3, 20'000, false, L"{}", 0, {}, {}},
      {"a body over the cap, then a good one",
       {FakeHttpResponse::Ok(std::string(kHttpBodyCap + 1, ' ')), FakeHttpResponse::Ok("{}")}, true,
       2, 10'000, false, L"{}", 0, {}, {}},
      {"all six attempts fail", {}, true, 6, 60'000, false, L"", 0, {}, {}},
      // A link that is no web address is never opened, and the program must not close
      // for an update that never started.
      {"an update link that is a local program", {FakeHttpResponse::Ok(R"({"update":"C:\\Windows\\calc.exe"})")},
       true, 1, 0, false, LR"({"update":"C:\\Windows\\calc.exe"})", 0, {}, {}},
      // The dialog would offer what cannot be opened: it is not shown at all.
      {"an update link with a blank", {FakeHttpResponse::Ok(R"({"update":"https://x.test/a b"})")},
       true, 1, 0, false, LR"({"update":"https://x.test/a b"})", 0, {}, {}},
      // The status bar is a link too: it appears only for what a click would open.
      {"a notify link that is a local program", {FakeHttpResponse::Ok(R"({"notify":"C:\\x.exe"})")},
       true, 1, 0, false, LR"({"notify":"C:\\x.exe"})", 0, {}, {}},
      {"a notify link that is a script", {FakeHttpResponse::Ok(R"({"notify":"javascript:void"})")},
       true, 1, 0, false, LR"({"notify":"javascript:void"})", 0, {}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.situation);
    FakePlatform local;
    ScopedPlatform localVersions(WithVersions(&versions));
    for (const FakeHttpResponse& response : c.responses) local.http.Script(response);
    auto localUi = std::make_shared<RecordingUpdateUi>();
    localUi->answerYes = c.userSaysYes;
    auto localDispatcher = std::make_shared<TQueueDispatcher>();
    std::vector<std::pair<bool, std::wstring>> received;
    auto check = CheckUpdate(
        kUrl, [&](bool flag, const std::wstring& text) { received.emplace_back(flag, text); }, 10,
        {localDispatcher, localUi});
    localDispatcher->ServeUntil([&check] { return check->Finished(); });

    EXPECT_EQ(local.http.Calls().size(), static_cast<size_t>(c.attempts));
    EXPECT_EQ(local.process.PausedMilliseconds(), c.virtualMs);
    ASSERT_EQ(received.size(), 1u);
    EXPECT_EQ(received[0].first, c.flag);
    EXPECT_EQ(received[0].second, c.text);
    EXPECT_EQ(localUi->dialogs.size(), static_cast<size_t>(c.dialogs));
    for (const std::wstring& dialogReply : localUi->dialogs) EXPECT_EQ(dialogReply, c.text);
    std::vector<std::wstring> opened;
    for (const ShellExecuteCall& call : local.shell.executed) opened.push_back(call.file);
    EXPECT_EQ(opened, c.opened);
    EXPECT_EQ(localUi->statusLinks, c.statusLinks);
  }
}

TEST_F(UpdateCheckTest, EveryAttemptSendsTheSameHeadersToTheUrlAndEveryFailurePausesTenSeconds) {
  CurrentLanguage = L"de";
  RunWithCallback();
  const std::vector<HttpCall> sent = fake.http.Calls();
  ASSERT_EQ(sent.size(), 6u);
  const std::wstring id = fake.registry.GetString(HKEY_CURRENT_USER, kInstallIdKey, kInstallIdValue).value_or(L"?");
  for (const HttpCall& call : sent) {
    EXPECT_EQ(call.url, kUrl);
    EXPECT_EQ(call.headers, (HttpHeaders{{L"User-Version", L"1.0.7.0"},
                                         {L"User-Language", L"de"},
                                         {L"User-Debug", L"false"},
                                         {L"User-Union", id}}));
  }
  // The identifier is read once per task, not per attempt.
  EXPECT_EQ(fake.registry.faults.Calls("RegCreateKeyExW"), 1);
  // 6 pauses, each one wait of 10 s; the callback only after the last one.
  EXPECT_EQ(fake.process.PauseCalls(), 6u);
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].virtualMs, 60'000u);
  EXPECT_EQ(calls[0].thread, std::this_thread::get_id()) << "the callback runs on the UI thread";
  EXPECT_EQ(UpdateURL, kUrl);
  EXPECT_EQ(DialogOffset, 10);
}

TEST_F(UpdateCheckTest, AStopDuringAPauseEndsTheTaskAndNothingFollows) {
  // The task may reach its second pause before CheckUpdate has returned the handle here:
  // it waits for the hand-over, bounded on the steady clock, instead of spinning.
  std::promise<TUpdateCheck*> handedOver;
  std::shared_future<TUpdateCheck*> running = handedOver.get_future().share();
  fake.process.afterPause = [&](std::uint64_t elapsed) {
    // During the second pause.
    if (elapsed != 20'000) return;
    if (running.wait_for(kHangGuard) != std::future_status::ready) {
      ADD_FAILURE() << "the check's handle was never handed over";
      return;
    }
    running.get()->Stop();
  };
  auto check = CheckUpdate(kUrl, Recorder(), 10, host);
  handedOver.set_value(check.get());
  dispatcher->ServeUntil([&check] { return check->Finished(); });

  EXPECT_EQ(fake.process.PauseCalls(), 2u) << "no pause after the stop";
  EXPECT_EQ(fake.http.Calls().size(), 2u);
  EXPECT_TRUE(calls.empty());
  EXPECT_TRUE(ui->dialogs.empty());
  EXPECT_EQ(dispatcher->Waiting(), 0);
}

// The pause itself: one wait on the steady clock that a stop from another thread ends at
// once. An hour-long wait is ended; were the stop not noticed, the guard would fail the
// test instead of hanging the run.
TEST(StopSignalTest, AStopEndsAWaitAtOnceAndStaysStopped) {
  StopSignal signal;
  EXPECT_FALSE(signal.WaitFor(std::chrono::milliseconds(1)));
  auto waiting = std::async(std::launch::async, [&signal] { return signal.WaitFor(std::chrono::hours(1)); });
  signal.Stop();
  ASSERT_EQ(waiting.wait_for(kHangGuard), std::future_status::ready);
  EXPECT_TRUE(waiting.get());
  EXPECT_TRUE(signal.Stopped());
  EXPECT_TRUE(signal.WaitFor(std::chrono::hours(1))) << "a stopped signal waits no more";
}

TEST_F(UpdateCheckTest, ClosingWhileARequestHangsEndsTheTaskAtOnce) {
  fake.http.Script(FakeHttpResponse::Hang());
  auto check = CheckUpdate(kUrl, Recorder(), 10, host);
  ASSERT_TRUE(fake.http.WaitUntilHanging(1, kHangGuard)) << "the request never reached its hang";
  ASSERT_EQ(fake.http.Hanging(), 1);
  // What the window does when it is closed: refuse further hand-overs, stop the task.
  dispatcher->Close();
  check->Stop();
  ASSERT_TRUE(check->WaitFor(kHangGuard));
  EXPECT_EQ(fake.http.Calls().size(), 1u) << "no retry after the stop";
  EXPECT_EQ(fake.process.PausedMilliseconds(), 0u) << "no pause after the stop";
  EXPECT_TRUE(calls.empty());
}

TEST_F(UpdateCheckTest, AReplyThatArrivesAfterTheWindowIsGoneRunsNothing) {
  fake.http.Script(FakeHttpResponse::Ok(R"({"update":"https://dl.example.test/u"})"));
  ui->answerYes = true;
  dispatcher->Close();
  auto check = CheckUpdate(kUrl, Recorder(), 10, host);
  ASSERT_TRUE(check->WaitFor(kHangGuard));
  EXPECT_TRUE(ui->dialogs.empty());
  EXPECT_TRUE(fake.shell.executed.empty());
  EXPECT_TRUE(calls.empty());
}

// A bad escape only empties the value it is in: the other link still works and the
// callback always comes, so the list is always filled.
TEST_F(UpdateCheckTest, AConversionErrorEmptiesItsValueAndTheReplyStepGoesOn) {
  struct Case {
    const char* where;
    std::string reply;
    int dialogs;
    std::vector<std::wstring> statusLinks;
  };
  const Case cases[] = {
      {"in the update link", R"({"update":"https://x.test/\u00G1","notify":"https://n.test/"})", 0,
       {L"https://n.test/"}},
      {"at the end of the notify link", R"({"update":"https://x.test/","notify":"https://n.test/\u"})", 1,
       {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.where);
    FakePlatform local;
    ScopedPlatform localVersions(WithVersions(&versions));
    local.http.Script(FakeHttpResponse::Ok(c.reply));
    auto localUi = std::make_shared<RecordingUpdateUi>();
    auto localDispatcher = std::make_shared<TQueueDispatcher>();
    std::vector<std::wstring> received;
    auto check = CheckUpdate(
        kUrl, [&](bool, const std::wstring& text) { received.push_back(text); }, 10,
        {localDispatcher, localUi});
    localDispatcher->ServeUntil([&check] { return check->Finished(); });
    EXPECT_EQ(localUi->dialogs.size(), static_cast<size_t>(c.dialogs));
    EXPECT_EQ(localUi->statusLinks, c.statusLinks);
    EXPECT_EQ(received, std::vector<std::wstring>{Utf8ToWide(c.reply)});
    EXPECT_EQ(local.http.Calls().size(), 1u) << "a bad reply is not retried";
  }
}

TEST_F(UpdateCheckTest, WithoutACallbackCheckUpdateReturnsAfterTheReplyStep) {
  fake.http.Script(FakeHttpResponse::Ok(R"({"notify":"https://n.test/"})"));
  auto check = CheckUpdate(kUrl, nullptr, 7, host);
  EXPECT_TRUE(check->Finished());
  EXPECT_EQ(ui->statusLinks, std::vector<std::wstring>{L"https://n.test/"});
  EXPECT_EQ(DialogOffset, 7);
}

TEST_F(UpdateCheckTest, HandleReplyRunsEveryStepEvenForAnEmptyReply) {
  RecordingUpdateUi direct;
  bool called = false;
  HandleReply(L"", [&](bool flag, const std::wstring& text) {
    called = true;
    EXPECT_FALSE(flag);
    EXPECT_EQ(text, L"");
  }, direct);
  EXPECT_TRUE(called);
  EXPECT_TRUE(direct.dialogs.empty());
  EXPECT_TRUE(direct.statusLinks.empty());
  // Without a callback the step still shows what it finds.
  HandleReply(LR"({"notify":"https:\/\/n.test\/"})", nullptr, direct);
  EXPECT_EQ(direct.statusLinks, std::vector<std::wstring>{L"https://n.test/"});
}

TEST(QueueDispatcherTest, SendRunsOnTheServingThreadAndCarriesExceptionsBack) {
  TQueueDispatcher dispatcher;
  std::atomic<bool> done{false};
  std::thread::id ranOn;
  bool threw = false;
  std::thread background([&] {
    EXPECT_TRUE(dispatcher.Send([&] { ranOn = std::this_thread::get_id(); }));
    try {
      (void)dispatcher.Send([] { throw std::runtime_error("from the UI thread"); });
    } catch (const std::runtime_error&) {
      threw = true;
    }
    done = true;
    dispatcher.Wake();
  });
  dispatcher.ServeUntil([&] { return done.load(); });
  background.join();
  EXPECT_EQ(ranOn, std::this_thread::get_id());
  EXPECT_TRUE(threw);

  dispatcher.Close();
  bool ran = false;
  EXPECT_FALSE(dispatcher.Send([&] { ran = true; }));
  EXPECT_FALSE(ran);
}

}  // namespace
