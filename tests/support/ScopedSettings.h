// The program-wide settings a test may change: the language, the init address, the
// update dialog's offset, the leak report, and in the Windows tests the application's
// title. One ScopedSettings saves them all and puts them back when it goes, so no test
// restores them by hand and none sees what another left.
//
// SettingsLeakCheck.cpp (linked into every test program) compares them before and after
// each test: a test that changes one without a guard fails, naming the setting.
#pragma once

#include <string>

#include "Tavin/Translate.h"
#include "Tavin/Update.h"
#if defined(_WIN32)
#include "ui/win32/Application.h"
#endif

struct ProgramSettings {
  std::wstring language;
  std::wstring updateUrl;
  int dialogOffset = 0;
  bool reportLeaksAtExit = false;
#if defined(_WIN32)
  std::wstring title;
#endif

  static ProgramSettings Current() {
    ProgramSettings settings;
    settings.language = CurrentLanguage;
    settings.updateUrl = UpdateURL;
    settings.dialogOffset = DialogOffset;
    settings.reportLeaksAtExit = ReportLeaksAtExit;
#if defined(_WIN32)
    settings.title = Application().Title();
#endif
    return settings;
  }

  void Apply() const {
    CurrentLanguage = language;
    UpdateURL = updateUrl;
    DialogOffset = dialogOffset;
    ReportLeaksAtExit = reportLeaksAtExit;
#if defined(_WIN32)
    Application().SetTitle(title);
#endif
  }

  // The names of the settings that differ, "" when none does.
  std::string Differences(const ProgramSettings& other) const {
    std::string names;
    auto note = [&names](bool differs, const char* name) {
      if (differs) names += (names.empty() ? "" : ", ") + std::string(name);
    };
    note(language != other.language, "CurrentLanguage");
    note(updateUrl != other.updateUrl, "UpdateURL");
    note(dialogOffset != other.dialogOffset, "DialogOffset");
    note(reportLeaksAtExit != other.reportLeaksAtExit, "ReportLeaksAtExit");
#if defined(_WIN32)
    note(title != other.title, "Application().Title()");
#endif
    return names;
  }
};

class ScopedSettings {
 public:
  ScopedSettings() : saved_(ProgramSettings::Current()) {}
  ~ScopedSettings() { saved_.Apply(); }
  ScopedSettings(const ScopedSettings&) = delete;
  ScopedSettings& operator=(const ScopedSettings&) = delete;

 private:
  ProgramSettings saved_;
};
