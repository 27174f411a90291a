// Resource identifiers of morvane.exe.
#pragma once

#define IDI_MORVANE 1
#define IDC_HAND_CURSOR 2
