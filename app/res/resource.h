/* Resource and control identifiers, prefixed by kind. */
#pragma once

#define IDL_INSTANCES 1001
#define IDB_REFRESH 1002
#define IDB_SELECT_ALL 1003
#define IDB_SLIM 1004
#define IDE_LOG 1005
#define IDG_APPS 1006
#define IDX_APP_BASE 1100 /* check box k has IDX_APP_BASE + k */

#define IDD_NOTICE 200
#define IDG_NOTICE_FRAME 201
#define IDS_NOTICE_PROMPT 202
#define IDE_NOTICE_INPUT 203
