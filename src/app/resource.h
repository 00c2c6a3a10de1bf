#pragma once
// Resource identifiers, shared by the .rc script and the code.

#define IDI_NETVIK 1

// The tray icons in image-list order: checking, disabled, error, then the
// verdicts Computer, Host, Internet.
#define IDI_TRAY_CHECKING 101
#define IDI_TRAY_DISABLED 102
#define IDI_TRAY_ERROR 103
#define IDI_TRAY_COMPUTER 104
#define IDI_TRAY_HOST 105
#define IDI_TRAY_INTERNET 106
