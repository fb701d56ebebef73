#pragma once

// Controls that once drew differently on the old Windows 95/98/Me and NT 4
// systems ask this; no system we run on is one of them.
namespace os_version {

constexpr bool isLegacyWindows() { return false; }

}  // namespace os_version
