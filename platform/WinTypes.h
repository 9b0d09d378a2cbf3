// The Win32 types, constants and error codes the portable code speaks in.
// On Windows they come from the system headers; elsewhere this file declares the
// same names with the same values, so the logic compiles and is tested natively.
#pragma once

#include <cstdint>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
// WIN32_LEAN_AND_MEAN leaves out the COM and shell headers, yet the portable code names
// their constants (COINIT_*, CLSCTX_*, VT_*, VARIANT_BOOL, CSIDL_*), so bring them back.
#include <objbase.h>
#include <oleauto.h>
#include <shlobj.h>
// Missing from mingw-w64's winerror.h; the value is Windows' own.
#ifndef ERROR_REPARSE_POINT_ENCOUNTERED
#define ERROR_REPARSE_POINT_ENCOUNTERED 4395L
#endif
#else

using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using LONG = std::int32_t;
using ULONG = std::uint32_t;
using BOOL = int;
using UINT = unsigned int;
using LSTATUS = LONG;
using HRESULT = LONG;
using REGSAM = DWORD;
using ULONG_PTR = std::uintptr_t;
using INT_PTR = std::intptr_t;
using VARIANT_BOOL = short;
using VARTYPE = unsigned short;

struct HKEY__;
using HKEY = HKEY__*;
struct SC_HANDLE__;
using SC_HANDLE = SC_HANDLE__*;
struct HWND__;
using HWND = HWND__*;
using HANDLE = void*;

struct FILETIME {
  DWORD dwLowDateTime;
  DWORD dwHighDateTime;
};

struct SYSTEMTIME {
  WORD wYear;
  WORD wMonth;
  WORD wDayOfWeek;
  WORD wDay;
  WORD wHour;
  WORD wMinute;
  WORD wSecond;
  WORD wMilliseconds;
};

struct GUID {
  std::uint32_t Data1;
  std::uint16_t Data2;
  std::uint16_t Data3;
  std::uint8_t Data4[8];
};

inline bool operator==(const GUID& a, const GUID& b) {
  if (a.Data1 != b.Data1 || a.Data2 != b.Data2 || a.Data3 != b.Data3) return false;
  for (int i = 0; i < 8; ++i)
    if (a.Data4[i] != b.Data4[i]) return false;
  return true;
}

// The predefined roots are sign-extended 32-bit values, as in the Windows headers.
#define ORVANE_ROOT_KEY(v) (reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG>(v))))
#define HKEY_CLASSES_ROOT ORVANE_ROOT_KEY(0x80000000)
#define HKEY_CURRENT_USER ORVANE_ROOT_KEY(0x80000001)
#define HKEY_LOCAL_MACHINE ORVANE_ROOT_KEY(0x80000002)
#define HKEY_USERS ORVANE_ROOT_KEY(0x80000003)
#define HKEY_PERFORMANCE_DATA ORVANE_ROOT_KEY(0x80000004)
#define HKEY_CURRENT_CONFIG ORVANE_ROOT_KEY(0x80000005)
#define HKEY_DYN_DATA ORVANE_ROOT_KEY(0x80000006)

constexpr BOOL TRUE = 1;
constexpr BOOL FALSE = 0;
constexpr int MAX_PATH = 260;

// Error codes.
constexpr LONG ERROR_SUCCESS = 0;
constexpr DWORD NO_ERROR = 0;
constexpr DWORD ERROR_INVALID_FUNCTION = 1;
constexpr DWORD ERROR_FILE_NOT_FOUND = 2;
constexpr DWORD ERROR_PATH_NOT_FOUND = 3;
constexpr DWORD ERROR_ACCESS_DENIED = 5;
constexpr DWORD ERROR_INVALID_HANDLE = 6;
constexpr DWORD ERROR_NOT_ENOUGH_MEMORY = 8;
constexpr DWORD ERROR_NO_MORE_FILES = 18;
constexpr DWORD ERROR_SHARING_VIOLATION = 32;
constexpr DWORD ERROR_INVALID_PARAMETER = 87;
constexpr DWORD ERROR_INSUFFICIENT_BUFFER = 122;
constexpr DWORD ERROR_MORE_DATA = 234;
constexpr DWORD ERROR_NO_MORE_ITEMS = 259;
constexpr DWORD ERROR_CANTWRITE = 1013;
constexpr DWORD ERROR_KEY_DELETED = 1018;
constexpr DWORD ERROR_INVALID_SERVICE_CONTROL = 1052;
constexpr DWORD ERROR_SERVICE_DOES_NOT_EXIST = 1060;
constexpr DWORD ERROR_SERVICE_MARKED_FOR_DELETE = 1072;
constexpr DWORD ERROR_SERVICE_EXISTS = 1073;
constexpr DWORD ERROR_INVALID_NAME = 123;
constexpr DWORD ERROR_FILE_TOO_LARGE = 223;
constexpr DWORD ERROR_DIR_NOT_EMPTY = 145;
constexpr DWORD ERROR_BAD_PATHNAME = 161;
constexpr DWORD ERROR_DIRECTORY = 267;
constexpr DWORD ERROR_WRITE_FAULT = 29;
constexpr DWORD ERROR_DISK_FULL = 112;
constexpr DWORD ERROR_BROKEN_PIPE = 109;
constexpr DWORD ERROR_ALREADY_EXISTS = 183;
constexpr DWORD ERROR_FILE_EXISTS = 80;
constexpr DWORD ERROR_NO_DATA = 232;
constexpr DWORD ERROR_REPARSE_POINT_ENCOUNTERED = 4395;

constexpr HRESULT S_OK = 0;
constexpr HRESULT S_FALSE = 1;
#define ORVANE_HR(v) (static_cast<HRESULT>(static_cast<std::uint32_t>(v)))
#define E_NOTIMPL ORVANE_HR(0x80004001)
#define E_NOINTERFACE ORVANE_HR(0x80004002)
#define E_POINTER ORVANE_HR(0x80004003)
#define E_FAIL ORVANE_HR(0x80004005)
#define E_ACCESSDENIED ORVANE_HR(0x80070005)
#define E_OUTOFMEMORY ORVANE_HR(0x8007000E)
#define E_INVALIDARG ORVANE_HR(0x80070057)
#define RPC_E_CHANGED_MODE ORVANE_HR(0x80010106)
#define RPC_E_TOO_LATE ORVANE_HR(0x80010119)
#define REGDB_E_CLASSNOTREG ORVANE_HR(0x80040154)
#define CO_E_NOTINITIALIZED ORVANE_HR(0x800401F0)
inline constexpr bool SUCCEEDED(HRESULT hr) { return hr >= 0; }
inline constexpr bool FAILED(HRESULT hr) { return hr < 0; }
inline constexpr HRESULT HRESULT_FROM_WIN32(DWORD x) {
  return static_cast<HRESULT>(x) <= 0 ? static_cast<HRESULT>(x)
                                      : static_cast<HRESULT>((x & 0x0000FFFFu) | 0x80070000u);
}

// Registry.
constexpr REGSAM KEY_QUERY_VALUE = 0x0001;
constexpr REGSAM KEY_SET_VALUE = 0x0002;
constexpr REGSAM KEY_CREATE_SUB_KEY = 0x0004;
constexpr REGSAM KEY_ENUMERATE_SUB_KEYS = 0x0008;
constexpr REGSAM KEY_NOTIFY = 0x0010;
constexpr REGSAM KEY_CREATE_LINK = 0x0020;
constexpr REGSAM KEY_WOW64_64KEY = 0x0100;
constexpr REGSAM KEY_WOW64_32KEY = 0x0200;
constexpr REGSAM READ_CONTROL = 0x00020000;
constexpr REGSAM DELETE = 0x00010000;
constexpr REGSAM KEY_READ = 0x20019;
constexpr REGSAM KEY_WRITE = 0x20006;
constexpr REGSAM KEY_ALL_ACCESS = 0xF003F;
constexpr DWORD REG_OPTION_NON_VOLATILE = 0;
constexpr DWORD REG_OPTION_CREATE_LINK = 2;
constexpr DWORD REG_OPTION_OPEN_LINK = 8;
constexpr DWORD REG_CREATED_NEW_KEY = 1;
constexpr DWORD REG_OPENED_EXISTING_KEY = 2;

constexpr DWORD REG_NONE = 0;
constexpr DWORD REG_SZ = 1;
constexpr DWORD REG_EXPAND_SZ = 2;
constexpr DWORD REG_BINARY = 3;
constexpr DWORD REG_DWORD = 4;
constexpr DWORD REG_DWORD_BIG_ENDIAN = 5;
constexpr DWORD REG_LINK = 6;
constexpr DWORD REG_MULTI_SZ = 7;
constexpr DWORD REG_RESOURCE_LIST = 8;
constexpr DWORD REG_FULL_RESOURCE_DESCRIPTOR = 9;
constexpr DWORD REG_RESOURCE_REQUIREMENTS_LIST = 10;
constexpr DWORD REG_QWORD = 11;

// Shell.
constexpr int CSIDL_STARTUP = 7;
constexpr int CSIDL_COMMON_STARTUP = 24;
constexpr int CSIDL_APPDATA = 26;
constexpr int CSIDL_COMMON_APPDATA = 35;
constexpr int CSIDL_WINDOWS = 36;
constexpr int CSIDL_PROGRAM_FILES = 38;
constexpr int CSIDL_PROGRAM_FILESX86 = 42;
constexpr int CSIDL_PROGRAM_FILES_COMMON = 43;
constexpr int CSIDL_PROGRAM_FILES_COMMONX86 = 44;
constexpr int CSIDL_COMMON_DOCUMENTS = 46;
constexpr DWORD SHGFP_TYPE_CURRENT = 0;
constexpr int SW_SHOWNORMAL = 1;

// System information.
constexpr WORD PROCESSOR_ARCHITECTURE_INTEL = 0;
constexpr WORD PROCESSOR_ARCHITECTURE_ARM = 5;
constexpr WORD PROCESSOR_ARCHITECTURE_AMD64 = 9;
constexpr WORD PROCESSOR_ARCHITECTURE_ARM64 = 12;

// Files.
constexpr DWORD FILE_ATTRIBUTE_READONLY = 0x01;
constexpr DWORD FILE_ATTRIBUTE_HIDDEN = 0x02;
constexpr DWORD FILE_ATTRIBUTE_SYSTEM = 0x04;
constexpr DWORD FILE_ATTRIBUTE_DIRECTORY = 0x10;
constexpr DWORD FILE_ATTRIBUTE_ARCHIVE = 0x20;
constexpr DWORD FILE_ATTRIBUTE_NORMAL = 0x80;
constexpr DWORD FILE_ATTRIBUTE_REPARSE_POINT = 0x400;

// Service control manager.
constexpr DWORD SC_MANAGER_CONNECT = 0x0001;
constexpr DWORD SC_MANAGER_CREATE_SERVICE = 0x0002;
constexpr DWORD SC_MANAGER_ENUMERATE_SERVICE = 0x0004;
constexpr DWORD SERVICE_QUERY_CONFIG = 0x0001;
constexpr DWORD SERVICE_CHANGE_CONFIG = 0x0002;
constexpr DWORD SERVICE_STOP = 0x0020;
constexpr DWORD SERVICE_KERNEL_DRIVER = 0x01;
constexpr DWORD SERVICE_FILE_SYSTEM_DRIVER = 0x02;
constexpr DWORD SERVICE_DRIVER = 0x0B;
constexpr DWORD SERVICE_WIN32_OWN_PROCESS = 0x10;
constexpr DWORD SERVICE_WIN32_SHARE_PROCESS = 0x20;
constexpr DWORD SERVICE_WIN32 = 0x30;
constexpr DWORD SERVICE_ACTIVE = 1;
constexpr DWORD SERVICE_INACTIVE = 2;
constexpr DWORD SERVICE_STATE_ALL = 3;
constexpr DWORD SERVICE_BOOT_START = 0;
constexpr DWORD SERVICE_SYSTEM_START = 1;
constexpr DWORD SERVICE_AUTO_START = 2;
constexpr DWORD SERVICE_DEMAND_START = 3;
constexpr DWORD SERVICE_DISABLED = 4;
constexpr DWORD SERVICE_NO_CHANGE = 0xFFFFFFFF;
constexpr DWORD SERVICE_ERROR_NORMAL = 1;
constexpr DWORD SERVICE_STOPPED = 1;
constexpr DWORD SERVICE_RUNNING = 4;

struct SERVICE_STATUS {
  DWORD dwServiceType;
  DWORD dwCurrentState;
  DWORD dwControlsAccepted;
  DWORD dwWin32ExitCode;
  DWORD dwServiceSpecificExitCode;
  DWORD dwCheckPoint;
  DWORD dwWaitHint;
};

struct ENUM_SERVICE_STATUSW {
  wchar_t* lpServiceName;
  wchar_t* lpDisplayName;
  SERVICE_STATUS ServiceStatus;
};

struct QUERY_SERVICE_CONFIGW {
  DWORD dwServiceType;
  DWORD dwStartType;
  DWORD dwErrorControl;
  wchar_t* lpBinaryPathName;
  wchar_t* lpLoadOrderGroup;
  DWORD dwTagId;
  wchar_t* lpDependencies;
  wchar_t* lpServiceStartName;
  wchar_t* lpDisplayName;
};

// COM.
constexpr DWORD COINIT_APARTMENTTHREADED = 0x2;
constexpr DWORD COINIT_MULTITHREADED = 0x0;
constexpr DWORD CLSCTX_INPROC_SERVER = 0x1;
constexpr DWORD CLSCTX_LOCAL_SERVER = 0x4;
constexpr DWORD RPC_C_AUTHN_LEVEL_PKT = 4;
constexpr DWORD RPC_C_IMP_LEVEL_IMPERSONATE = 3;
constexpr DWORD EOAC_NONE = 0;
constexpr VARIANT_BOOL VARIANT_TRUE = -1;
constexpr VARIANT_BOOL VARIANT_FALSE = 0;
constexpr VARTYPE VT_EMPTY = 0;
constexpr VARTYPE VT_I4 = 3;
constexpr VARTYPE VT_BSTR = 8;

#endif  // _WIN32

// Per-user services (Windows 10 1709 and later): a template carries SERVICE_USER_SERVICE,
// each signed-in user's instance SERVICE_USERSERVICE_INSTANCE as well. Older SDK headers
// (mingw-w64's among them) lack the names.
#ifndef SERVICE_USER_SERVICE
#define SERVICE_USER_SERVICE 0x00000040
#endif
#ifndef SERVICE_USERSERVICE_INSTANCE
#define SERVICE_USERSERVICE_INSTANCE 0x00000080
#endif
