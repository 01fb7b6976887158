// Resource name and control ids of the error dialog (shared with its template).
#pragma once

#define EXC_DIALOG_NAME "EXCMAGICDLG"
#define IDC_EXC_FRAME 1101
#define IDC_EXC_ICON 1102
#define IDC_EXC_MESSAGE 1103
#define IDC_EXC_DETAILS 1104
#define IDC_EXC_TERMINATE 1105
#define IDC_EXC_TABS 1106
#define IDC_EXC_PAGE 1110 /* + page index */
