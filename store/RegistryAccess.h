// The one door to the registry: small free functions that each open the key they need, do one thing
// and close it again. Nothing is cached and no failure is reported in words: reads fall back to "" or
// 0, tests and deletes to FALSE, writes say TRUE whatever happened, and the status of the latest
// registry call stays in g_lastRegStatus for whoever wants to look.
#pragma once

#include "platform/registry/registry.h"

#include <string>

// Status of the latest open, create, set, delete, or query of a value's type and size.
extern LONG g_lastRegStatus;
// Index of the next item of the enumeration under way; shared by both kinds of enumeration.
extern DWORD g_regEnumIndex;

// The last two arguments of reads, writes and existence tests name the caller's source file and line.
std::string ReadRegString(HKEY hRoot, const std::string& strSubKey, const std::string& strValueName,
                          const char* pszFile, int nLine);
DWORD ReadRegDword(HKEY hRoot, const std::string& strSubKey, const std::string& strValueName,
                   const char* pszFile, int nLine);
BOOL WriteRegString(HKEY hRoot, const std::string& strSubKey, const std::string& strValueName,
                    const std::string& strData, DWORD dwType, const char* pszFile, int nLine);
BOOL WriteRegDword(HKEY hRoot, const std::string& strSubKey, const std::string& strValueName, DWORD dwData,
                   DWORD dwType, const char* pszFile, int nLine);
BOOL DeleteRegValue(HKEY hRoot, const std::string& strSubKey, const std::string& strValueName);
BOOL DeleteRegTree(HKEY hRoot, const std::string& strParentKey, const std::string& strKeyName);
BOOL RegValueExists(HKEY hRoot, const std::string& strSubKey, const std::string& strValueName,
                    const char* pszFile, int nLine);
BOOL RegKeyExists(HKEY hRoot, const std::string& strSubKey, const char* pszFile, int nLine);

// One enumeration step per call: delivers the next subkey name (value name) of root\subkey and returns
// TRUE, or returns FALSE at the end. Call until FALSE; enumerations can't be nested or interleaved.
// At the end EnumRegSubKey leaves the subkey path in strOutput; EnumRegValueName leaves strOutput as
// it was.
BOOL EnumRegSubKey(HKEY hRoot, const std::string& strSubKey, std::string& strOutput);
BOOL EnumRegValueName(HKEY hRoot, const std::string& strSubKey, std::string& strOutput);
