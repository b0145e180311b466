#pragma once
// Resource identifiers shared by the .rc file and the code.
#define IDI_APPLICATION_ICON 128
#define IDD_JRE_NOT_FOUND 201
#define IDC_JRE_PATH 201
#define IDC_BROWSE 202
#define IDC_MESSAGE 203
#define IDC_ERROR_ICON 204
#define IDC_DOWNLOAD_LINK 205
#define IDC_BROWSE_HINT 206
