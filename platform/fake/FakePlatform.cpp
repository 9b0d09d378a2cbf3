#include "platform/fake/FakePlatform.h"

namespace {

// One line per service, so a new one is a new line.
Platform Slots(FakePlatform& fake) {
  Platform slots;
  slots.registry = &fake.registry;
  slots.shell = &fake.shell;
  slots.system = &fake.system;
  slots.files = &fake.files;
  slots.services = &fake.services;
  slots.com = &fake.com;
  slots.resources = &fake.resources;
  slots.locale = &fake.locale;
  slots.versions = &fake.versions;
  slots.icons = &fake.icons;
  slots.http = &fake.http;
  slots.process = &fake.process;
  slots.signatures = &fake.signatures;
  return slots;
}

}  // namespace

FakePlatform::FakePlatform() : installed_(Slots(*this)) {
  // The shell folders as a 32-bit program sees them on 64-bit Windows 10: the
  // CSIDL_PROGRAM_FILES family points into "Program Files (x86)".
  shell.SetFolder(CSIDL_STARTUP, kFakeUserStartup);
  shell.SetFolder(CSIDL_COMMON_STARTUP, kFakeCommonStartup);
  shell.SetFolder(CSIDL_APPDATA, L"C:\\Users\\user\\AppData\\Roaming");
  shell.SetFolder(CSIDL_COMMON_APPDATA, L"C:\\ProgramData");
  shell.SetFolder(CSIDL_WINDOWS, L"C:\\Windows");
  shell.SetFolder(CSIDL_PROGRAM_FILES, L"C:\\Program Files (x86)");
  shell.SetFolder(CSIDL_PROGRAM_FILESX86, L"C:\\Program Files (x86)");
  shell.SetFolder(CSIDL_PROGRAM_FILES_COMMON, L"C:\\Program Files (x86)\\Common Files");
  shell.SetFolder(CSIDL_PROGRAM_FILES_COMMONX86, L"C:\\Program Files (x86)\\Common Files");
  shell.SetFolder(CSIDL_COMMON_DOCUMENTS, L"C:\\Users\\Public\\Documents");

  resources.AddProgramResources();
  // GetFileVersionInfoSizeW and ExtractAssociatedIconW look at files, never folders.
  auto isFile = [this](std::wstring_view path) {
    DWORD error = 0;
    const DWORD attributes = files.GetFileAttributesW(std::wstring(path).c_str(), &error);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
  };
  versions.fileExists = isFile;
  icons.fileExists = isFile;
  signatures.fileExists = isFile;

  files.AddFolder(kFakeUserStartup);
  files.AddFolder(kFakeCommonStartup);

  // Every Windows has these two keys, spelled so.
  registry.CreateKey(HKEY_LOCAL_MACHINE, L"SOFTWARE");
  registry.CreateKey(HKEY_CURRENT_USER, L"Software");
}
