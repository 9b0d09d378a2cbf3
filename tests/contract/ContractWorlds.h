// The sandbox each contract case runs in. The native tests make these over fresh fakes;
// the Wine tests over a scratch key, a scratch folder and services of their own, removed
// afterwards. Each build defines the Make* functions and instantiates the tables.
#pragma once

#include <memory>
#include <string>

#include "platform/FileSystem.h"
#include "platform/Registry.h"
#include "platform/ServiceManager.h"
#include "tests/contract/Contract.h"

class RegistryWorld : public ContractWorld {
 public:
  virtual IRegistry& Registry() = 0;
  // An existing, empty key below HKEY_CURRENT_USER that belongs to this case alone.
  virtual const std::wstring& Base() const = 0;
  // Makes Base()\link a registry link (REG_OPTION_CREATE_LINK and its SymbolicLinkValue)
  // to the existing key Base()\target; the world removes the link itself afterwards.
  virtual void MakeLink(const std::wstring& link, const std::wstring& target) = 0;
};

class FileWorld : public ContractWorld {
 public:
  virtual IFileSystem& Files() = 0;
  // An existing, empty folder (no trailing backslash) that belongs to this case alone.
  virtual const std::wstring& Folder() const = 0;
  // CreateDirectoryW; the parent exists.
  virtual void MakeFolder(const std::wstring& path) = 0;
  // SetFileAttributesW(FILE_ATTRIBUTE_READONLY) of an existing file.
  virtual void MakeReadOnly(const std::wstring& path) = 0;
  // SetFileAttributesW(FILE_ATTRIBUTE_HIDDEN) of an existing file.
  virtual void MakeHidden(const std::wstring& path) = 0;
  // Makes `path` a link to the existing folder `target` that a listing of its parent
  // shows as FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT.
  virtual void MakeFolderLink(const std::wstring& path, const std::wstring& target) = 0;
};

class ServiceWorld : public ContractWorld {
 public:
  virtual IServiceManager& Services() = 0;
  // A name no other service has, from the stem: the world adds a suffix of its own.
  virtual std::wstring UniqueName(const std::wstring& stem) const = 0;
  // CreateServiceW: a stopped SERVICE_WIN32_OWN_PROCESS with demand start, normal error
  // control and this image path; the world deletes it when the case ends.
  virtual void AddService(const std::wstring& name, const std::wstring& displayName,
                          const std::wstring& imagePath) = 0;
};

std::unique_ptr<RegistryWorld> MakeRegistryWorld();
std::unique_ptr<FileWorld> MakeFileWorld();
std::unique_ptr<ServiceWorld> MakeServiceWorld();

using RegistryCase = ContractCase<RegistryWorld>;
using FileCase = ContractCase<FileWorld>;
using ServiceCase = ContractCase<ServiceWorld>;

const std::vector<RegistryCase>& RegistryCases();
const std::vector<FileCase>& FileCases();
const std::vector<ServiceCase>& ServiceCases();

// The tests over the tables; each build instantiates them with its own worlds.
class RegistryContract : public testing::TestWithParam<RegistryCase> {};
class FileSystemContract : public testing::TestWithParam<FileCase> {};
class ServiceManagerContract : public testing::TestWithParam<ServiceCase> {};

// One line per build: PREFIX names the instantiation ("Any" runs under every Wine prefix
// group that takes Any*).
#define ORVANE_INSTANTIATE_CONTRACTS(PREFIX)                                                 \
  INSTANTIATE_TEST_SUITE_P(PREFIX, RegistryContract, testing::ValuesIn(RegistryCases()),     \
                           ContractCaseName());                                              \
  INSTANTIATE_TEST_SUITE_P(PREFIX, FileSystemContract, testing::ValuesIn(FileCases()),       \
                           ContractCaseName());                                              \
  INSTANTIATE_TEST_SUITE_P(PREFIX, ServiceManagerContract, testing::ValuesIn(ServiceCases()), \
                           ContractCaseName())
