#pragma once

// The program's icon, defined in the version resource (packaging/windows).
#define VELMO_ICON_NAME L"IDI_ICON1"
