#pragma once
// Resource identifiers shared by the .rc file and the code.

#define IDI_VELMIRA 1
#define IDR_CHARACTER_REGION 1
#define IDR_DIAL_REGION 2
