#pragma once
// The main window's resource identifiers, shared by the resource script
// (app/Netvik.rc: the icons and the tray menu) and the code; and its
// controls' ids, which its layout (MainLayout.cpp) gives them.

#define IDI_NETVIK 1

// The tray icons in image-list order: checking, disabled, error, then the
// verdicts Computer, Host, Internet.
#define IDI_TRAY_CHECKING 101
#define IDI_TRAY_DISABLED 102
#define IDI_TRAY_ERROR 103
#define IDI_TRAY_COMPUTER 104
#define IDI_TRAY_HOST 105
#define IDI_TRAY_INTERNET 106

// The tray menu.
#define IDM_POPUP 300
#define IDM_REFRESH 301
#define IDM_DISABLE 302
#define IDM_HIDE 303
#define IDM_QUIT 304
#define IDM_HISTORY 305
#define IDM_NOTIFY 306
#define IDM_SETTINGS 307

// The settings panel's controls.
#define IDC_FRAIPADDR 1000
#define IDC_LBLIIP 1001
#define IDC_TXTIIP 1002
#define IDC_CMDINAME 1003
#define IDC_LBLHIP 1004
#define IDC_TXTHIP 1005
#define IDC_CMDGETH 1006
#define IDC_LBLCIP 1007
#define IDC_TXTCIP 1008
#define IDC_CMDGETC 1009
#define IDC_LBLREFRESHRATE 1010
#define IDC_SLDREFRESH 1011
#define IDC_LBLRETRIEVE 1012
#define IDC_LBLREALIP 1013
#define IDC_CMDRETRIEVE 1014
#define IDC_CHKSTARTUP 1015
#define IDC_FRASA_RE 1016
#define IDC_CMDSAVE 1017
#define IDC_CMDRESTORE 1018
#define IDC_FRACA_OK 1019
#define IDC_CMDOK 1020
#define IDC_CMDCANCEL 1021
#define IDC_CMDQUIT 1022
