// Where the time of a signature check goes under Wine: each Win32 call the check makes,
// timed apart over the same files.
#pragma once

#include <string>
#include <vector>

void ReportSignatureCallTimes(const std::vector<std::wstring>& files);
