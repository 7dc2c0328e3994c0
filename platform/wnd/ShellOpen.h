// Opening documents and addresses the desktop's way (XDG), and the read-only
// view of the desktop's file associations in the registry's shape: the
// default program for ".htm" and its open command line. Programs always run
// from an argument vector, never through a shell.
#pragma once

#include "platform/core/afxtypes.h"
#include "platform/wnd/AfxModule.h"

class QWidget;

struct RegKeyData;
using HKEY = RegKeyData*;
// The root of file associations: keys ".ext" and "<program>\shell\open\command".
HKEY RegClassesRoot();
#define HKEY_CLASSES_ROOT (RegClassesRoot())

constexpr LONG ERROR_SUCCESS = 0;
constexpr LONG ERROR_FILE_NOT_FOUND = 2;
constexpr LONG ERROR_INVALID_PARAMETER = 87;
constexpr LONG ERROR_MORE_DATA = 234;
constexpr DWORD KEY_QUERY_VALUE = 0x0001;
constexpr int MAX_PATH = 260;

// Results of ShellExecute and WinExec at or below 32 are errors.
constexpr int SE_ERR_FNF = 2;
constexpr int SE_ERR_PNF = 3;
constexpr int SE_ERR_ACCESSDENIED = 5;
constexpr int SE_ERR_OOM = 8;
constexpr int SE_ERR_NOASSOC = 31;

LONG RegOpenKeyEx(HKEY key, LPCTSTR subkey, DWORD options, DWORD access, HKEY* result);
// The key's default value into value (size: bytes the buffer holds, in;
// bytes of the value with its NUL, out). ERROR_MORE_DATA, value untouched,
// when it does not fit.
LONG RegQueryValue(HKEY key, LPCTSTR subkey, LPTSTR value, LONG* size);
LONG RegCloseKey(HKEY key);

// "open" (or null) asks the desktop's opener, xdg-open, to open file, and
// waits up to a few seconds for its verdict; an opener still running then
// counts as success. Returns a value above 32 on success, else 2 (no opener,
// or no such file), 3, 5, 8, 31 (nothing can open it) or another code up to 32.
HINSTANCE ShellExecute(QWidget* hwnd, LPCTSTR operation, LPCTSTR file, LPCTSTR parameters, LPCTSTR directory,
                       int showCmd);
// Starts a command line: words split at blanks, double quotes grouping.
// Above 31 when the program started; 2, 3, 5, 8 or 11 otherwise.
UINT WinExec(LPCTSTR cmdLine, UINT showCmd);
// The same with the text from argumentStart on passed as one last argument
// whatever it holds (an address with blanks or quotes).
UINT WinExecWithArgument(LPCTSTR cmdLine, int argumentStart, UINT showCmd);
// The result of a failed call as an int (the handle carries a number).
inline int ShellResultCode(HINSTANCE h) { return static_cast<int>(reinterpret_cast<std::intptr_t>(h)); }
