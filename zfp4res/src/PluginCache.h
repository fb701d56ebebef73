#pragma once

#include <QString>

#include <memory>

#include "zfp4res/src/TicketPlugin.h"

namespace ticket {

// The plug-in at `path`, read at its first use and read again only when the
// file's size or modification time has changed; null when it is not usable.
// The panel redraws the ticket at every stop, so this keeps file reading and
// parsing out of the redraw.
std::shared_ptr<const Plugin> cachedPlugin(const QString& path);

}  // namespace ticket
