// The Win32 headers as the back end uses them: the wide ("W") calls, no min/max macros, and none of
// the macros that would rename the toolkit's own names (DialogKind::MessageBox).
#pragma once

#ifndef UNICODE
#define UNICODE
#endif
#ifndef _UNICODE
#define _UNICODE
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif

#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#undef MessageBox
